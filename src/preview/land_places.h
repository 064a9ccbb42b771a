// Where lands start: the player circle, fixed places, free spots, and which
// player a land is given to. Internal to the land phase.
#pragma once

#include "preview/phases.h"

namespace quorlin::preview {

// The circle the players start on, in percent of the side around the centre,
// each origin up to `variance` percent of the radius off it.
struct PlayerCircle {
    int radius = 40;
    int variance = 20;
};
PlayerCircle ReadCircle(const MapPlan &plan);

// One spot per player on the circle, team-mates side by side.
QVector<int> PlayerSpots(const MapContext &map, Random &random, const PlayerCircle &circle);

// The player a `create_land` is given to (assign_to_player, assign_to), 0 for
// none, -1 for one who is not in the game, whose land is not made. `given`
// marks the players given a land so far, for assign_to AT_TEAM.
int AssignedPlayer(const MapContext &map, const PlanBlock &block, QVector<bool> *given);

// `land_position X Y`: X runs from the west corner (0 0) to the north (99 0),
// Y from the north to the east (99 99).
int PositionTile(const MapContext &map, const PlanBlock &block);

// A spot for a land without a place of its own: of a few random ones, the
// one farthest from the origins marked in `taken`, away from the corners and
// inside `box` (left, right, top, bottom margins in tiles).
int FreeSpot(const MapContext &map, Random &random, const QVector<quint8> &taken, const int box[4]);

// `tile`, or the nearest tile that is no origin yet: no two lands start on
// one tile, even when their borders or sizes squeeze them together.
int NearestFree(const MapContext &map, const QVector<quint8> &taken, int tile);

} // namespace quorlin::preview
