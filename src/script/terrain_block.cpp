#include "script/item_blocks.h"

#include "core/numbers.h"
#include "core/settings.h"
#include "names/terrain_names.h"
#include "script/script_text.h"

#include <utility>

namespace quorlin {

namespace {

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
    auto valueOf = [&](const char *field) { return PlainDecimal(ReadNumber(s.text(QString::fromLatin1(field)))); };

    QString b = QStringLiteral("create_terrain  ") + TerrainConst(name) + QStringLiteral(" /* 添加地形：") + name
                + QStringLiteral(" */") + En();
    b += QStringLiteral("{") + En();
    b += KeywordLine("base_terrain", TerrainConst(GroundTerrain(s)));
    b += KeywordLine("land_percent", QString::number(s.slider(QStringLiteral("Slider6"))));
    b += KeywordLine("number_of_clumps", valueOf("Text2"));
    b += FlagLine("set_scale_by_groups");
    b += KeywordLine("spacing_to_other_terrain_types", valueOf("Text1"));
    if (s.isOne(QStringLiteral("Check2")))
        b += FlagLine("set_avoid_player_start_areas");
    if (s.isOne(QStringLiteral("Check3")))
        b += FlagLine("set_flat_terrain_only");
    b += KeywordLine("clumping_factor", QString::number(s.slider(QStringLiteral("Slider7"))));
    b += HeightLimitsLine(s.text(QStringLiteral("Combo6")), s.text(QStringLiteral("Combo7")));
    b += QStringLiteral("}") + En() + En();
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
    return QStringLiteral("height_limits  ") + PlainDecimal(low) + QStringLiteral("  ") + PlainDecimal(high) + En();
}

} // namespace quorlin
