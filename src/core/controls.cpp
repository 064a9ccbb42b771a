#include "core/controls.h"

#include <QHash>

namespace quorlin {

namespace {

using K = ControlKind;

// name, meaning, kind, page, caption, default number, default text, slider range and steps, option group
// clang-format off
const QVector<ControlDef> kControls = {
    // Page 0: the players' own zones.
    {"Combo1", "base terrain of the map", K::EditableList, 0, "", 0, "草1"},
    {"Check33", "set the players' zones uniformly; turns on the zone settings", K::Check, 0, QT_TRANSLATE_NOOP("Quorlin", "统一设置游戏者区域"), 1, ""},
    {"Combo2", "terrain of the players' zones", K::EditableList, 0, "", 0, "草1"},
    {"Slider1", "percentage of the map the players' zones take", K::Slider, 0, "", 50, "", 0, 100, 2, 20},
    {"Slider2", "smallest radius of each player's zone", K::Slider, 0, "", 10, "", 8, 30, 1, 4},
    {"Check1", "remove the border: keep the zones off the map's edges", K::Check, 0, QT_TRANSLATE_NOOP("Quorlin", "消除边界"), 0, ""},
    {"Combo3", "width of the zones' border to the map's edges", K::EditableList, 0, "", 0, "窄"},
    {"Slider3", "percentage of fuzziness of the zones' edges", K::Slider, 0, "", 10, "", 0, 100, 2, 10},
    {"Slider4", "distance to the other players' zones", K::Slider, 0, "", 5, "", 0, 40, 1, 5},
    {"Slider5", "shape of the zones, from longer to squarer", K::Slider, 0, "", 8, "", 1, 15, 1, 5},
    {"Option1", "zones: every player in a zone of their own", K::Option, 0, QT_TRANSLATE_NOOP("Quorlin", "每个游戏者都在不同的区域"), 1, "", 0, 0, 0, 0, "Frame4"},
    {"Option2", "zones: the players of one team in one zone", K::Option, 0, QT_TRANSLATE_NOOP("Quorlin", "同组游戏者在同一块区域"), 0, "", 0, 0, 0, 0, "Frame4"},
    {"Option3", "zones: all players in one zone", K::Option, 0, QT_TRANSLATE_NOOP("Quorlin", "所有游戏者在同一块区域"), 0, "", 0, 0, 0, 0, "Frame4"},
    {"Option4", "zones: given at random", K::Option, 0, QT_TRANSLATE_NOOP("Quorlin", "随机产生"), 0, "", 0, 0, 0, 0, "Frame4"},

    // Page 1: the land editor.
    {"Combo15", "terrain of the land to add", K::EditableList, 1, "", 0, "草1"},
    {"Slider13", "percentage of the map the land takes", K::Slider, 1, "", 20, "", 0, 100, 2, 10},
    {"Slider12", "radius of the land", K::Slider, 1, "", 10, "", 8, 30, 1, 4},
    {"Check34", "remove the border: keep the land off the map's edges", K::Check, 1, QT_TRANSLATE_NOOP("Quorlin", "消除边界"), 0, ""},
    {"Combo16", "width of the land's border to the map's edges", K::EditableList, 1, "", 0, "窄"},
    {"Slider11", "percentage of fuzziness of the land's edges", K::Slider, 1, "", 10, "", 0, 100, 2, 10},
    {"Slider9", "shape of the land, from longer to squarer", K::Slider, 1, "", 8, "", 1, 15, 1, 5},
    {"Slider10", "distance of the land to the other zones", K::Slider, 1, "", 5, "", 0, 40, 1, 5},
    {"Check35", "give the land a number", K::Check, 1, QT_TRANSLATE_NOOP("Quorlin", "指定陆地编号"), 0, ""},
    {"Text16", "number of the land", K::Text, 1, "", 0, ""},
    {"Check36", "assign the land to a player", K::Check, 1, QT_TRANSLATE_NOOP("Quorlin", "分配给指定玩家"), 0, ""},
    {"Combo17", "player the land is assigned to", K::ClosedList, 1, "", 0, ""},

    // Page 2: the terrain editor and mixed water.
    {"Option5", "terrain to add: a land terrain", K::Option, 2, QT_TRANSLATE_NOOP("Quorlin", "土地"), 1, "", 0, 0, 0, 0, "Frame5"},
    {"Option6", "terrain to add: a forest", K::Option, 2, QT_TRANSLATE_NOOP("Quorlin", "树木"), 0, "", 0, 0, 0, 0, "Frame5"},
    {"Combo4", "land terrain to add", K::EditableList, 2, "", 0, "泥地1"},
    {"Combo5", "forest to add", K::EditableList, 2, "", 0, "森林"},
    {"Combo14", "terrain it is placed on; empty for the base terrain", K::EditableList, 2, "", 0, ""},
    {"Slider6", "percentage of the map the terrain covers", K::Slider, 2, "", 8, "", 0, 100, 1, 10},
    {"Text2", "number of clumps, times the map size's scale factor", K::Text, 2, "", 0, "10"},
    {"Text1", "spacing to other terrains", K::Text, 2, "", 0, "2"},
    {"Check2", "keep away from the players' start areas", K::Check, 2, QT_TRANSLATE_NOOP("Quorlin", "避开游戏者开始区域"), 1, ""},
    {"Check3", "keep away from elevation", K::Check, 2, QT_TRANSLATE_NOOP("Quorlin", "避开高地"), 0, ""},
    {"Slider7", "shape of the clumps, from longer to squarer", K::Slider, 2, "", 30, "", 0, 100, 1, 10},
    {"Combo6", "lowest height it may be placed on", K::ClosedList, 2, "", 0, ""},
    {"Combo7", "highest height it may be placed on", K::ClosedList, 2, "", 0, ""},
    {"Check30", "mix the water with shallower and deeper patches", K::Check, 2, QT_TRANSLATE_NOOP("Quorlin", "混合水域"), 0, ""},

    // Page 3: the unit editor and the ready-made units.
    {"Label55", "unit type to add: its name in the picker or its number", K::Display, 3, "", 0, ""},
    {"Text6", "number of units", K::Text, 3, "", 0, "4"},
    {"Text15", "number of groups; 0 for no groups", K::Text, 3, "", 0, "0"},
    {"Text7", "variance of the number of groups", K::Text, 3, "", 0, "1"},
    {"Check32", "set the distance from the player's land centre", K::Check, 3, QT_TRANSLATE_NOOP("Quorlin", "设定与游戏者土地中心的距离"), 1, ""},
    {"Text3", "smallest distance from the player's land centre", K::Text, 3, "", 0, "4"},
    {"Text4", "largest distance from the player's land centre", K::Text, 3, "", 0, "10"},
    {"Check4", "set the radius of the area each group takes", K::Check, 3, QT_TRANSLATE_NOOP("Quorlin", "每一组所占区域的半径"), 0, ""},
    {"Text5", "radius of the area each group takes", K::Text, 3, "", 0, "5"},
    {"Check5", "set how tightly the groups are spread", K::Check, 3, QT_TRANSLATE_NOOP("Quorlin", "分布"), 0, ""},
    {"Option11", "groups: tight", K::Option, 3, QT_TRANSLATE_NOOP("Quorlin", "紧密"), 1, "", 0, 0, 0, 0, "Frame7"},
    {"Option12", "groups: loose", K::Option, 3, QT_TRANSLATE_NOOP("Quorlin", "疏松"), 0, "", 0, 0, 0, 0, "Frame7"},
    {"Check6", "every player gets them", K::Check, 3, QT_TRANSLATE_NOOP("Quorlin", "每位游戏者都有"), 1, ""},
    {"Check7", "owned by Mother Earth, the neutral side, alone", K::Check, 3, QT_TRANSLATE_NOOP("Quorlin", "仅为“大地之母”所有"), 0, ""},
    {"Check37", "put on the land with a given number", K::Check, 3, QT_TRANSLATE_NOOP("Quorlin", "置于指定编号陆地"), 0, ""},
    {"Text17", "number of the land to put them on", K::Text, 3, "", 0, ""},
    {"Check8", "ready-made: town centre", K::Check, 3, QT_TRANSLATE_NOOP("Quorlin", "城镇中心"), 0, ""},
    {"Check9", "ready-made: the base villagers and the scout", K::Check, 3, QT_TRANSLATE_NOOP("Quorlin", "基本村民数及侦察兵"), 0, ""},
    {"Check10", "ready-made: base resources", K::Check, 3, QT_TRANSLATE_NOOP("Quorlin", "基本资源"), 0, ""},
    {"Check11", "ready-made: extra resources", K::Check, 3, QT_TRANSLATE_NOOP("Quorlin", "额外资源"), 0, ""},
    {"Check12", "ready-made: sheep, or else turkeys", K::Check, 3, QT_TRANSLATE_NOOP("Quorlin", "绵羊"), 0, ""},
    {"Check13", "ready-made: turkeys, or else sheep", K::Check, 3, QT_TRANSLATE_NOOP("Quorlin", "火鸡"), 0, ""},
    {"Check14", "ready-made: wild boar, or else javelinas", K::Check, 3, QT_TRANSLATE_NOOP("Quorlin", "野猪"), 0, ""},
    {"Check15", "ready-made: javelinas, or else wild boar", K::Check, 3, QT_TRANSLATE_NOOP("Quorlin", "爪哇野猪"), 0, ""},
    {"Check16", "ready-made: deer", K::Check, 3, QT_TRANSLATE_NOOP("Quorlin", "鹿"), 0, ""},
    {"Check17", "ready-made: wolves, or else jaguars", K::Check, 3, QT_TRANSLATE_NOOP("Quorlin", "狼"), 0, ""},
    {"Check18", "ready-made: jaguars, or else wolves", K::Check, 3, QT_TRANSLATE_NOOP("Quorlin", "美洲虎"), 0, ""},
    {"Check19", "ready-made: fish", K::Check, 3, QT_TRANSLATE_NOOP("Quorlin", "鱼"), 0, ""},
    {"Check20", "ready-made: hawks, or else macaws", K::Check, 3, QT_TRANSLATE_NOOP("Quorlin", "鹰"), 0, ""},
    {"Check21", "ready-made: macaws, or else hawks", K::Check, 3, QT_TRANSLATE_NOOP("Quorlin", "金刚鹦鹉"), 0, ""},
    {"Check22", "ready-made: relics", K::Check, 3, QT_TRANSLATE_NOOP("Quorlin", "遗迹"), 0, ""},
    {"Check31", "ready-made: walls", K::Check, 3, QT_TRANSLATE_NOOP("Quorlin", "城墙"), 0, ""},

    // Page 4: elevation, cliffs and connections.
    {"Check23", "place elevation", K::Check, 4, QT_TRANSLATE_NOOP("Quorlin", "放置高地"), 0, ""},
    {"Combo8", "greatest height of the elevation", K::EditableList, 4, "", 0, "7"},
    {"Combo9", "terrain the elevation stands on", K::EditableList, 4, "", 0, "草1"},
    {"Text8", "number of elevation clumps, times the scale factor", K::Text, 4, "", 0, "12"},
    {"Text9", "number of elevation tiles in all, times the scale factor", K::Text, 4, "", 0, "1000"},
    {"Check24", "place cliffs", K::Check, 4, QT_TRANSLATE_NOOP("Quorlin", "放置悬崖"), 0, ""},
    {"Text10", "fewest cliffs", K::Text, 4, "", 0, "4"},
    {"Text11", "most cliffs", K::Text, 4, "", 0, "10"},
    {"Text12", "shortest cliff length", K::Text, 4, "", 0, "5"},
    {"Text13", "longest cliff length", K::Text, 4, "", 0, "11"},
    {"Slider8", "shape of the cliffs, from straighter to more winding", K::Slider, 4, "", 20, "", 0, 100, 1, 10},
    {"Text14", "smallest distance between cliffs", K::Text, 4, "", 0, "5"},
    {"Check25", "set connections between the players", K::Check, 4, QT_TRANSLATE_NOOP("Quorlin", "设置连接"), 0, ""},
    {"Check26", "connect all players' lands across water", K::Check, 4, QT_TRANSLATE_NOOP("Quorlin", "连接陆地"), 0, ""},
    {"Option13", "all players' water crossing: duckweed", K::Option, 4, QT_TRANSLATE_NOOP("Quorlin", "浮萍"), 1, "", 0, 0, 0, 0, "Frame15"},
    {"Option14", "all players' water crossing: ice", K::Option, 4, QT_TRANSLATE_NOOP("Quorlin", "冰"), 0, "", 0, 0, 0, 0, "Frame15"},
    {"Combo10", "width of all players' water crossing", K::EditableList, 4, "", 0, "窄"},
    {"Check27", "place roads between all players", K::Check, 4, QT_TRANSLATE_NOOP("Quorlin", "放置道路"), 0, ""},
    {"Option16", "all players' roads: road", K::Option, 4, QT_TRANSLATE_NOOP("Quorlin", "路"), 1, "", 0, 0, 0, 0, "Frame16"},
    {"Option15", "all players' roads: broken road", K::Option, 4, QT_TRANSLATE_NOOP("Quorlin", "烂路"), 0, "", 0, 0, 0, 0, "Frame16"},
    {"Option7", "all players' roads: mushroom road", K::Option, 4, QT_TRANSLATE_NOOP("Quorlin", "蘑菇路"), 0, "", 0, 0, 0, 0, "Frame16"},
    {"Option8", "all players' roads: snow road", K::Option, 4, QT_TRANSLATE_NOOP("Quorlin", "雪路"), 0, "", 0, 0, 0, 0, "Frame16"},
    {"Combo11", "width of all players' roads", K::EditableList, 4, "", 0, "窄"},
    {"Check29", "connect the lands of a team's players across water", K::Check, 4, QT_TRANSLATE_NOOP("Quorlin", "连接陆地"), 0, ""},
    {"Option20", "team water crossing: duckweed", K::Option, 4, QT_TRANSLATE_NOOP("Quorlin", "浮萍"), 1, "", 0, 0, 0, 0, "Frame19"},
    {"Option19", "team water crossing: ice", K::Option, 4, QT_TRANSLATE_NOOP("Quorlin", "冰"), 0, "", 0, 0, 0, 0, "Frame19"},
    {"Combo13", "width of the team water crossing", K::EditableList, 4, "", 0, "窄"},
    {"Check28", "place roads between a team's players", K::Check, 4, QT_TRANSLATE_NOOP("Quorlin", "放置道路"), 0, ""},
    {"Option17", "team roads: road", K::Option, 4, QT_TRANSLATE_NOOP("Quorlin", "路"), 1, "", 0, 0, 0, 0, "Frame18"},
    {"Option18", "team roads: broken road", K::Option, 4, QT_TRANSLATE_NOOP("Quorlin", "烂路"), 0, "", 0, 0, 0, 0, "Frame18"},
    {"Option9", "team roads: mushroom road", K::Option, 4, QT_TRANSLATE_NOOP("Quorlin", "蘑菇路"), 0, "", 0, 0, 0, 0, "Frame18"},
    {"Option10", "team roads: snow road", K::Option, 4, QT_TRANSLATE_NOOP("Quorlin", "雪路"), 0, "", 0, 0, 0, 0, "Frame18"},
    {"Combo12", "width of the team roads", K::EditableList, 4, "", 0, "窄"},
};
// clang-format on

const QHash<QString, int> &Index()
{
    static const QHash<QString, int> index = [] {
        QHash<QString, int> h;
        for (int i = 0; i < kControls.size(); ++i)
            h.insert(QString::fromLatin1(kControls[i].name), i);
        return h;
    }();
    return index;
}

} // namespace

const QVector<ControlDef> &ControlTable() { return kControls; }

const ControlDef *FindControl(const QString &name)
{
    const auto it = Index().constFind(name);
    return it == Index().constEnd() ? nullptr : &kControls[*it];
}

QStringList OptionGroup(const QString &name)
{
    QStringList members;
    const ControlDef *def = FindControl(name);
    if (!def || def->kind != ControlKind::Option)
        return members;
    for (const ControlDef &c : kControls)
        if (c.kind == ControlKind::Option && qstrcmp(c.group, def->group) == 0)
            members << QString::fromLatin1(c.name);
    return members;
}

QString KindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Check: return QStringLiteral("check box");
    case ControlKind::Option: return QStringLiteral("option button");
    case ControlKind::Slider: return QStringLiteral("slider");
    case ControlKind::Text: return QStringLiteral("text field");
    case ControlKind::EditableList: return QStringLiteral("editable list");
    case ControlKind::ClosedList: return QStringLiteral("closed list");
    case ControlKind::Display: return QStringLiteral("display label");
    }
    return QString();
}

} // namespace quorlin
