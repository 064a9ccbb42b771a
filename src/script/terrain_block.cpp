#include "script/item_blocks.h"

#include "core/numbers.h"
#include "core/settings.h"
#include "names/terrain_names.h"

#include <utility>

namespace quorlin {

namespace {

const QString kEn = QStringLiteral("\r\n");

// The terrain the patch lies on: its own field, else the base terrain, else grass.
QString GroundTerrain(const Settings &s)
{
    QString ground = s.text(QStringLiteral("Combo14"));
    if (ground.isEmpty())
        ground = s.text(QStringLiteral("Combo1"));
    if (ground.isEmpty())
        ground = QStringLiteral("草1");
    return ground;
}

} // namespace

QString ChosenTerrain(const Settings &s)
{
    return s.text(s.option(QStringLiteral("Option5")) ? QStringLiteral("Combo4") : QStringLiteral("Combo5"));
}

QString TerrainBlock(const Settings &s)
{
    const QString name = ChosenTerrain(s);
    auto line = [](const char *keyword, const QString &value) {
        return QString::fromLatin1(keyword) + QStringLiteral("  ") + value + kEn;
    };
    auto valueOf = [&](const char *field) { return PlainDecimal(ReadNumber(s.text(QString::fromLatin1(field)))); };

    QString b = QStringLiteral("create_terrain  ") + TerrainConst(name) + QStringLiteral(" /* 添加地形：") + name
        + QStringLiteral(" */") + kEn;
    b += QStringLiteral("{") + kEn;
    b += line("base_terrain", TerrainConst(GroundTerrain(s)));
    b += line("land_percent", QString::number(s.slider(QStringLiteral("Slider6"))));
    b += line("number_of_clumps", valueOf("Text2"));
    b += QStringLiteral("set_scale_by_groups") + kEn;
    b += line("spacing_to_other_terrain_types", valueOf("Text1"));
    if (s.isOne(QStringLiteral("Check2")))
        b += QStringLiteral("set_avoid_player_start_areas") + kEn;
    if (s.isOne(QStringLiteral("Check3")))
        b += QStringLiteral("set_flat_terrain_only") + kEn;
    b += line("clumping_factor", QString::number(s.slider(QStringLiteral("Slider7"))));
    b += HeightLimitsLine(s.text(QStringLiteral("Combo6")), s.text(QStringLiteral("Combo7")));
    b += QStringLiteral("}") + kEn + kEn;
    return b;
}

QString HeightLimitsLine(const QString &from, const QString &to)
{
    if (from.isEmpty() && to.isEmpty())
        return QString();
    double low = RoundHalfEven(ReadNumber(from));
    double high = RoundHalfEven(ReadNumber(to));
    if (low > high)
        std::swap(low, high);
    return QStringLiteral("height_limits  ") + PlainDecimal(low) + QStringLiteral("  ") + PlainDecimal(high) + kEn;
}

} // namespace quorlin
