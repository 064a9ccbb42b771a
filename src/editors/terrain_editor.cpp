#include "editors/editors.h"

#include "core/settings.h"
#include "script/item_blocks.h"

namespace quorlin {

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
