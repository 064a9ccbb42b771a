#include "preview/styles.h"

#include <QHash>
#include <QtGlobal>

#include <iterator>

namespace quorlin::preview {

namespace {

enum Flag : quint8 { kWater = 1, kForest = 2, kHidden = 4, kTrees = 8 };

struct StyleRow {
    const char *part; // matched anywhere in the name
    quint32 rgb;
    quint8 flags;
};

// The object classes, each named once for the table below and the legend.
constexpr quint32 kGold = 0xFFC700, kStone = 0x919191, kRelic = 0xFFFFFF, kFood = 0xA5C46C, kTree = 0x0B4A0B,
                  kOther = 0xD0D0D0;

// First match wins, so the narrower names come first.
// clang-format off
constexpr StyleRow kTerrains[] = {
    {"DEEP_WATER", 0x003587, kWater},
    {"SHALLOW",    0x5492B0, 0},
    {"WATER",      0x305DB6, kWater},
    {"BEACH",      0xE1E372, 0},
    {"SHORE",      0xE1E372, 0},
    {"FOREST",     0x157615, kForest},
    {"BAMBOO",     0x157615, kForest},
    {"PALM",       0x157615, kForest},
    {"ICE",        0xD8DFFF, 0},
    {"SNOW",       0xEAEDFF, 0},
    {"QUICKSAND",  0xE8B478, 0},
    {"DESERT",     0xE8B478, 0},
    {"ROAD",       0xE09545, 0},
    {"FARM",       0x8A8A2E, 0},
    {"DIRT",       0xE4A252, 0},
    {"CRACKED",    0xC98E4F, 0},
    {"GRAVEL",     0xB09070, 0},
    {"ROCK",       0x8C7F70, 0},
    {"LEAVES",     0xB9803F, 0},
    {"SAVANNAH",   0x9DAA3E, 0},
    {"BOG",        0x4F7A34, 0},
    {"MOOR",       0x4F7A34, 0},
    {"GRASS",      0x339927, 0},
    // After the grounds, so that jungle grass, roads and leaves are those.
    {"JUNGLE",     0x157615, kForest},
    {"BLACK",      0x000000, 0},
};

// Decoration and helpers are kept on their tiles but not drawn, so that the
// terrain stays visible.
constexpr StyleRow kObjects[] = {
    {"VILLAGER",  kOther, 0},  // a fisher or a miner walks on land
    {"STONE_HEAD", kOther, kHidden},
    {"SHIPWRECK", kOther, kHidden},
    {"GOLD",      kGold, 0},
    {"STONE",     kStone, 0},
    {"RELIC",     kRelic, 0},
    {"FISHING",   kOther, kWater},
    {"FISH",      kFood, kWater},
    {"MARLIN",    kFood, kWater},
    {"DOLPHIN",   kFood, kWater},
    {"SHIP",      kOther, kWater},
    {"GALLEY",    kOther, kWater},
    {"DOCK",      kOther, kWater},
    {"BOAT",      kOther, kWater},
    {"FORAGE",    kFood, 0},
    {"BERR",      kFood, 0},
    {"DEER",      kFood, 0},
    {"BOAR",      kFood, 0},
    {"SHEEP",     kFood, 0},
    {"TURKEY",    kFood, 0},
    {"COW",       kFood, 0},
    {"PIG",       kFood, 0},
    {"LLAMA",     kFood, 0},
    {"ZEBRA",     kFood, 0},
    {"OSTRICH",   kFood, 0},
    {"GOAT",      kFood, 0},
    {"JAVELINA",  kFood, 0},
    {"ELEPHANT",  kFood, 0},
    {"INVISIBLE", kOther, kHidden},
    {"MARKER",    kOther, kHidden},
    {"GRID",      kOther, kHidden},
    {"DUMMY",     kOther, kHidden},
    {"FLAG",      kOther, kHidden},
    {"FLOWER",    kOther, kHidden},
    {"PLANT",     kOther, kHidden},
    {"BUSH",      kOther, kHidden},
    {"ROCK",      kOther, kHidden},
    {"SKELETON",  kOther, kHidden},
    {"RUINS",     kOther, kHidden},
    {"STATUE",    kOther, kHidden},
    {"CRACKS",    kOther, kHidden},
    {"CRATER",    kOther, kHidden},
    {"SIGN",      kOther, kHidden},
    {"TORCH",     kOther, kHidden},
    {"STUMP",     kOther, kHidden},
    {"HAY_STACK", kOther, kHidden},
    {"HAWK",      kOther, kHidden},
    {"MACAW",     kOther, kHidden},
    {"STORK",     kOther, kHidden},
    {"VULTURE",   kOther, kHidden},
    {"TREE",      kTree, kTrees},
};
// clang-format on

constexpr quint32 kPlayers[] = {0x0000FF, 0xFF0000, 0x00FF00, 0xFFFF00, 0x00FFFF, 0xFF00FF, 0x434343, 0xFF8201};

template <size_t N>
Style Find(const StyleRow (&rows)[N], const QString &name, quint32 fallback)
{
    for (const StyleRow &row : rows) {
        if (name.contains(QLatin1String(row.part)))
            return {row.rgb, bool(row.flags & kWater), bool(row.flags & kForest), !(row.flags & kHidden),
                    bool(row.flags & kTrees)};
    }
    return {fallback, false, false, true, false};
}

// Looks a name up once per thread: the phases ask for the same few names
// block after block, and each lookup searches the table for parts of names.
// Kept bounded for scripts that invent endless names.
template <class Make>
Style Remembered(QHash<QString, Style> &known, const QString &name, Make &&make)
{
    const auto it = known.constFind(name);
    if (it != known.constEnd())
        return *it;
    if (known.size() >= 4096)
        known.clear();
    return *known.insert(name, make());
}

} // namespace

Style TerrainStyle(const QString &terrain)
{
    thread_local QHash<QString, Style> known;
    return Remembered(known, terrain, [&] { return Find(kTerrains, terrain, 0x808080); });
}

Style ObjectStyle(const QString &object)
{
    thread_local QHash<QString, Style> known;
    return Remembered(known, object, [&] {
        Style style = Find(kObjects, object, kOther);
        bool number = false;
        object.toInt(&number);
        style.drawn = style.drawn && !number && !object.isEmpty();
        return style;
    });
}

quint32 PlayerColour(int player) { return kPlayers[qBound(1, player, int(std::size(kPlayers))) - 1]; }

const QVector<LegendRow> &Legend()
{
    static const QVector<LegendRow> rows{
        {QT_TRANSLATE_NOOP("Quorlin", "金矿"), kGold},        {QT_TRANSLATE_NOOP("Quorlin", "石矿"), kStone},
        {QT_TRANSLATE_NOOP("Quorlin", "食物"), kFood},        {QT_TRANSLATE_NOOP("Quorlin", "树"), kTree},
        {QT_TRANSLATE_NOOP("Quorlin", "遗迹"), kRelic},       {QT_TRANSLATE_NOOP("Quorlin", "其他"), kOther},
        {QT_TRANSLATE_NOOP("Quorlin", "悬崖"), kCliffColour},
    };
    return rows;
}

} // namespace quorlin::preview
