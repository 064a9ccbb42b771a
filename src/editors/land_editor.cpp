#include "editors/editors.h"

#include "core/settings.h"
#include "script/item_blocks.h"

namespace quorlin {

std::optional<Refusal> AddLand(Settings &s, ItemStore &lands)
{
    const QString terrain = s.text(QStringLiteral("Combo15"));
    if (terrain.isEmpty())
        return Refusal{QStringLiteral("注意"), QStringLiteral("请选择地形。"), MessageIcon::Warning};
    if (lands.isFull())
        return Refusal{QStringLiteral("错误"), QStringLiteral("你添加的陆地太多了。"), MessageIcon::Error};
    lands.add(terrain, LandBlock(s));
    ResetLandPage(s);
    return std::nullopt;
}

void ResetLandPage(Settings &s)
{
    s.setText(QStringLiteral("Combo15"), QStringLiteral("草1"));
    s.setSlider(QStringLiteral("Slider13"), 20);
    s.setText(QStringLiteral("Combo16"), QStringLiteral("窄"));
    s.setCheck(QStringLiteral("Check34"), 0);
    s.setSlider(QStringLiteral("Slider11"), 10);
    s.setSlider(QStringLiteral("Slider9"), 8);
    s.setSlider(QStringLiteral("Slider10"), 5);
    s.setText(QStringLiteral("Text16"), QString());
    s.setCheck(QStringLiteral("Check35"), 0);
    s.setCheck(QStringLiteral("Check36"), 0);
}

} // namespace quorlin
