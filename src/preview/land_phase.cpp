// Lands: their origins, their starting squares and their growth together.
#include "preview/clump.h"
#include "preview/phases.h"

#include <cmath>
#include <memory>
#include <vector>

namespace quorlin::preview {

namespace {

constexpr int kMaxLands = 1000;
constexpr int kMaxZoneAvoidance = 16;
// Zones run from 0 to 2000, so a tile's zone fits in 16 bits.
constexpr qint16 kNoZone = -1;

struct Land {
    const PlanBlock *block = nullptr;
    int terrain = 0;
    int baseSize = 3;
    int clumping = 8;
    int border[4] = {0, 0, 0, 0}; // left, right, top, bottom in tiles
    int fuzziness = 20;
    int avoidance = 0;
    qint64 budget = 0;
    bool fixedPosition = false;
};

// Where the players start: on a circle around the centre, team-mates side by side.
QVector<int> PlayerSpots(MapContext &map, Random &random)
{
    QVector<int> order;
    for (int p = 0; p < map.players; ++p)
        order << p;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return map.team(a) < map.team(b); });
    QVector<int> spots(map.players, -1);
    const double turn = 2 * M_PI;
    const double start = random.below(3600) * turn / 3600;
    const double centre = (map.side - 1) / 2.0;
    for (int i = 0; i < map.players; ++i) {
        for (int attempt = 0; attempt < 20; ++attempt) {
            const double angle = start + turn * i / map.players + random.between(-8, 8) * turn / 360;
            const double radius = 0.40 * map.side * (100 + random.between(-20, 20)) / 100;
            const int x = qBound(0, int(std::lround(centre + radius * std::cos(angle))), map.side - 1);
            const int y = qBound(0, int(std::lround(centre + radius * std::sin(angle))), map.side - 1);
            const int tile = y * map.side + x;
            if (!spots.contains(tile)) {
                spots[order[i]] = tile;
                break;
            }
        }
    }
    return spots;
}

// A spot for a land without a fixed place: of a few random ones, the one
// farthest from the origins so far, away from the corners.
int FreeSpot(MapContext &map, Random &random, const QVector<int> &taken)
{
    const int margin = map.side / 8;
    int best = -1, bestDistance = -1;
    for (int attempt = 0; attempt < 12; ++attempt) {
        const int tile =
            random.between(margin, map.side - 1 - margin) * map.side + random.between(margin, map.side - 1 - margin);
        int nearest = map.side;
        for (int other : taken)
            nearest = qMin(nearest, SquareDistance(map.grid, tile, other));
        if (nearest > bestDistance) {
            best = tile;
            bestDistance = nearest;
        }
    }
    return best;
}

// Moves `tile` inside the land's borders and at least its base size from the edge.
int KeepInside(const MapContext &map, const Land &land, int tile)
{
    const int n = map.side - 1;
    const int edge = qMin(land.baseSize, n / 2);
    const int x0 = qMax(land.border[0], edge), x1 = qMin(n - land.border[1], n - edge);
    const int y0 = qMax(land.border[2], edge), y1 = qMin(n - land.border[3], n - edge);
    const int x = x0 <= x1 ? qBound(x0, map.grid.x(tile), x1) : n / 2;
    const int y = y0 <= y1 ? qBound(y0, map.grid.y(tile), y1) : n / 2;
    return y * map.side + x;
}

// `tile`, or the nearest tile that is no origin yet: no two lands start on
// one tile, even when their borders or sizes squeeze them together.
int NearestFree(const MapContext &map, const QVector<quint8> &taken, int tile)
{
    const int x = map.grid.x(tile), y = map.grid.y(tile);
    for (int r = 0; r < map.side; ++r) {
        for (int ny = y - r; ny <= y + r; ++ny) {
            for (int nx = x - r; nx <= x + r; ++nx) {
                const bool ring = qAbs(nx - x) == r || qAbs(ny - y) == r;
                if (ring && map.grid.inside(nx, ny) && !taken[ny * map.side + nx])
                    return ny * map.side + nx;
            }
        }
    }
    return tile;
}

