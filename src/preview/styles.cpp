#include "preview/styles.h"

#include <iterator>

namespace quorlin::preview {

namespace {

struct StyleRow {
    const char *part; // matched anywhere in the name
    quint32 rgb;
    bool water;
};

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
    {"GOLD",      0xFFC700, false},
    {"STONE",     0x919191, false},
    {"RELIC",     0xFFFFFF, false},
    {"FISHING",   0xD0D0D0, true},
    {"FISH",      0xA5C46C, true},
    {"MARLIN",    0xA5C46C, true},
    {"DOLPHIN",   0xA5C46C, true},
    {"SHIP",      0xD0D0D0, true},
    {"GALLEY",    0xD0D0D0, true},
    {"DOCK",      0xD0D0D0, true},
    {"BOAT",      0xD0D0D0, true},
    {"FORAGE",    0xA5C46C, false},
    {"BERR",      0xA5C46C, false},
    {"DEER",      0xA5C46C, false},
    {"BOAR",      0xA5C46C, false},
    {"SHEEP",     0xA5C46C, false},
    {"TURKEY",    0xA5C46C, false},
    {"COW",       0xA5C46C, false},
    {"PIG",       0xA5C46C, false},
    {"LLAMA",     0xA5C46C, false},
    {"ZEBRA",     0xA5C46C, false},
    {"OSTRICH",   0xA5C46C, false},
    {"GOAT",      0xA5C46C, false},
    {"JAVELINA",  0xA5C46C, false},
    {"ELEPHANT",  0xA5C46C, false},
    {"TREE",      0x0B4A0B, false},
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

Style ObjectStyle(const QString &object) { return Find(kObjects, object, 0xD0D0D0); }

quint32 PlayerColour(int player) { return kPlayers[qBound(1, player, int(std::size(kPlayers))) - 1]; }

} // namespace quorlin::preview
