// Heights: raised lands, then hills raised on their base terrain in rings a
// level apart.
#include "preview/clump.h"
#include "preview/phases.h"

#include <memory>
#include <vector>

namespace quorlin::preview {

namespace {

constexpr int kPlayerClearance = 9;
// Tiles tried and raised per tile of the map, past which the later hills
// are left out (and listed).
constexpr qint64 kWorkPerMap = 24;

// Gives each of `tiles`, the tiles of the hills with ids in [first, last),
// its level: one at a hill's edge, one more every `spacing` rings inward, up
// to `top`. `ring` is -1 everywhere before and after.
void Terrace(MapContext &map, const QVector<int> &owner, const std::vector<int> &tiles, int first, int last, int top,
             int spacing, QVector<int> *ring)
{
    Grid &grid = map.grid;
    int *ringOf = ring->data();
    std::vector<int> queue;
    auto mine = [&](int tile) { return owner[tile] >= first && owner[tile] < last; };
    for (int tile : tiles) {
        const int x = grid.x(tile), y = grid.y(tile);
        const bool edge = x == 0 || y == 0 || x == map.side - 1 || y == map.side - 1 || !mine(tile - 1)
                          || !mine(tile + 1) || !mine(tile - map.side) || !mine(tile + map.side);
        if (edge) {
            ringOf[tile] = 0;
            queue.push_back(tile);
        }
    }
    for (size_t head = 0; head < queue.size(); ++head) {
        const int tile = queue[head];
        grid.height[tile] = quint8(qMax<int>(grid.height[tile], qMin(top, 1 + ringOf[tile] / spacing)));
        const int next[4] = {tile - 1, tile + 1, tile - map.side, tile + map.side};
        for (int n : next) {
            if (n >= 0 && n < map.area && ringOf[n] < 0 && mine(n) && qAbs(grid.x(n) - grid.x(tile)) <= 1) {
                ringOf[n] = ringOf[tile] + 1;
                queue.push_back(n);
            }
        }
    }
    for (int tile : tiles)
        ringOf[tile] = -1;
}

// Raised lands (base_elevation): each land's tiles stand at its height,
// falling one level a tile towards lower ground, so a raised island's rim
// comes down to the water: tile t gets min(T(t), T(s) + d(s, t) - 1) over the
// other tiles s, where T is each tile's land height. The distance part is the
// least T(s) + d(s, n) over the tiles s, in two sweeps, taken at t's neighbours n.
void RaiseLands(MapContext &map)
{
    Grid &grid = map.grid;
    const int side = map.side;
    QVector<int> target(int(map.area), 0);
    int *t = target.data();
    bool any = false;
    for (int tile = 0; tile < map.area; ++tile) {
        const int land = grid.land[tile];
        t[tile] = land >= 0 ? map.result.lands[land].raised : 0;
        any = any || t[tile] > 0;
    }
    if (!any)
        return;
    QVector<int> reach = target;
    int *g = reach.data();
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            int &v = g[y * side + x];
            if (x > 0)
                v = qMin(v, g[y * side + x - 1] + 1);
            for (int dx = -1; y > 0 && dx <= 1; ++dx) {
                if (x + dx >= 0 && x + dx < side)
                    v = qMin(v, g[(y - 1) * side + x + dx] + 1);
            }
        }
    }
    for (int y = side - 1; y >= 0; --y) {
        for (int x = side - 1; x >= 0; --x) {
            int &v = g[y * side + x];
            if (x < side - 1)
                v = qMin(v, g[y * side + x + 1] + 1);
            for (int dx = -1; y < side - 1 && dx <= 1; ++dx) {
                if (x + dx >= 0 && x + dx < side)
                    v = qMin(v, g[(y + 1) * side + x + dx] + 1);
            }
        }
    }
    quint8 *height = grid.height.data();
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const int tile = y * side + x;
            if (t[tile] == 0)
                continue;
            int level = t[tile];
            for (int ny = qMax(0, y - 1); ny <= qMin(side - 1, y + 1); ++ny) {
                for (int nx = qMax(0, x - 1); nx <= qMin(side - 1, x + 1); ++nx) {
                    if (nx != x || ny != y)
                        level = qMin(level, g[ny * side + nx]);
                }
            }
            height[tile] = quint8(qMax<int>(height[tile], level));
        }
    }
}

} // namespace

void BuildElevation(MapContext &map)
{
    RaiseLands(map);
    if (map.plan.elevations.isEmpty())
        return;
    Random random = map.random(2);
    Grid &grid = map.grid;
    const QVector<quint8> nearPlayers = NearMask(grid, map.result.playerOrigins, kPlayerClearance);
    QVector<int> owner(int(map.area), -1), ring(int(map.area), -1);
    int nextId = 0;
    qint64 work = 0;
    for (int b = 0; b < map.plan.elevations.size(); ++b) {
        const PlanBlock &block = map.plan.elevations[b];
        if (work > kWorkPerMap * map.area) {
            map.cut(block, int(map.plan.elevations.size()) - b);
            break;
        }
        const int top = qBound(0, block.args.value(0).toInt(), 16);
        if (top == 0)
            continue;
        const bool onBase = block.has(QStringLiteral("base_terrain"));
        const int base = grid.terrainId(block.word(QStringLiteral("base_terrain")));
        const bool onLayer = block.has(QStringLiteral("base_layer"));
        const qint16 layer = qint16(onLayer ? grid.terrainId(block.word(QStringLiteral("base_layer"))) : -1);
        qint64 tiles = block.number(QStringLiteral("number_of_tiles"), 0, 0, int(map.area));
        int clumps = block.number(QStringLiteral("number_of_clumps"), 1, 1, kMaxClumps);
        ScaleByMapSize(map, block, &tiles, &clumps);
        const int spacing = block.number(QStringLiteral("spacing"), 1, 1, 100);
        const Grid &seen = grid; // a const view reads without QVector's sharing checks
        auto free = [&](int tile) {
            return seen.height[tile] == 0 && !nearPlayers[tile] && (!onBase || seen.terrain[tile] == base)
                   && (!onLayer || seen.layer[tile] == layer);
        };
        std::vector<std::unique_ptr<Clump>> hills;
        const int first = nextId;
        for (int c = 0; c < clumps && c < tiles; ++c) {
            for (int attempt = 0; attempt < 64; ++attempt, ++work) {
                const int tile = random.below(int(map.area));
                if (owner.at(tile) == -1 && free(tile)) {
                    hills.push_back(std::make_unique<Clump>(map.side, &owner, nextId, 8));
                    hills.back()->add(tile);
                    ++nextId;
                    break;
                }
            }
        }
        const qint64 each = hills.empty() ? 0 : tiles / qint64(hills.size());
        GrowInTurns(hills.begin(), hills.end(), each, random, free);
        std::vector<int> raised;
        for (const auto &hill : hills)
            raised.insert(raised.end(), hill->tiles().begin(), hill->tiles().end());
        work += qint64(raised.size());
        if (nextId > first)
            Terrace(map, owner, raised, first, nextId, top, spacing, &ring);
    }
}

} // namespace quorlin::preview