// Whether the land may take a tile: one d tiles past a border is taken with
// the chance (1 - fuzziness/100)^d, drawn as d chances in a row.
bool WithinBorders(const MapContext &map, const Land &land, Random &random, int tile)
{
    if (land.fuzziness == 0 || !(land.border[0] || land.border[1] || land.border[2] || land.border[3]))
        return true;
    const int x = map.grid.x(tile), y = map.grid.y(tile), n = map.side - 1;
    const int past =
        qMax(qMax(land.border[0] - x, x - (n - land.border[1])), qMax(land.border[2] - y, y - (n - land.border[3])));
    for (int d = 0; d < past; ++d) {
        if (random.below(100) < land.fuzziness)
            return false;
    }
    return true;
}

// Whether no tile within the land's avoidance distance of `tile` belongs to a
// land of another zone. `zoneOf` holds each tile's zone, kNoZone when free;
// the rows are scanned without an early exit, which the compiler turns into
// wide compares.
bool AwayFromOtherZones(const MapContext &map, const QVector<qint16> &zoneOf, const Land &land, int zone, int tile)
{
    if (land.avoidance <= 0)
        return true;
    const int x = map.grid.x(tile), y = map.grid.y(tile), r = land.avoidance;
    const int x0 = qMax(0, x - r), x1 = qMin(map.side - 1, x + r);
    const qint16 own = qint16(zone);
    for (int ny = qMax(0, y - r); ny <= qMin(map.side - 1, y + r); ++ny) {
        const qint16 *row = zoneOf.constData() + ny * map.side;
        bool other = false;
        for (int nx = x0; nx <= x1; ++nx)
            other |= (row[nx] != kNoZone) & (row[nx] != own);
        if (other)
            return false;
    }
    return true;
}

Land ReadLand(MapContext &map, const PlanBlock &block)
{
    Land land;
    land.block = &block;
    land.terrain = map.grid.terrainId(block.word(QStringLiteral("terrain_type"), QStringLiteral("GRASS")));
    land.baseSize = block.number(QStringLiteral("base_size"), 3, 0, map.side / 2);
    land.clumping = block.number(QStringLiteral("clumping_factor"), 8, -100, 100);
    const char *borders[4] = {"left_border", "right_border", "top_border", "bottom_border"};
    for (int i = 0; i < 4; ++i)
        land.border[i] = block.number(QString::fromLatin1(borders[i]), 0, 0, 99) * map.side / 100;
    land.fuzziness = block.number(QStringLiteral("border_fuzziness"), 20, 0, 100);
    land.avoidance = block.number(QStringLiteral("other_zone_avoidance_distance"), 0, 0, kMaxZoneAvoidance);
    return land;
}

} // namespace

