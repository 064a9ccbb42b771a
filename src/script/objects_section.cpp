#include "core/item_store.h"
#include "core/settings.h"
#include "script/object_block.h"
#include "script/sections.h"

namespace quorlin {

namespace {

constexpr int N = -1; // "no such line"
const char *const T = "紧";
const char *const L = "松";
const char *const SCALING = "set_scaling_to_map_size";
const char *const TEMP = "temp_min_distance_group_placement 20";

struct ReadyMade {
    const char *name;
    int a1, a2, a3, a4, a5;
    const char *a6;
    int a7, a8, a9, a10, a11;
    const char *a13;
};

// The ready-made blocks, numbered from 1 as the groups below refer to them.
// clang-format off
const ReadyMade kBlocks[] = {
    /* 1 */ {"城镇中心", N, N, 0, 0, 18, "", 1, 0, N, N, N, ""},
    /* 2 */ {"村民", N, N, 6, 6, N, "", 1, 0, N, N, N, ""},
    /* 3 */ {"侦察骑/雄鹰", 1, 0, 7, 9, N, "", 1, N, N, N, N, ""},
    /* 4 */ {"草料丛", 6, 0, 10, 12, 3, T, 1, 1, 6, N, N, ""},
    /* 5 */ {"黄金", 7, 0, 12, 16, 3, T, 1, 1, 7, 7, N, ""},
    /* 6 */ {"黄金", 4, 0, 18, 26, 3, T, 1, 1, 7, 7, N, ""},
    /* 7 */ {"黄金", 4, 0, 25, 35, 3, T, 1, 1, 7, 7, N, ""},
    /* 8 */ {"石矿", 5, 0, 14, 18, 2, T, 1, 1, 7, 7, N, ""},
    /* 9 */ {"石矿", 4, 0, 20, 26, 2, T, 1, 1, 7, 7, N, ""},
    /* 10 */ {"森林树木", 2, 0, 4, 5, N, "", 1, 1, 2, N, N, ""},
    /* 11 */ {"森林树木", 3, 0, 6, 8, N, "", 1, 1, 2, N, N, ""},
    /* 12 */ {"黄金", 3, 0, 40, N, 2, T, N, 1, 9, N, 2, ""},
    /* 13 */ {"石矿", 4, 1, 40, N, 2, T, N, 1, 9, N, 1, ""},
    /* 14 */ {"黄金", 3, 0, 40, N, 2, T, N, 1, 9, N, 2, ""},
    /* 15 */ {"石矿", 4, 1, 40, N, 2, T, N, 1, 9, N, 1, ""},
    /* 16 */ {"黄金", 3, 1, 40, N, 2, T, N, 1, 9, N, 3, ""},
    /* 17 */ {"石矿", 4, 1, 40, N, 2, T, N, 1, 9, N, 2, ""},
    /* 18 */ {"草料丛", 5, 0, 40, 120, 3, T, 0, 1, 7, N, 1, ""},
    /* 19 */ {"黄金", 3, 1, 40, N, 2, T, 0, 1, 9, N, 3, ""},
    /* 20 */ {"石矿", 4, 1, 40, N, 2, T, 0, 1, 9, N, 3, ""},
    /* 21 */ {"草料丛", 5, 0, 40, 120, 3, T, 0, 1, 7, N, 2, ""},
    /* 22 */ {"黄金", 4, 1, 40, N, 2, T, 0, 1, 9, N, 4, ""},
    /* 23 */ {"石矿", 4, 1, 40, N, 2, T, 0, 1, 9, N, 4, ""},
    /* 24 */ {"草料丛", 3, 0, 40, 120, 3, T, 0, 1, 7, N, 3, ""},
    /* 25 */ {"黄金", 4, 1, 40, N, 2, T, 0, 1, 9, N, 5, ""},
    /* 26 */ {"石矿", 4, 1, 40, N, 2, T, 0, 1, 9, N, 5, ""},
    /* 27 */ {"绵羊", 4, 0, 10, 12, N, L, 1, 1, N, N, N, ""},
    /* 28 */ {"绵羊", 2, 0, 14, 30, N, L, 1, 1, N, N, 2, ""},
    /* 29 */ {"火鸡", 4, 0, 10, 12, N, L, 1, 1, N, N, N, ""},
    /* 30 */ {"火鸡", 2, 0, 14, 30, N, L, 1, 1, N, N, 2, ""},
    /* 31 */ {"鹿", 4, 1, 14, 30, 3, L, 1, 1, N, N, N, ""},
    /* 32 */ {"野猪", 1, 0, 16, 22, N, L, 1, 1, 16, 22, N, ""},
    /* 33 */ {"野猪", 1, 0, 16, 22, N, "", 1, 1, 16, 22, N, ""},
    /* 34 */ {"爪哇野猪", 1, 0, 16, 22, N, L, 1, 1, 16, 22, N, ""},
    /* 35 */ {"爪哇野猪", 1, 0, 16, 22, N, "", 1, 1, 16, 22, N, ""},
    /* 36 */ {"狼", 2, 0, 30, 40, N, "", 1, 1, 12, N, N, ""},
    /* 37 */ {"美洲虎", 2, 0, 30, 40, N, "", 1, 1, 12, N, N, ""},
    /* 38 */ {"鹰", 6, 0, N, N, N, "", 0, 0, N, N, N, SCALING},
    /* 39 */ {"金刚鹦鹉", 6, 0, N, N, N, "", 0, 0, N, N, N, SCALING},
    /* 40 */ {"海滨捕鱼", 30, 0, N, N, N, "-1", 0, 1, 3, N, N, SCALING},
    /* 41 */ {"金枪鱼", 9, 0, N, N, N, "-1", 0, 1, N, 4, N, SCALING},
    /* 42 */ {"海豚", 1, 0, N, N, N, "-1", 0, 1, 10, 7, 5, SCALING},
    /* 43 */ {"遗迹", 5, 0, 25, N, N, "", 0, 0, N, N, N, TEMP},
    /* 44 */ {"城墙", 9999, 0, 18, 22, N, "", 1, N, N, N, N, ""},
    /* 45 */ {"村民", 7, 0, 6, 6, N, "", 1, 0, N, N, N, ""},
    /* 46 */ {"国王", N, 0, 6, 6, N, "", 1, N, N, N, N, ""},
    /* 47 */ {"城堡", N, 0, 10, 10, N, "", 1, N, N, N, N, ""},
};
// clang-format on

// A piece of a check box's group: a ready-made block by number, or a fixed line.
struct Piece {
    int block;        // 1 to 47, or 0 for a line
    const char *line; // written with a line break; "" gives a blank line
};

struct CheckGroup {
    const char *check;
    QVector<Piece> pieces;
};

Piece B(int n) { return {n, nullptr}; }
Piece Line(const char *text) { return {0, text}; }

// In the order the boxes are visited (deer before boar, birds before fish).
const QVector<CheckGroup> &Groups()
{
    // clang-format off
    static const QVector<CheckGroup> groups = {
        {"Check8", {B(1)}},
        {"Check9", {B(2), B(3)}},
        {"Check10", {Line("/* 基本资源开始 */"), B(4), B(5), B(6), B(7), B(8), B(9), B(10), B(11),
                     Line("/* 基本资源结束 */"), Line("")}},
        {"Check11", {Line("/* 额外资源开始 */"),
                     Line("if TINY_MAP"), B(12), B(13), Line("endif"), Line(""),
                     Line("if SMALL_MAP"), B(14), B(15), Line("endif"), Line(""),
                     Line("if MEDIUM_MAP"), B(16), B(17), Line("endif"), Line(""),
                     Line("if LARGE_MAP"), B(18), B(19), B(20), Line("endif"), Line(""),
                     Line("if HUGE_MAP"), B(21), B(22), B(23), Line("endif"), Line(""),
                     Line("if GIGANTIC_MAP"), B(24), B(25), B(26), Line("endif"), Line(""),
                     Line("/* 额外资源结束 */"), Line("")}},
        {"Check12", {B(27), B(28)}},
        {"Check13", {B(29), B(30)}},
        {"Check16", {B(31)}},
        {"Check14", {B(32), B(33)}},
        {"Check15", {B(34), B(35)}},
        {"Check17", {B(36)}},
        {"Check18", {B(37)}},
        {"Check20", {B(38)}},
        {"Check21", {B(39)}},
        {"Check19", {B(40), B(41), B(42)}},
        {"Check22", {B(43)}},
        {"Check31", {B(44)}},
    };
    // clang-format on
    return groups;
}

// With any ready-made object the regicide game needs its king and castle.
const QVector<Piece> &RegicideGroup()
{
    static const QVector<Piece> pieces = {
        Line("if REGICIDE"), Line("/* 判断弑君模式 */"), B(45), B(46), B(47), Line("endif"), Line("")};
    return pieces;
}

QString ReadyMadeBlock(int number)
{
    const ReadyMade &r = kBlocks[number - 1];
    ObjectArgs a;
    a.a1 = r.a1;
    a.a2 = r.a2;
    a.a3 = r.a3;
    a.a4 = r.a4;
    a.a5 = r.a5;
    a.a6 = QString::fromUtf8(r.a6);
    a.a7 = r.a7;
    a.a8 = r.a8;
    a.a9 = r.a9;
    a.a10 = r.a10;
    a.a11 = r.a11;
    a.a12 = -1;
    a.a13 = QString::fromLatin1(r.a13);
    qint64 unused = 0; // display names are never unit numbers
    return MakeObjectBlock(QString::fromUtf8(r.name), a, unused);
}

QString Write(const QVector<Piece> &pieces)
{
    QString text;
    for (const Piece &p : pieces)
        text += p.block ? ReadyMadeBlock(p.block) : QString::fromUtf8(p.line) + En();
    return text;
}

} // namespace

QString ObjectsSection(const Settings &s, const ItemStore &units)
{
    QString readyMade;
    for (const CheckGroup &group : Groups())
        if (s.isOne(QString::fromLatin1(group.check)))
            readyMade += Write(group.pieces);
    if (!readyMade.isEmpty())
        readyMade += Write(RegicideGroup());

    const QString object = readyMade + units.blocks().join(QString());
    if (object.isEmpty())
        return QString();
    const QString &en = En();
    return QStringLiteral("<OBJECTS_GENERATION>") + en + QStringLiteral("/* 单位设置 */") + en + en + object + en;
}

} // namespace quorlin
