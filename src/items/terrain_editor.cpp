#include "items/editors.h"

#include "names/terrain_names.h"
#include "script/numbers.h"
#include "wizard/settings.h"

#include <utility>

namespace quorlin {

namespace {

const QString kEn = QStringLiteral("\r\n");

QString ChosenTerrain(const Settings &s)
{
    return s.text(s.option(QStringLiteral("Option5")) ? QStringLiteral("Combo4") : QStringLiteral("Combo5"));
}

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

std::optional<Refusal> AddTerrain(Settings &s, ItemStore &terrains)
{
    const QString name = ChosenTerrain(s);
    if (name.isEmpty())
        return Refusal{QStringLiteral("注意"), QStringLiteral("请选择地形。"), MessageIcon::Warning};
    if (terrains.isFull())
        return Refusal{QStringLiteral("错误"), QStringLiteral("你添加的地形太多了。"), MessageIcon::Error};
    terrains.add(name, TerrainBlock(s));
    ResetTerrainPage(s);
    return std::nullopt;
}

void ResetTerrainPage(Settings &s)
{
    s.setOption(QStringLiteral("Option5"), true);
    s.setSlider(QStringLiteral("Slider6"), 8);
    s.setText(QStringLiteral("Text2"), QStringLiteral("10"));
    s.setText(QStringLiteral("Text1"), QStringLiteral("2"));
    s.setCheck(QStringLiteral("Check2"), 1);
    s.setCheck(QStringLiteral("Check3"), 0);
    s.setSlider(QStringLiteral("Slider7"), 30);
    s.setText(QStringLiteral("Combo4"), QStringLiteral("泥地1"));
    s.setText(QStringLiteral("Combo5"), QStringLiteral("森林"));
    s.setText(QStringLiteral("Combo14"), QString());
}

} // namespace quorlin