void BuildLands(MapContext &map)
{
    Random random = map.random(1);
    const QVector<int> spots = PlayerSpots(map, random);
    QVector<Land> lands;
    QVector<PlacedLand> &placed = map.result.lands;
    QVector<int> origins;
    QVector<quint8> taken(int(map.area), 0);
    qint64 total = 0;
    for (const PlanBlock &block : map.plan.lands) {
        const bool forPlayers = block.command == QLatin1String("create_player_lands");
        const int count = forPlayers ? map.players : 1;
        const int assigned = block.number(QStringLiteral("assign_to_player"), 0, 0, 8);
        for (int i = 0; i < count && lands.size() < kMaxLands; ++i) {
            Land land = ReadLand(map, block);
            PlacedLand out;
            out.line = block.line;
            out.player = forPlayers ? i + 1 : (assigned <= map.players ? assigned : 0);
            out.landId = block.number(QStringLiteral("land_id"), -1, -1000, 1000);
            if (block.has(QStringLiteral("number_of_tiles")))
                out.budget = block.number(QStringLiteral("number_of_tiles"), 0, 0, map.area);
            else
                out.budget = map.area * block.number(QStringLiteral("land_percent"), 100, 0, 100) / 100 / count;
            total += out.budget;
            if (block.has(QStringLiteral("land_position"))) {
                const int x = block.number(QStringLiteral("land_position"), 50, 0, 100, 0);
                const int y = block.number(QStringLiteral("land_position"), 50, 0, 100, 1);
                out.origin = qMin(y * map.side / 100, map.side - 1) * map.side + qMin(x * map.side / 100, map.side - 1);
                land.fixedPosition = true;
            } else if (out.player > 0) {
                out.origin = spots[out.player - 1];
            } else {
                out.origin = FreeSpot(map, random, origins);
            }
            if (!land.fixedPosition)
                out.origin = KeepInside(map, land, out.origin);
            out.origin = NearestFree(map, taken, out.origin);
            taken[out.origin] = 1;
            // Zones: a player's land is its own, the other lands share one.
            if (block.has(QStringLiteral("zone")))
                out.zone = 1000 + block.number(QStringLiteral("zone"), 0, -1000, 1000);
            else if (block.has(QStringLiteral("set_zone_randomly")))
                out.zone = 100 + random.below(qMax(2, map.players));
            else if (block.has(QStringLiteral("set_zone_by_team")) && out.player > 0)
                out.zone = 10 + map.team(out.player - 1);
            else
                out.zone = out.player;
            origins << out.origin;
            lands << land;
            placed << out;
        }
    }
    // Budgets over the whole map shrink in proportion.
    if (total > map.area) {
        for (PlacedLand &land : placed)
            land.budget = land.budget * map.area / total;
    }
    map.result.playerOrigins.fill(-1, map.players);
    for (const PlacedLand &land : placed) {
        if (land.player > 0 && map.result.playerOrigins[land.player - 1] < 0)
            map.result.playerOrigins[land.player - 1] = land.origin;
    }

    // Starting squares in script order, later over earlier; then growth
    // together, a tile per land per round. The loops below run over every
    // tile, so they read through plain pointers.
    QVector<int> owner(int(map.area), -1);
    int *ownerOf = owner.data();
    const Land *land = lands.constData();
    const PlacedLand *start = placed.constData();
    for (int i = 0; i < lands.size(); ++i) {
        const int r = land[i].baseSize, ox = map.grid.x(start[i].origin), oy = map.grid.y(start[i].origin);
        for (int y = qMax(0, oy - r); y <= qMin(map.side - 1, oy + r); ++y) {
            for (int x = qMax(0, ox - r); x <= qMin(map.side - 1, ox + r); ++x) {
                const int tile = y * map.side + x;
                if (tile == start[i].origin || WithinBorders(map, land[i], random, tile))
                    ownerOf[tile] = i;
            }
        }
    }
    std::vector<std::unique_ptr<Clump>> clumps;
    for (int i = 0; i < lands.size(); ++i)
        clumps.push_back(std::make_unique<Clump>(map.side, &owner, i, land[i].clumping));
    QVector<qint16> zones(int(map.area), kNoZone);
    qint16 *zoneOf = zones.data();
    for (int tile = 0; tile < map.area; ++tile) {
        if (ownerOf[tile] >= 0) {
            clumps[size_t(ownerOf[tile])]->add(tile);
            zoneOf[tile] = qint16(start[ownerOf[tile]].zone);
        }
    }
    std::vector<int> growing, still;
    for (int i = 0; i < lands.size(); ++i)
        growing.push_back(i);
    while (!growing.empty()) {
        still.clear();
        for (int i : growing) {
            Clump &clump = *clumps[size_t(i)];
            if (clump.size() >= start[i].budget)
                continue;
            const int zone = start[i].zone;
            if (clump.grow(random, [&](int tile) {
                    return WithinBorders(map, land[i], random, tile)
                           && AwayFromOtherZones(map, zones, land[i], zone, tile);
                })) {
                zoneOf[clump.tiles().back()] = qint16(zone);
                still.push_back(i);
            }
        }
        growing.swap(still);
    }
    qint16 *landOf = map.grid.land.data();
    quint8 *terrain = map.grid.terrain.data();
    qint32 *lineOf = map.grid.terrainLine.data();
    for (int tile = 0; tile < map.area; ++tile) {
        if (ownerOf[tile] >= 0) {
            landOf[tile] = qint16(ownerOf[tile]);
            terrain[tile] = quint8(land[ownerOf[tile]].terrain);
            lineOf[tile] = land[ownerOf[tile]].block->line;
            ++placed[ownerOf[tile]].tiles;
        }
    }
}

} // namespace quorlin::preview
