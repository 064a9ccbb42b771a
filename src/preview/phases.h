// The phases of building a map, in the game's order; each reads its blocks of
// the plan and changes the grid. Internal to the engine.
#pragma once

#include "preview/preview_result.h"
#include "preview/random.h"

namespace quorlin::preview {

struct MapContext {
    const MapPlan &plan;
    PreviewResult &result;
    Grid &grid;
    int side;
    int players;
    qint64 area; // tiles on the map

    // The generator of one phase, the same for the same seed whatever the
    // other phases drew.
    Random random(quint64 phase) const { return Random::forPhase(result.options.seed, phase); }
    int team(int player) const;
    // `count` scaled from a 100x100 map to this one.
    qint64 scaled(qint64 count) const { return count * area / 10000; }
    void skip(int line, const QString &what) const { result.skipped.append({line, what}); }
    // Notes that `count` blocks from `first` on were left out, past what the
    // preview may spend on a phase.
    void cut(const PlanBlock &first, int count) const { result.skipped.append({first.line, first.command, false, count}); }
};

void BuildLands(MapContext &map);
void BuildElevation(MapContext &map);
void BuildCliffs(MapContext &map);
void PaintTerrains(MapContext &map);
void BuildConnections(MapContext &map);
void PlaceObjects(MapContext &map);

// Most clumps a block of hills or terrain patches may grow.
constexpr int kMaxClumps = 4096;
// Applies a block's scaling to its tile and clump counts: `set_scale_by_groups`
// scales the clumps and `set_scale_by_size` the tiles; of the two, the one
// written last counts.
void ScaleByMapSize(const MapContext &map, const PlanBlock &block, qint64 *tiles, int *clumps);

// Tiles no farther than `radius` from any of `centres` (-1 entries left out)
// marked 1, in time that does not grow with the number of centres.
QVector<quint8> NearMask(const Grid &grid, const QVector<int> &centres, int radius);
// Marks the tiles no farther than `radius` from each of `centres` in `mask`;
// for a few centres.
void Stamp(const Grid &grid, QVector<quint8> *mask, const QVector<int> &centres, int radius);

} // namespace quorlin::preview
