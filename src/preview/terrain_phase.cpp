// Terrains: patches grown over their base terrain, block after block.
#include "preview/clump.h"
#include "preview/phases.h"

#include <memory>
#include <vector>

namespace quorlin::preview {

namespace {

constexpr int kMaxSpacing = 8;
constexpr int kPlayerClearance = 13;
// Tiles tried and painted per tile of the map, past which the later
// patches are left out (and listed).
constexpr qint64 kWorkPerMap = 48;

// How a patch lays its terrain: as the tile's terrain, or as a look over
// (the tile keeps its kind and colour) or under it (the new terrain gives
// both, the old one stays as the look).
enum Mask { kPaint = 0, kOver = 1, kUnder = 2 };

struct Patch {
    int terrain = 0;
    int base = -1;      // the terrain it paints over; -1 for any
    int baseLayer = -1; // the look a tile must carry; -1 for any
    int mask = kPaint;
    qint64 tiles = 0;
    int clumps = 1;
    int clumping = 20;
    int spacing = 0;
    bool avoidPlayers = false;
    int lowest = 0, highest = 255;
};

Patch ReadPatch(MapContext &map, const PlanBlock &block)
{
    Patch patch;
    patch.terrain = map.grid.terrainId(block.args.value(0));
    // base_layer alone asks for the look, whatever the terrain under it.
    if (block.has(QStringLiteral("base_layer")))
        patch.baseLayer = map.grid.terrainId(block.word(QStringLiteral("base_layer")));
    if (block.has(QStringLiteral("base_terrain")) || patch.baseLayer < 0)
        patch.base = map.grid.terrainId(block.word(QStringLiteral("base_terrain"), QStringLiteral("GRASS")));
    patch.mask = block.number(QStringLiteral("terrain_mask"), kPaint, kPaint, kUnder);
    if (block.has(QStringLiteral("number_of_tiles")))
        patch.tiles = block.number(QStringLiteral("number_of_tiles"), 0, 0, int(map.area));
    else
        patch.tiles = map.area * block.number(QStringLiteral("land_percent"), 0, 0, 100) / 100;
    patch.clumps = block.number(QStringLiteral("number_of_clumps"), 1, 1, kMaxClumps);
    ScaleByMapSize(map, block, &patch.tiles, &patch.clumps);
    patch.clumping = block.number(QStringLiteral("clumping_factor"), 20, -100, 100);
    patch.spacing = block.number(QStringLiteral("spacing_to_other_terrain_types"), 0, 0, kMaxSpacing);
    patch.avoidPlayers = block.has(QStringLiteral("set_avoid_player_start_areas"));
    if (block.has(QStringLiteral("height_limits"))) {
        patch.lowest = block.number(QStringLiteral("height_limits"), 0, 0, 255, 0);
        patch.highest = block.number(QStringLiteral("height_limits"), 255, 0, 255, 1);
    }
    return patch;
}

} // namespace

void PaintTerrains(MapContext &map)
{
    if (map.plan.terrains.isEmpty())
        return;
    Random random = map.random(4);
    Grid &grid = map.grid;
    const QVector<quint8> nearPlayers = NearMask(grid, map.result.playerOrigins, kPlayerClearance - 1);
    QVector<int> owner(int(map.area), -1);
    QVector<qint16> painted(int(map.area), -1); // the terrain a block of this phase put there
    // What the spacing test found for a tile, and for which block: the
    // painted tiles change only between blocks, and a tile is often tested
    // again as its neighbours join the patch.
    std::vector<quint16> testedFor(size_t(map.area), 0);
    std::vector<bool> spacedWell(size_t(map.area), false);
    quint16 blockNumber = 0;
    // Regions are kept from block to block with their memory.
    std::vector<std::unique_ptr<Clump>> pool;
    qint64 work = 0;
    for (int b = 0; b < map.plan.terrains.size(); ++b) {
        const PlanBlock &block = map.plan.terrains[b];
        if (work > kWorkPerMap * map.area) {
            map.cut(block, int(map.plan.terrains.size()) - b);
            break;
        }
        const Patch patch = ReadPatch(map, block);
        if (patch.tiles <= 0)
            continue;
        ++blockNumber;
        const qint16 *done = painted.constData();
        const quint8 *terrain = grid.terrain.constData(), *height = grid.height.constData();
        const qint16 *layer = grid.layer.constData();
        auto spaced = [&](int tile) {
            if (testedFor[size_t(tile)] == blockNumber)
                return bool(spacedWell[size_t(tile)]);
            testedFor[size_t(tile)] = blockNumber;
            spacedWell[size_t(tile)] = false;
            const int x = grid.x(tile), y = grid.y(tile), r = patch.spacing;
            for (int ny = qMax(0, y - r); ny <= qMin(map.side - 1, y + r); ++ny) {
                for (int nx = qMax(0, x - r); nx <= qMin(map.side - 1, x + r); ++nx) {
                    const int other = done[ny * map.side + nx];
                    if (other >= 0 && other != patch.terrain)
                        return false;
                }
            }
            spacedWell[size_t(tile)] = true;
            return true;
        };
        auto accept = [&](int tile) {
            return (patch.base < 0 || terrain[tile] == patch.base)
                   && (patch.baseLayer < 0 || layer[tile] == patch.baseLayer) && !(patch.avoidPlayers && nearPlayers[tile])
                   && height[tile] >= patch.lowest && height[tile] <= patch.highest
                   && (patch.spacing == 0 || spaced(tile));
        };
        const int wanted = int(qMin<qint64>(patch.clumps, patch.tiles));
        int count = 0;
        for (int misses = 0; count < wanted && misses < 256; ++work) {
            const int tile = random.below(int(map.area));
            if (owner.at(tile) == -1 && accept(tile)) {
                if (size_t(count) == pool.size())
                    pool.push_back(std::make_unique<Clump>(map.side, &owner, count, patch.clumping));
                else
                    pool[size_t(count)]->restart(count, patch.clumping);
                pool[size_t(count)]->add(tile);
                ++count;
                misses = 0;
            } else {
                ++misses;
            }
        }
        const auto clumps = pool.begin(), end = pool.begin() + count;
        const qint64 each = count == 0 ? 0 : patch.tiles / count;
        GrowInTurns(clumps, end, each, random, accept);
        int *ownerOf = owner.data();
        quint8 *terrainOf = grid.terrain.data();
        qint16 *paintedOf = painted.data(), *layerOf = grid.layer.data();
        qint32 *lineOf = grid.terrainLine.data();
        for (auto clump = clumps; clump != end; ++clump) {
            work += (*clump)->size();
            for (int tile : (*clump)->tiles()) {
                ownerOf[tile] = -1;
                if (patch.mask == kOver) {
                    layerOf[tile] = qint16(patch.terrain);
                    continue;
                }
                layerOf[tile] = patch.mask == kUnder ? qint16(terrainOf[tile]) : qint16(-1);
                terrainOf[tile] = quint8(patch.terrain);
                lineOf[tile] = block.line;
                paintedOf[tile] = qint16(patch.terrain);
            }
        }
    }
}

} // namespace quorlin::preview
