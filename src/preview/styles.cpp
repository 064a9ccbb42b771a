#include "preview/styles.h"

#include <QtGlobal>

#include <iterator>

namespace quorlin::preview {

namespace {

struct StyleRow {
    const char *part; // matched anywhere in the name
    quint32 rgb;
    bool water;
};

// The object classes, each named once for the table below and the legend.
constexpr quint32 kGold = 0xFFC700, kStone = 0x919191, kRelic = 0xFFFFFF, kFood = 0xA5C46C, kTree = 0x0B4A0B,
                  kOther = 0xD0D0D0;

// First match wins, so the narrower names come first.
// clang-format off
constexpr StyleRow kTerrains[] = {
    {"DEEP_WATER", 0x003587, true},
    {"SHALLOW",    0x5492B0, false},
    {"WATER",      0x305DB6, true},
    {"BEACH",      0xE1E372, false},
    {"FOREST",     0x157615, false},
    {"JUNGLE",     0x157615, false},
    {"BAMBOO",     0x157615, false},
    {"PALM",       0x157615, false},
    {"ICE",        0xD8DFFF, false},
    {"SNOW",       0xEAEDFF, false},
    {"DESERT",     0xE8B478, false},
    {"ROAD",       0xE09545, false},
    {"FARM",       0x8A8A2E, false},
    {"DIRT",       0xE4A252, false},
    {"LEAVES",     0xB9803F, false},
    {"GRASS",      0x339927, false},
};

constexpr StyleRow kObjects[] = {
    {"GOLD",      kGold,  false},
    {"STONE",     kStone, false},
    {"RELIC",     kRelic, false},
    {"FISHING",   kOther, true},
    {"FISH",      kFood,  true},
    {"MARLIN",    kFood,  true},
    {"DOLPHIN",   kFood,  true},
    {"SHIP",      kOther, true},
    {"GALLEY",    kOther, true},
    {"DOCK",      kOther, true},
    {"BOAT",      kOther, true},
    {"FORAGE",    kFood,  false},
    {"BERR",      kFood,  false},
    {"DEER",      kFood,  false},
    {"BOAR",      kFood,  false},
    {"SHEEP",     kFood,  false},
    {"TURKEY",    kFood,  false},
    {"COW",       kFood,  false},
    {"PIG",       kFood,  false},
    {"LLAMA",     kFood,  false},
    {"ZEBRA",     kFood,  false},
    {"OSTRICH",   kFood,  false},
    {"GOAT",      kFood,  false},
    {"JAVELINA",  kFood,  false},
    {"ELEPHANT",  kFood,  false},
    {"TREE",      kTree,  false},
};
// clang-format on

constexpr quint32 kPlayers[] = {0x0000FF, 0xFF0000, 0x00FF00, 0xFFFF00, 0x00FFFF, 0xFF00FF, 0x434343, 0xFF8201};

template <size_t N>
Style Find(const StyleRow (&rows)[N], const QString &name, quint32 fallback)
{
    for (const StyleRow &row : rows) {
        if (name.contains(QLatin1String(row.part)))
            return {row.rgb, row.water};
    }
    return {fallback, false};
}

} // namespace

Style TerrainStyle(const QString &terrain) { return Find(kTerrains, terrain, 0x808080); }

Style ObjectStyle(const QString &object) { return Find(kObjects, object, kOther); }

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
