// Lands: their origins, their starting squares and their growth together.
#include "preview/clump.h"
#include "preview/land_places.h"
#include "preview/phases.h"

#include <cmath>
#include <memory>
#include <vector>

namespace quorlin::preview {

namespace {

// Lands the phase grows at most; a land's index must fit the grid's 16 bits.
constexpr int kMaxLands = 16000;
constexpr int kMaxZoneAvoidance = 16;
// Zones run from 0 to 2000, so a tile's zone fits in 16 bits.
constexpr qint16 kNoZone = -1;
// How far past a border a land may spill at most: borders hold, fuzziness
// only makes their line ragged.
constexpr int kMaxSpill = 3;

struct Land {
    const PlanBlock *block = nullptr;
    int terrain = 0;
    int layer = -1; // base_layer, a look only
    int baseSize = 3;
    int clumping = 8;
    int border[4] = {0, 0, 0, 0}; // left, right, top, bottom in tiles
    int fuzziness = 20;
    int avoidance = 0;
    bool stuck = false; // starts outside its borders, so keeps to its first square
};

// How many tiles `tile` lies past the land's nearest border; 0 or less inside.
int PastBorders(const MapContext &map, const Land &land, int tile)
{
    const int x = map.grid.x(tile), y = map.grid.y(tile), n = map.side - 1;
    return qMax(qMax(land.border[0] - x, x - (n - land.border[1])), qMax(land.border[2] - y, y - (n - land.border[3])));
}

// Whether the land may take a tile: borders hold, but a tile d tiles past
// one (d at most kMaxSpill) is taken with the chance q^d, where q is the
// fuzziness's distance from either end, so 0 and 100 give straight borders
// and middle values ragged ones.
bool WithinBorders(const MapContext &map, const Land &land, Random &random, int tile)
{
    if (!(land.border[0] || land.border[1] || land.border[2] || land.border[3]))
        return true;
    const int past = PastBorders(map, land, tile);
    if (past <= 0)
        return true;
    if (past > kMaxSpill)
        return false;
    const int chance = qMin(land.fuzziness, 100 - land.fuzziness);
    for (int d = 0; d < past; ++d) {
        if (random.below(100) >= chance)
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
    if (block.has(QStringLiteral("base_layer")))
        land.layer = map.grid.terrainId(block.word(QStringLiteral("base_layer")));
    return land;
}

// The first square of a land's origin, at least its base size from the edge.
int AwayFromTheEdge(const MapContext &map, const Land &land, int tile)
{
    const int n = map.side - 1, edge = qMin(land.baseSize, n / 2);
    return qBound(edge, map.grid.y(tile), n - edge) * map.side + qBound(edge, map.grid.x(tile), n - edge);
}

} // namespace

void BuildLands(MapContext &map)
{
    Random random = map.random(1);
    const QVector<int> spots = PlayerSpots(map, random, ReadCircle(map.plan));
    const PlanBlock *setup = map.plan.section(QStringLiteral("<PLAYER_SETUP>"));
    const bool direct = setup && setup->has(QStringLiteral("direct_placement"));
    if (const PlanBlock *generation = map.plan.section(QStringLiteral("<LAND_GENERATION>"))) {
        if (generation->has(QStringLiteral("base_layer")))
            map.grid.layer.fill(qint16(map.grid.terrainId(generation->word(QStringLiteral("base_layer")))));
    }
    QVector<Land> lands;
    QVector<PlacedLand> &placed = map.result.lands;
    QVector<quint8> taken(int(map.area), 0);
    QVector<bool> given(map.players, false);
    qint64 total = 0;
    for (int b = 0; b < map.plan.lands.size(); ++b) {
        const PlanBlock &block = map.plan.lands[b];
        if (lands.size() >= kMaxLands) {
            map.result.skipped.append({block.line, block.command, false, int(map.plan.lands.size()) - b});
            break;
        }
        const bool forPlayers = block.command == QLatin1String("create_player_lands");
        const int count = forPlayers ? map.players : 1;
        const int assigned = forPlayers ? 0 : AssignedPlayer(map, block, &given);
        if (assigned < 0)
            continue; // given to a player who is not in the game
        for (int i = 0; i < count && lands.size() < kMaxLands; ++i) {
            Land land = ReadLand(map, block);
            PlacedLand out;
            out.line = block.line;
            out.player = forPlayers ? i + 1 : assigned;
            out.landId = block.number(QStringLiteral("land_id"), kNoLandId, -1000, 1000);
            if (!TerrainStyle(map.grid.terrainNames.value(land.terrain)).water)
                out.raised = block.number(QStringLiteral("base_elevation"), 0, 0, 16);
            if (block.has(QStringLiteral("number_of_tiles")))
                out.budget = block.number(QStringLiteral("number_of_tiles"), 0, 0, map.area);
            else
                out.budget = map.area * block.number(QStringLiteral("land_percent"), 100, 0, 100) / 100 / count;
            total += out.budget;
            // A player's land takes its place on the circle unless
            // direct_placement fixes it; borders never move it.
            if (block.has(QStringLiteral("land_position")) && (out.player == 0 || direct))
                out.origin = PositionTile(map, block);
            else if (out.player > 0)
                out.origin = AwayFromTheEdge(map, land, spots[out.player - 1]);
            else
                out.origin = FreeSpot(map, random, taken, land.border);
            out.origin = NearestFree(map, taken, out.origin);
            taken[out.origin] = 1;
            land.stuck = PastBorders(map, land, out.origin) > 0
                         && (land.border[0] || land.border[1] || land.border[2] || land.border[3]);
            // Zones: a player's land is its own, the other lands share one.
            if (block.has(QStringLiteral("zone")))
                out.zone = 1000 + block.number(QStringLiteral("zone"), 0, -1000, 1000);
            else if (block.has(QStringLiteral("set_zone_randomly")))
                out.zone = 100 + random.below(qMax(2, map.players));
            else if (block.has(QStringLiteral("set_zone_by_team")) && out.player > 0)
                out.zone = 10 + qMin(map.team(out.player - 1), 80);
            else
                out.zone = out.player;
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
                if (tile == start[i].origin || land[i].stuck || WithinBorders(map, land[i], random, tile))
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
            if (clump.size() >= start[i].budget || land[i].stuck)
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
    qint16 *layer = map.grid.layer.data();
    qint32 *lineOf = map.grid.terrainLine.data();
    for (int tile = 0; tile < map.area; ++tile) {
        if (ownerOf[tile] >= 0) {
            landOf[tile] = qint16(ownerOf[tile]);
            terrain[tile] = quint8(land[ownerOf[tile]].terrain);
            if (land[ownerOf[tile]].layer >= 0)
                layer[tile] = qint16(land[ownerOf[tile]].layer);
            lineOf[tile] = land[ownerOf[tile]].block->line;
            ++placed[ownerOf[tile]].tiles;
        }
    }
}

} // namespace quorlin::preview
