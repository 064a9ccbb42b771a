#include "preview/styles.h"

#include <iterator>

namespace quorlin::preview {

namespace {

enum Flag : quint8 { kWater = 1, kForest = 2, kHidden = 4 };

struct StyleRow {
    const char *part; // matched anywhere in the name
    quint32 rgb;
    quint8 flags;
};

// First match wins, so the narrower names come first.
// clang-format off
constexpr StyleRow kTerrains[] = {
    {"DEEP_WATER", 0x003587, kWater},
    {"SHALLOW",    0x5492B0, 0},
    {"WATER",      0x305DB6, kWater},
    {"BEACH",      0xE1E372, 0},
    {"SHORE",      0xE1E372, 0},
    {"FOREST",     0x157615, kForest},
    {"JUNGLE",     0x157615, kForest},
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
    {"BLACK",      0x000000, 0},
};

// Decoration and helpers are kept on their tiles but not drawn, so that the
// terrain stays visible.
constexpr StyleRow kObjects[] = {
    {"GOLD",      0xFFC700, 0},
    {"STONE",     0x919191, 0},
    {"RELIC",     0xFFFFFF, 0},
    {"FISHING",   0xD0D0D0, kWater},
    {"FISH",      0xA5C46C, kWater},
    {"MARLIN",    0xA5C46C, kWater},
    {"DOLPHIN",   0xA5C46C, kWater},
    {"SHIP",      0xD0D0D0, kWater},
    {"GALLEY",    0xD0D0D0, kWater},
    {"DOCK",      0xD0D0D0, kWater},
    {"BOAT",      0xD0D0D0, kWater},
    {"FORAGE",    0xA5C46C, 0},
    {"BERR",      0xA5C46C, 0},
    {"DEER",      0xA5C46C, 0},
    {"BOAR",      0xA5C46C, 0},
    {"SHEEP",     0xA5C46C, 0},
    {"TURKEY",    0xA5C46C, 0},
    {"COW",       0xA5C46C, 0},
    {"PIG",       0xA5C46C, 0},
    {"LLAMA",     0xA5C46C, 0},
    {"ZEBRA",     0xA5C46C, 0},
    {"OSTRICH",   0xA5C46C, 0},
    {"GOAT",      0xA5C46C, 0},
    {"JAVELINA",  0xA5C46C, 0},
    {"ELEPHANT",  0xA5C46C, 0},
    {"INVISIBLE", 0xD0D0D0, kHidden},
    {"MARKER",    0xD0D0D0, kHidden},
    {"GRID",      0xD0D0D0, kHidden},
    {"DUMMY",     0xD0D0D0, kHidden},
    {"FLAG",      0xD0D0D0, kHidden},
    {"FLOWER",    0xD0D0D0, kHidden},
    {"PLANT",     0xD0D0D0, kHidden},
    {"BUSH",      0xD0D0D0, kHidden},
    {"ROCK",      0xD0D0D0, kHidden},
    {"SKELETON",  0xD0D0D0, kHidden},
    {"RUINS",     0xD0D0D0, kHidden},
    {"STATUE",    0xD0D0D0, kHidden},
    {"CRACKS",    0xD0D0D0, kHidden},
    {"CRATER",    0xD0D0D0, kHidden},
    {"SIGN",      0xD0D0D0, kHidden},
    {"TORCH",     0xD0D0D0, kHidden},
    {"STUMP",     0xD0D0D0, kHidden},
    {"HAY_STACK", 0xD0D0D0, kHidden},
    {"SHIPWRECK", 0xD0D0D0, kHidden},
    {"HAWK",      0xD0D0D0, kHidden},
    {"MACAW",     0xD0D0D0, kHidden},
    {"STORK",     0xD0D0D0, kHidden},
    {"VULTURE",   0xD0D0D0, kHidden},
    {"TREE",      0x0B4A0B, 0},
};
// clang-format on

constexpr quint32 kPlayers[] = {0x0000FF, 0xFF0000, 0x00FF00, 0xFFFF00, 0x00FFFF, 0xFF00FF, 0x434343, 0xFF8201};

template <size_t N>
Style Find(const StyleRow (&rows)[N], const QString &name, quint32 fallback)
{
    for (const StyleRow &row : rows) {
        if (name.contains(QLatin1String(row.part)))
            return {row.rgb, bool(row.flags & kWater), bool(row.flags & kForest), !(row.flags & kHidden)};
    }
    return {fallback, false, false, true};
}

} // namespace

Style TerrainStyle(const QString &terrain) { return Find(kTerrains, terrain, 0x808080); }

Style ObjectStyle(const QString &object)
{
    Style style = Find(kObjects, object, 0xD0D0D0);
    bool number = false;
    object.toInt(&number);
    style.drawn = style.drawn && !number && !object.isEmpty();
    return style;
}

quint32 PlayerColour(int player) { return kPlayers[qBound(1, player, int(std::size(kPlayers))) - 1]; }

} // namespace quorlin::preview
