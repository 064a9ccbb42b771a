#include "editors/editors.h"

#include "core/settings.h"
#include "core/ui_text.h"
#include "script/item_blocks.h"

namespace quorlin {

Outcome AddTerrain(Settings &s, ItemStore &terrains)
{
    const QString name = ChosenTerrain(s);
    if (name.isEmpty())
        return Refusal{Ui::tr("注意"), Ui::tr("请选择地形。"), MessageIcon::Warning};
    if (terrains.isFull())
        return Refusal{Ui::tr("错误"), Ui::tr("你添加的地形太多了。"), MessageIcon::Error};
    terrains.add(name, TerrainBlock(s));
    ResetTerrainPage(s);
    return {};
}

void ResetTerrainPage(Settings &s)
{
    // The values come from the control table; the height limits (Combo6,
    // Combo7) keep what the designer chose for the next terrain.
    s.reset({"Option5", "Slider6", "Text2", "Text1", "Check2", "Check3", "Slider7", "Combo4", "Combo5", "Combo14"});
}

} // namespace quorlin
