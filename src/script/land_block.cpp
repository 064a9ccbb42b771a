#include "script/item_blocks.h"

#include "core/numbers.h"
#include "core/settings.h"
#include "names/terrain_names.h"

namespace quorlin {

namespace {
const QString kEn = QStringLiteral("\r\n");
}

Borders BordersFor(const QString &width)
{
    struct Row {
        const char *width;
        Borders borders;
    };
    static const Row rows[] = {
        {"宽", {25, 24, 23, 24}},
        {"中", {13, 15, 14, 13}},
        {"窄", {5, 4, 6, 5}},
    };
    for (const Row &row : rows)
        if (width == QString::fromUtf8(row.width))
            return row.borders;
    return {0, 0, 0, 0};
}

QString LandBlock(const Settings &s)
{
    const QString terrain = s.text(QStringLiteral("Combo15"));
    auto line = [](const char *keyword, const QString &value) {
        return QString::fromLatin1(keyword) + QStringLiteral("  ") + value + kEn;
    };
    auto number = [&](const char *slider) { return QString::number(s.slider(QString::fromLatin1(slider))); };

    QString b = QStringLiteral("create_land /* 添加陆地：") + terrain + QStringLiteral(" */") + kEn;
    b += QStringLiteral("{") + kEn;
    b += line("terrain_type", TerrainConst(terrain));
    b += line("land_percent", number("Slider13"));
    b += line("base_size", number("Slider12"));
    if (s.isOne(QStringLiteral("Check34"))) {
        const Borders w = BordersFor(s.text(QStringLiteral("Combo16")));
        b += line("left_border", QString::number(w.left));
        b += line("right_border", QString::number(w.right));
        b += line("top_border", QString::number(w.top));
        b += line("bottom_border", QString::number(w.bottom));
    }
    b += line("border_fuzziness", number("Slider11"));
    b += line("clumping_factor", number("Slider9"));
    b += line("other_zone_avoidance_distance", number("Slider10"));
    const double landId = ReadNumber(s.text(QStringLiteral("Text16")));
    if (s.isOne(QStringLiteral("Check35")) && landId > 0)
        b += line("land_id", PlainDecimal(landId));
    const QString player = s.text(QStringLiteral("Combo17"));
    // The player line has no line break of its own, so a block with it has no
    // empty line before the closing brace.
    if (s.isOne(QStringLiteral("Check36")) && ReadNumber(player) > 0)
        b += QStringLiteral("assign_to_player  ") + player;
    b += kEn + QStringLiteral("}") + kEn + kEn;
    return b;
}

} // namespace quorlin
