// What an object block asks of the tiles its objects stand on, read once per
// block, and the maps of the map those rules look at: how far each tile is
// from trees and cliffs, and the actor areas marked so far. Internal to the
// object phase.
#pragma once

#include "preview/phases.h"

#include <climits>

namespace quorlin::preview {

// Farthest any object rule looks: group radius, kept distances, areas.
constexpr int kMaxObjectReach = 30;
// Actor area ids a script may ask about (place in, avoid); one more bit of
// each tile says whether it lies in any area at all.
constexpr int kMaxAskedAreas = 63;

struct ObjectRule {
    int objects = 1; // per group
    int groups = 1;  // per set
    int variance = 0;
    int radius = 0;
    bool tight = false;
    bool everyPlayer = false;
    bool nature = false;
    bool circular = false;                // player distances as circles
    int nearest = 0, farthest = INT_MAX;  // from the players' origins
    int keepAway = 0;                     // from every later object
    int keepOwn = 0;                      // between this block's groups only
    int edge = 0;                         // from the map's edge
    int terrain = -1;                     // terrain_to_place_on: the tile's kind
    int layer = -1;                       // layer_to_place_on: the tile's look
    int landId = kNoLandId;               // place_on_specific_land_id; kNoLandId when not asked
    bool water = false;                   // stands on water, not on land
    bool tree = false;                    // may stand in a forest
    bool forestZone = false;              // on the edge of a forest
    int avoidForest = -1, avoidCliff = -1; // tiles kept from trees, cliffs; -1 none
    quint64 areaIn = 0;                   // must lie in all these areas (bits)
    quint64 areaOut = 0;                  // must lie in none of these
    int marks = -1;                       // the bit of the area its objects mark, -1 none
    bool marksAny = false;                // marks an area nobody asks about
    int markRadius = 1;
};

// The bits of the actor area ids a script asks about, in order first asked.
class AreaBits {
public:
    explicit AreaBits(const QVector<PlanBlock> &objects);
    // The bit of `id`, -1 when it is never asked about or past the last bit.
    int bit(int id) const { return bits_.value(id, -1); }
    static constexpr quint64 kAny = quint64(1) << kMaxAskedAreas;
    // The first line that asks for one area too many, 0 for none.
    int overflowLine() const { return overflow_; }

private:
    QHash<int, int> bits_;
    int overflow_ = 0;
};

ObjectRule ReadObjectRule(MapContext &map, const PlanBlock &block, const AreaBits &areas);

// How far each tile lies from the nearest tile `from` marks, along the larger
// axis, up to 255; 255 everywhere when nothing is marked.
QVector<quint8> DistanceFrom(const Grid &grid, const QVector<quint8> &from);

} // namespace quorlin::preview
