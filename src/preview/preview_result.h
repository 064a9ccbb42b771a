// What the preview engine makes: the grid of tiles and what stands on it.
#pragma once

#include "preview/map_plan.h"
#include "preview/styles.h"
#include "preview/tile_axes.h"

#include <QHash>
#include <QVector>

#include <climits>

namespace quorlin::preview {

struct PreviewOptions {
    int sizeIndex = 2; // into MapSizes()
    int players = 2;   // 1 to 8
    // The team each player chose in the lobby (1 to 4), index 0 for player 1;
    // 0 or none: no team. A team of one player is no team.
    QVector<int> teams;
    quint64 seed = 1;
};

// Most seeds one contact sheet draws side by side.
constexpr int kMaxSheetSeeds = 25;

// One cell per tile, row by row (tile = y * side + x); x grows to the
// south-east and y to the south-west, so tile 0 is the north corner.
struct Grid {
    int side = 0;
    QStringList terrainNames;    // the terrains met so far; cells hold indexes
    QVector<quint8> terrain;     // index into terrainNames: the tile's kind and minimap colour
    QVector<qint16> layer;       // the terrain laid over it as a look only (a mask, base_layer); -1 for none
    QVector<qint16> land;        // index into PreviewResult::lands, -1 for none
    QVector<quint8> height;      // 0 to 16
    QVector<quint8> cliff;       // 1 where a cliff stands
    QVector<quint8> path;        // 1 where a connection runs
    QVector<qint32> object;      // index into PreviewResult::objects, -1 for none
    QVector<qint32> terrainLine; // line of the block that set the terrain, 0 for an unwritten base

    void reset(int newSide, const QString &base, int baseLine = 0);
    int tiles() const { return side * side; }
    // The index of a terrain by name, added when new. Past 255 names the
    // last one stands for every later one.
    int terrainId(const QString &name);
    QString terrainAt(int tile) const { return terrainNames.value(terrain[tile]); }
    int x(int tile) const { return axes_.x(tile); }
    int y(int tile) const { return axes_.y(tile); }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < side && y < side; }

private:
    QHash<QString, int> ids_;
    TileAxes axes_;
};

// The larger of the distances along the two axes, the measure used for every
// distance of the preview.
inline int SquareDistance(const Grid &grid, int a, int b)
{
    return qMax(qAbs(grid.x(a) - grid.x(b)), qAbs(grid.y(a) - grid.y(b)));
}

// The land_id of a land written without one: no id a script can ask for.
constexpr int kNoLandId = INT_MIN;

struct PlacedLand {
    int line = 0;
    int origin = -1; // tile
    int player = 0;  // 1 to 8 for a player's land, 0 for another
    int zone = 0;
    int landId = kNoLandId; // as land_id gave it
    qint64 budget = 0;      // tiles it aimed for
    qint64 tiles = 0;       // tiles it covers in the end
    int raised = 0;         // base_elevation: the height the whole land stands at
};

struct PlacedObject {
    int tile = 0;
    int block = 0;  // index into PreviewResult::objectBlocks
    int player = 0; // owner 1 to 8, 0 for nature
};

struct ObjectBlockReport {
    int line = 0;
    QString name;
    Style style;          // how its objects look, looked up once per block
    int groups = 0;       // groups wanted, over all sets
    int groupsPlaced = 0; // groups with at least one object standing
    int objects = 0;      // objects standing
    bool grouped = false; // number_of_groups was written; else each group is one object
    int sets = 1;         // the players when each gets a set of its own, else 1
    qint64 objectsWanted = 0; // objects its groups asked for, over all sets (untried ones at their mean size)
    bool cutShort = false; // the preview's time budget, not the block's rules, stopped it
};

struct PreviewResult {
    PreviewOptions options;
    Grid grid;
    QVector<PlacedLand> lands;
    QVector<int> playerOrigins; // tile of each player's first land, index 0 for player 1; -1 without
    QVector<PlacedObject> objects;
    QVector<ObjectBlockReport> objectBlocks;
    QVector<Skipped> skipped; // what the preview did not simulate or could not read
};

} // namespace quorlin::preview
