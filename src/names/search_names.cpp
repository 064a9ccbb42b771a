#include "names/search_names.h"

#include "names/object_names.h"

#include <QHash>

namespace quorlin {

namespace {

// Everyday names of the resources, animals and buildings people look for
// most, as they say them rather than as the lists name them.
// clang-format off
const struct {
    const char *entry;
    const char *others; // separated by "|"
} kOtherNames[] = {
    {"黄金",     "金矿|金子|金"},
    {"石矿",     "石头|石料|石"},
    {"森林树木", "木头|木材|树林|树木"},
    {"草料丛",   "浆果|浆果丛|果丛|灌木|果子"},
    {"鹿",       "小鹿|猎物"},
    {"野猪",     "猪|猎物"},
    {"号角野猪", "猪"},
    {"爪哇野猪", "猪|猎物"},
    {"绵羊",     "羊|牲畜"},
    {"火鸡",     "鸡|牲畜"},
    {"狼",       "野狼"},
    {"鹰",       "老鹰"},
    {"美洲虎",   "豹子|豹"},
    {"野马",     "马"},
    {"海滨捕鱼", "岸边鱼|浅水鱼|鱼"},
    {"剑鱼",     "深海鱼|鱼"},
    {"枪鱼",     "深海鱼|鱼"},
    {"金枪鱼",   "深海鱼|鱼"},
    {"大马哈鱼", "三文鱼|鲑鱼|鱼"},
    {"食人鱼",   "鱼"},
    {"遗迹",     "圣物|圣迹|文物"},
    {"城镇中心", "市镇中心|城镇|主城|TC"},
    {"村民",     "农民|工人"},
    {"侦察骑兵", "侦察兵|斥候"},
    {"城墙",     "墙"},
    {"石头城墙", "石墙|墙"},
    {"木栅栏",   "栅栏|木墙|墙"},
    {"农田",     "农场|田"},
    {"码头",     "船坞"},
    {"房屋",     "房子"},
};
// clang-format on

const QHash<QString, QStringList> &OtherNameTable()
{
    static const QHash<QString, QStringList> table = [] {
        QHash<QString, QStringList> t;
        for (const auto &row : kOtherNames)
            t.insert(QString::fromUtf8(row.entry), QString::fromUtf8(row.others).split(QLatin1Char('|')));
        return t;
    }();
    return table;
}

} // namespace

QStringList OtherNames(const QString &displayName) { return OtherNameTable().value(displayName); }

QStringList SearchKeys(const QString &displayName)
{
    QStringList keys{displayName};
    const QString constant = ObjectConst(displayName);
    if (constant != displayName) {
        keys << constant;
        if (constant.contains(QLatin1Char('_')))
            keys << QString(constant).replace(QLatin1Char('_'), QLatin1Char(' '));
    }
    return keys + OtherNames(displayName);
}

bool SearchFinds(const QString &displayName, const QString &query)
{
    const QString q = query.trimmed();
    if (q.isEmpty())
        return false;
    for (const QString &key : SearchKeys(displayName))
        if (key.contains(q, Qt::CaseInsensitive))
            return true;
    return false;
}

} // namespace quorlin
