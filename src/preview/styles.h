// How terrains and objects look on the preview and which of them are water.
#pragma once

#include <QString>
#include <QVector>

namespace quorlin::preview {

struct Style {
    quint32 rgb = 0x808080; // 0xRRGGBB
    bool water = false;     // terrain: open water; object: stands on water
    bool forest = false;    // terrain: trees stand on it
    bool drawn = true;      // object: false for helpers that only mark places, and for decoration
    bool tree = false;      // object: a tree, which may stand in a forest
};

// By the name's class (its first matching row): unknown terrains are grey.
// Objects the tables do not name (bare numbers, mostly the game's invisible
// markers) are not drawn.
Style TerrainStyle(const QString &terrain);
// For nature's objects; a player's objects take the player's colour.
Style ObjectStyle(const QString &object);
// Player 1 to 8.
quint32 PlayerColour(int player);
constexpr quint32 kCliffColour = 0x714B33;

// What the colours of the objects and cliffs stand for, in the order the
// legend lists them; the caption is marked for translation.
struct LegendRow {
    const char *caption;
    quint32 rgb;
};
const QVector<LegendRow> &Legend();

} // namespace quorlin::preview
