// Connections: cheapest paths between land origins, and the terrain they change.
#include "preview/phases.h"

#include <climits>
#include <vector>

namespace quorlin::preview {

namespace {

constexpr int kMaxCost = 100;
constexpr int kMaxRadius = 12;
constexpr int kMaxEndpoints = 128;
// Past this many origins, each is joined to the next rather than to every other.
constexpr int kAllPairsUpTo = 8;

// Which origins a connection block joins, as pairs of indexes into `origins`.
QVector<QPair<int, int>> Pairs(const MapContext &map, const QString &kind, QVector<int> *origins)
{
    QVector<int> group; // per origin: those with the same group are joined
    if (kind == QLatin1String("create_connect_all_players_land") || kind == QLatin1String("create_connect_teams_lands")) {
        const bool teams = kind == QLatin1String("create_connect_teams_lands");
        for (int p = 0; p < map.players; ++p) {
            if (map.result.playerOrigins[p] >= 0) {
                *origins << map.result.playerOrigins[p];
                group << (teams ? map.team(p) : 0);
            }
        }
    } else {
        const bool zones = kind == QLatin1String("create_connect_same_land_zones");
        for (const PlacedLand &land : map.result.lands) {
            if (origins->size() < kMaxEndpoints && !origins->contains(land.origin)) {
                *origins << land.origin;
                group << (zones ? land.zone : 0);
            }
        }
    }
    QVector<QPair<int, int>> pairs;
    for (int i = 0; i < origins->size(); ++i) {
        int partners = 0;
        for (int j = i + 1; j < origins->size(); ++j) {
            if (group[i] == group[j] && (origins->size() <= kAllPairsUpTo || partners++ == 0))
                pairs.append({i, j});
        }
    }
    return pairs;
}

// Cheapest path from `from` to each of `to` over tiles of positive cost
// (Dial's buckets: costs are small whole numbers); marks the paths in `onPath`.
void Paths(MapContext &map, const QVector<int> &cost, int from, const QVector<int> &to, QVector<int> *onPath)
{
    const Grid &grid = map.grid;
    QVector<int> distance(int(map.area), INT_MAX), previous(int(map.area), -1);
    std::vector<std::vector<int>> buckets(kMaxCost + 1);
    QVector<quint8> target(int(map.area), 0);
    for (int t : to)
        target[t] = 1;
    int remaining = to.size(), waiting = 1;
    distance[from] = 0;
    buckets[0].push_back(from);
    for (int d = 0; waiting > 0 && remaining > 0; ++d) {
        std::vector<int> &bucket = buckets[size_t(d % (kMaxCost + 1))];
        while (!bucket.empty()) {
            const int tile = bucket.back();
            bucket.pop_back();
            --waiting;
            if (distance[tile] != d)
                continue;
            if (target[tile])
                --remaining;
            const int x = grid.x(tile), y = grid.y(tile);
            const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
            for (const auto &n : next) {
                if (!grid.inside(n[0], n[1]))
                    continue;
                const int step = n[1] * map.side + n[0];
                const int c = target[step] ? qMax(1, cost[grid.terrain[step]]) : cost[grid.terrain[step]];
                if (c <= 0 || grid.cliff[step] || d + c >= distance[step])
                    continue;
                distance[step] = d + c;
                previous[step] = tile;
                buckets[size_t((d + c) % (kMaxCost + 1))].push_back(step);
                ++waiting;
            }
        }
    }
    for (int t : to) {
        if (distance[t] == INT_MAX)
            continue;
        for (int tile = t; tile >= 0; tile = previous[tile])
            onPath->append(tile);
    }
}

} // namespace

void BuildConnections(MapContext &map)
{
    Grid &grid = map.grid;
    for (const PlanBlock &block : map.plan.connections) {
        QVector<int> origins;
        const QVector<QPair<int, int>> pairs = Pairs(map, block.command, &origins);
        // Costs and replacements per terrain, from the block's rules.
        QVector<int> cost(256, 1), replacement(256, -1), radius(256, 0);
        const int fallback = block.has(QStringLiteral("default_terrain_replacement"))
                                 ? grid.terrainId(block.word(QStringLiteral("default_terrain_replacement")))
                                 : -1;
        for (const PlanAttribute &rule : block.attributes) {
            if (rule.args.size() < 2)
                continue;
            const int terrain = grid.terrainId(rule.args[0]);
            const int value = qBound(0, rule.args[1].toInt(), kMaxCost);
            if (rule.name == QLatin1String("terrain_cost"))
                cost[terrain] = value;
            else if (rule.name == QLatin1String("replace_terrain"))
                replacement[terrain] = grid.terrainId(rule.args[1]);
            else if (rule.name == QLatin1String("terrain_size"))
                radius[terrain] = qMin(value, kMaxRadius);
        }
        QVector<int> path;
        for (int i = 0; i < origins.size(); ++i) {
            QVector<int> to;
            for (const auto &pair : pairs) {
                if (pair.first == i)
                    to << origins[pair.second];
            }
            if (!to.isEmpty())
                Paths(map, cost, origins[i], to, &path);
        }
        if (path.isEmpty())
            continue;
        for (int tile : path)
            grid.path[tile] = 1;
        // Each terrain with a replacement changes within its own radius of the path.
        QVector<int> radii;
        for (int t = 0; t < grid.terrainNames.size(); ++t) {
            if ((replacement[t] >= 0 || fallback >= 0) && !radii.contains(radius[t]))
                radii << radius[t];
        }
        QVector<quint8> before = grid.terrain;
        for (int r : radii) {
            const QVector<quint8> near = NearMask(grid, path, r);
            for (int tile = 0; tile < map.area; ++tile) {
                const int old = before[tile];
                const int now = replacement[old] >= 0 ? replacement[old] : fallback;
                if (near[tile] && radius[old] == r && now >= 0)
                    grid.terrain[tile] = quint8(now);
            }
        }
    }
}

} // namespace quorlin::preview
