#include "script/item_blocks.h"

#include "core/numbers.h"
#include "core/settings.h"
#include "names/terrain_names.h"
#include "script/script_text.h"

namespace quorlin {

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
    auto number = [&](const char *slider) { return QString::number(s.slider(QString::fromLatin1(slider))); };

    QString b = QStringLiteral("create_land /* 添加陆地：") + terrain + QStringLiteral(" */") + En();
    b += QStringLiteral("{") + En();
    b += KeywordLine("terrain_type", TerrainConst(terrain));
    b += KeywordLine("land_percent", number("Slider13"));
    b += KeywordLine("base_size", number("Slider12"));
    if (s.isOne(QStringLiteral("Check34"))) {
        const Borders w = BordersFor(s.text(QStringLiteral("Combo16")));
        b += KeywordLine("left_border", QString::number(w.left));
        b += KeywordLine("right_border", QString::number(w.right));
        b += KeywordLine("top_border", QString::number(w.top));
        b += KeywordLine("bottom_border", QString::number(w.bottom));
    }
    b += KeywordLine("border_fuzziness", number("Slider11"));
    b += KeywordLine("clumping_factor", number("Slider9"));
    b += KeywordLine("other_zone_avoidance_distance", number("Slider10"));
    const double landId = ReadNumber(s.text(QStringLiteral("Text16")));
    if (s.isOne(QStringLiteral("Check35")) && landId > 0)
        b += KeywordLine("land_id", PlainDecimal(landId));
    const QString player = s.text(QStringLiteral("Combo17"));
    // The player line has no line break of its own, so a block with it has no
    // empty line before the closing brace.
    if (s.isOne(QStringLiteral("Check36")) && ReadNumber(player) > 0)
        b += QStringLiteral("assign_to_player  ") + player;
    b += En() + QStringLiteral("}") + En() + En();
    return b;
}

} // namespace quorlin
