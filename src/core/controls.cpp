#include "core/controls.h"

#include <QHash>

namespace quorlin {

namespace {

using K = ControlKind;

// name, kind, page, caption, default number, default text, slider range and steps, option group
const QVector<ControlDef> kControls = {
    // Page 0: the players' own zones.
    {"Combo1", K::EditableList, 0, "", 0, "草1"},
    {"Check33", K::Check, 0, "统一设置游戏者区域", 1, ""},
    {"Combo2", K::EditableList, 0, "", 0, "草1"},
    {"Slider1", K::Slider, 0, "", 50, "", 0, 100, 2, 20},
    {"Slider2", K::Slider, 0, "", 10, "", 8, 30, 1, 4},
    {"Check1", K::Check, 0, "消除边界", 0, ""},
    {"Combo3", K::EditableList, 0, "", 0, "窄"},
    {"Slider3", K::Slider, 0, "", 10, "", 0, 100, 2, 10},
    {"Slider4", K::Slider, 0, "", 5, "", 0, 40, 1, 5},
    {"Slider5", K::Slider, 0, "", 8, "", 1, 15, 1, 5},
    {"Option1", K::Option, 0, "每个游戏者都在不同的区域", 1, "", 0, 0, 0, 0, "Frame4"},
    {"Option2", K::Option, 0, "同组游戏者在同一块区域", 0, "", 0, 0, 0, 0, "Frame4"},
    {"Option3", K::Option, 0, "所有游戏者在同一块区域", 0, "", 0, 0, 0, 0, "Frame4"},
    {"Option4", K::Option, 0, "随机产生", 0, "", 0, 0, 0, 0, "Frame4"},

    // Page 1: the land editor.
    {"Combo15", K::EditableList, 1, "", 0, "草1"},
    {"Slider13", K::Slider, 1, "", 20, "", 0, 100, 2, 10},
    {"Slider12", K::Slider, 1, "", 10, "", 8, 30, 1, 4},
    {"Check34", K::Check, 1, "消除边界", 0, ""},
    {"Combo16", K::EditableList, 1, "", 0, "窄"},
    {"Slider11", K::Slider, 1, "", 10, "", 0, 100, 2, 10},
    {"Slider9", K::Slider, 1, "", 8, "", 1, 15, 1, 5},
    {"Slider10", K::Slider, 1, "", 5, "", 0, 40, 1, 5},
    {"Check35", K::Check, 1, "指定陆地编号", 0, ""},
    {"Text16", K::Text, 1, "", 0, ""},
    {"Check36", K::Check, 1, "分配给指定玩家", 0, ""},
    {"Combo17", K::ClosedList, 1, "", 0, ""},

    // Page 2: the terrain editor and mixed water.
    {"Option5", K::Option, 2, "土地", 1, "", 0, 0, 0, 0, "Frame5"},
    {"Option6", K::Option, 2, "树木", 0, "", 0, 0, 0, 0, "Frame5"},
    {"Combo4", K::EditableList, 2, "", 0, "泥地1"},
    {"Combo5", K::EditableList, 2, "", 0, "森林"},
    {"Combo14", K::EditableList, 2, "", 0, ""},
    {"Slider6", K::Slider, 2, "", 8, "", 0, 100, 1, 10},
    {"Text2", K::Text, 2, "", 0, "10"},
    {"Text1", K::Text, 2, "", 0, "2"},
    {"Check2", K::Check, 2, "避开游戏者开始区域", 1, ""},
    {"Check3", K::Check, 2, "避开高地", 0, ""},
    {"Slider7", K::Slider, 2, "", 30, "", 0, 100, 1, 10},
    {"Combo6", K::ClosedList, 2, "", 0, ""},
    {"Combo7", K::ClosedList, 2, "", 0, ""},
    {"Check30", K::Check, 2, "混合水域", 0, ""},

    // Page 3: the unit editor and the ready-made units.
    {"Label55", K::Display, 3, "", 0, ""},
    {"Text6", K::Text, 3, "", 0, "4"},
    {"Text15", K::Text, 3, "", 0, "0"},
    {"Text7", K::Text, 3, "", 0, "1"},
    {"Check32", K::Check, 3, "设定与游戏者土地中心的距离", 1, ""},
    {"Text3", K::Text, 3, "", 0, "4"},
    {"Text4", K::Text, 3, "", 0, "10"},
    {"Check4", K::Check, 3, "每一组所占区域的半径", 0, ""},
    {"Text5", K::Text, 3, "", 0, "5"},
    {"Check5", K::Check, 3, "分布", 0, ""},
    {"Option11", K::Option, 3, "紧密", 1, "", 0, 0, 0, 0, "Frame7"},
    {"Option12", K::Option, 3, "疏松", 0, "", 0, 0, 0, 0, "Frame7"},
    {"Check6", K::Check, 3, "每位游戏者都有", 1, ""},
    {"Check7", K::Check, 3, "仅为“大地之母”所有", 0, ""},
    {"Check37", K::Check, 3, "置于指定编号陆地", 0, ""},
    {"Text17", K::Text, 3, "", 0, ""},
    {"Check8", K::Check, 3, "城镇中心", 0, ""},
    {"Check9", K::Check, 3, "基本村民数及侦察兵", 0, ""},
    {"Check10", K::Check, 3, "基本资源", 0, ""},
    {"Check11", K::Check, 3, "额外资源", 0, ""},
    {"Check12", K::Check, 3, "绵羊", 0, ""},
    {"Check13", K::Check, 3, "火鸡", 0, ""},
    {"Check14", K::Check, 3, "野猪", 0, ""},
    {"Check15", K::Check, 3, "爪哇野猪", 0, ""},
    {"Check16", K::Check, 3, "鹿", 0, ""},
    {"Check17", K::Check, 3, "狼", 0, ""},
    {"Check18", K::Check, 3, "美洲虎", 0, ""},
    {"Check19", K::Check, 3, "鱼", 0, ""},
    {"Check20", K::Check, 3, "鹰", 0, ""},
    {"Check21", K::Check, 3, "金刚鹦鹉", 0, ""},
    {"Check22", K::Check, 3, "遗迹", 0, ""},
    {"Check31", K::Check, 3, "城墙", 0, ""},

    // Page 4: elevation, cliffs and connections.
    {"Check23", K::Check, 4, "放置高地", 0, ""},
    {"Combo8", K::EditableList, 4, "", 0, "7"},
    {"Combo9", K::EditableList, 4, "", 0, "草1"},
    {"Text8", K::Text, 4, "", 0, "12"},
    {"Text9", K::Text, 4, "", 0, "1000"},
    {"Check24", K::Check, 4, "放置悬崖", 0, ""},
    {"Text10", K::Text, 4, "", 0, "4"},
    {"Text11", K::Text, 4, "", 0, "10"},
    {"Text12", K::Text, 4, "", 0, "5"},
    {"Text13", K::Text, 4, "", 0, "11"},
    {"Slider8", K::Slider, 4, "", 20, "", 0, 100, 1, 10},
    {"Text14", K::Text, 4, "", 0, "5"},
    {"Check25", K::Check, 4, "设置连接", 0, ""},
    {"Check26", K::Check, 4, "连接陆地", 0, ""},
    {"Option13", K::Option, 4, "浮萍", 1, "", 0, 0, 0, 0, "Frame15"},
    {"Option14", K::Option, 4, "冰", 0, "", 0, 0, 0, 0, "Frame15"},
    {"Combo10", K::EditableList, 4, "", 0, "窄"},
    {"Check27", K::Check, 4, "放置道路", 0, ""},
    {"Option16", K::Option, 4, "路", 1, "", 0, 0, 0, 0, "Frame16"},
    {"Option15", K::Option, 4, "烂路", 0, "", 0, 0, 0, 0, "Frame16"},
    {"Option7", K::Option, 4, "蘑菇路", 0, "", 0, 0, 0, 0, "Frame16"},
    {"Option8", K::Option, 4, "雪路", 0, "", 0, 0, 0, 0, "Frame16"},
    {"Combo11", K::EditableList, 4, "", 0, "窄"},
    {"Check29", K::Check, 4, "连接陆地", 0, ""},
    {"Option20", K::Option, 4, "浮萍", 1, "", 0, 0, 0, 0, "Frame19"},
    {"Option19", K::Option, 4, "冰", 0, "", 0, 0, 0, 0, "Frame19"},
    {"Combo13", K::EditableList, 4, "", 0, "窄"},
    {"Check28", K::Check, 4, "放置道路", 0, ""},
    {"Option17", K::Option, 4, "路", 1, "", 0, 0, 0, 0, "Frame18"},
    {"Option18", K::Option, 4, "烂路", 0, "", 0, 0, 0, 0, "Frame18"},
    {"Option9", K::Option, 4, "蘑菇路", 0, "", 0, 0, 0, 0, "Frame18"},
    {"Option10", K::Option, 4, "雪路", 0, "", 0, 0, 0, 0, "Frame18"},
    {"Combo12", K::EditableList, 4, "", 0, "窄"},
};

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
