#include "editors/editors.h"

#include "core/settings.h"
#include "core/ui_text.h"
#include "script/item_blocks.h"

namespace quorlin {

Outcome AddLand(Settings &s, ItemStore &lands)
{
    const QString terrain = s.text(QStringLiteral("Combo15"));
    if (terrain.isEmpty())
        return Refusal{Ui::tr("注意"), Ui::tr("请选择地形。"), MessageIcon::Warning};
    if (lands.isFull())
        return Refusal{Ui::tr("错误"), Ui::tr("你添加的陆地太多了。"), MessageIcon::Error};
    lands.add(terrain, LandBlock(s));
    ResetLandPage(s);
    return {};
}

void ResetLandPage(Settings &s)
{
    // The values come from the control table; the zone radius (Slider12) and
    // the player (Combo17) keep what the designer chose for the next land.
    s.reset({"Combo15", "Slider13", "Combo16", "Check34", "Slider11", "Slider9", "Slider10", "Text16", "Check35",
             "Check36"});
}

} // namespace quorlin
