#include "names/terrain_names.h"

#include <QHash>

#include <cstddef>
#include <initializer_list>

namespace quorlin {
namespace {

struct TerrainRow {
    const char *name;
    const char *constant;
};

// Display name -> constant. The three water names use the full-width comma
// (U+FF0C). The first dirt and grass variants carry no digit. The farm
// constants are not built into the script language; the script defines them
// itself, so their spelling here must match those definitions.
// clang-format off
constexpr TerrainRow kTerrainRows[] = {
    {"海滩", "BEACH"},
    {"沙漠", "DESERT"},
    {"泥地1", "DIRT"},
    {"泥地2", "DIRT2"},
    {"泥地3", "DIRT3"},
    {"草1", "GRASS"},
    {"草2", "GRASS2"},
    {"草3", "GRASS3"},
    {"冰", "ICE"},
    {"雪", "SNOW"},
    {"雪草地", "GRASS_SNOW"},
    {"雪泥地", "DIRT_SNOW"},
    {"树叶", "LEAVES"},
    {"浅滩", "SHALLOW"},
    {"水，浅", "WATER"},
    {"水，中等", "MED_WATER"},
    {"水，深", "DEEP_WATER"},
    {"竹林", "BAMBOO"},
    {"森林", "FOREST"},
    {"丛林", "JUNGLE"},
    {"棕榈沙漠", "PALM_DESERT"},
    {"松树林", "PINE_FOREST"},
    {"雪松林", "SNOW_FOREST"},
    {"未耕农田1", "FARMS_UNPLANTED"},
    {"未耕农田2", "FARMS_SMALL_PLANTS"},
    {"未耕农田3", "FARMS_LARGER_PLANTS"},
    {"农田", "FARMS_PLANTED"},
    {"荒芜农田", "FARMS_EXPIRED"},
};
// clang-format on

// The order in which the terrain fields list the names (not the table order).
// clang-format off
constexpr const char* kTerrainListOrder[] = {
    "竹林",     "海滩",      "沙漠",      "泥地1",     "泥地2",    "泥地3",
    "森林",     "草1",       "草2",       "草3",       "冰",       "雪",
    "雪草地",   "雪泥地",    "丛林",      "树叶",      "棕榈沙漠", "松树林",
    "雪松林",   "浅滩",      "水，浅",    "水，中等",  "水，深",   "未耕农田1",
    "未耕农田2", "未耕农田3", "农田",      "荒芜农田",
};
// clang-format on

// Groups used to cut the narrower lists out of the terrain list.
constexpr const char *kForests[] = {"竹林", "森林", "丛林", "棕榈沙漠", "松树林", "雪松林"};
constexpr const char *kWaters[] = {"浅滩", "水，浅", "水，中等", "水，深"};
// Besides forests and waters, the zone terrain list leaves out these too.
constexpr const char *kNoZoneGround[] = {"海滩", "冰"};

constexpr const char *kWidths[] = {"宽", "中", "窄"};

template <std::size_t N>
QStringList FromUtf8(const char *const (&names)[N])
{
    QStringList out;
    for (const char *name : names)
        out << QString::fromUtf8(name);
    return out;
}

// The terrain list without the given names, order kept.
QStringList TerrainWithout(const QStringList &excluded)
{
    QStringList out;
    for (const QString &name : TerrainList())
        if (!excluded.contains(name))
            out << name;
    return out;
}

// Only the given names, in terrain list order.
QStringList TerrainOnly(const QStringList &kept)
{
    QStringList out;
    for (const QString &name : TerrainList())
        if (kept.contains(name))
            out << name;
    return out;
}

QStringList Counting(int first, int last)
{
    QStringList out;
    for (int i = first; i <= last; ++i)
        out << QString::number(i);
    return out;
}

QHash<QString, QStringList> BuildListFields()
{
    const QStringList forests = FromUtf8(kForests);
    const QStringList waters = FromUtf8(kWaters);

    QHash<QString, QStringList> fields;
    const auto put = [&fields](std::initializer_list<const char *> combos, const QStringList &entries) {
        for (const char *combo : combos)
            fields.insert(QString::fromLatin1(combo), entries);
    };
    put({"Combo1", "Combo14", "Combo15"}, TerrainList());
    put({"Combo2"}, TerrainWithout(forests + waters + FromUtf8(kNoZoneGround)));
    put({"Combo4"}, TerrainWithout(forests));
    put({"Combo5"}, TerrainOnly(forests));
    put({"Combo9"}, TerrainWithout(waters));
    put({"Combo3", "Combo10", "Combo11", "Combo12", "Combo13", "Combo16"}, WidthList());
    put({"Combo6", "Combo7"}, Counting(0, 7));
    put({"Combo8"}, Counting(1, 7));
    put({"Combo17"}, Counting(1, 8));
    return fields;
}

} // namespace

QString TerrainConst(const QString &displayName)
{
    static const QHash<QString, QString> constants = [] {
        QHash<QString, QString> map;
        for (const TerrainRow &row : kTerrainRows) {
            const QString key = QString::fromUtf8(row.name);
            if (!map.contains(key))
                map.insert(key, QString::fromLatin1(row.constant));
        }
        return map;
    }();
    return constants.value(displayName, displayName);
}

const QStringList &TerrainList()
{
    static const QStringList list = FromUtf8(kTerrainListOrder);
    return list;
}

const QStringList &WidthList()
{
    static const QStringList list = FromUtf8(kWidths);
    return list;
}

QStringList ListEntries(const QString &comboName)
{
    static const QHash<QString, QStringList> fields = BuildListFields();
    return fields.value(comboName);
}

} // namespace quorlin
