// Connections: cheapest paths between land origins, and the terrain they change.
#include "preview/phases.h"

#include <QMap>

#include <algorithm>
#include <climits>
#include <numeric>
#include <vector>

namespace quorlin::preview {

namespace {

constexpr int kMaxCost = 100;
constexpr int kMaxRadius = 12;
constexpr int kMaxEndpoints = 128;

// The origins a connection block joins, in groups: every origin of a group
// is to be joined with every other of the same group.
QVector<QVector<int>> Groups(const MapContext &map, const QString &kind)
{
    QMap<int, QVector<int>> groups;
    if (kind == QLatin1String("create_connect_all_players_land")
        || kind == QLatin1String("create_connect_teams_lands")) {
        const bool teams = kind == QLatin1String("create_connect_teams_lands");
        for (int p = 0; p < map.players; ++p) {
            if (map.result.playerOrigins[p] >= 0)
                groups[teams ? map.team(p) : 0] << map.result.playerOrigins[p];
        }
    } else {
        const bool zones = kind == QLatin1String("create_connect_same_land_zones");
        int count = 0;
        for (const PlacedLand &land : map.result.lands) {
            QVector<int> &group = groups[zones ? land.zone : 0];
            if (count < kMaxEndpoints && !group.contains(land.origin)) {
                group << land.origin;
                ++count;
            }
        }
    }
    return groups.values().toVector();
}

struct Meeting {
    int cost = INT_MAX;
    int a = -1, b = -1; // neighbouring tiles reached from the two origins
};

int Root(QVector<int> &parent, int i)
{
    while (parent[i] != i)
        i = parent[i] = parent[parent[i]];
    return i;
}

// The cheapest of `meetings` that join all `count` origins (`source` gives
// the origin each tile was reached from), into `links` when given; returns
// the cost of the dearest of them, or -1 when they do not join them all.
int CheapestLinks(const QHash<quint64, Meeting> &meetings, const int *source, int count, QVector<Meeting> *links)
{
    QVector<Meeting> all = meetings.values().toVector();
    std::sort(all.begin(), all.end(),
              [](const Meeting &l, const Meeting &r) { return l.cost != r.cost ? l.cost < r.cost : l.a < r.a; });
    QVector<int> parent(count);
    std::iota(parent.begin(), parent.end(), 0);
    int joined = 1, most = 0;
    for (const Meeting &link : all) {
        const int one = Root(parent, source[link.a]), other = Root(parent, source[link.b]);
        if (one == other)
            continue;
        parent[one] = other;
        ++joined;
        most = link.cost;
        if (links)
            links->append(link);
    }
    return joined == count ? most : -1;
}

// Joins `origins` with the cheapest network of paths over tiles of positive
// cost: the cheapest paths grow from all origins at once (Dial's buckets, as
// costs are small whole numbers); where two meet is a possible link, and the
// cheapest links that join everything are kept. Marks their tiles in `onPath`.
void Join(MapContext &map, const QVector<int> &cost, const QVector<int> &origins, QVector<int> *onPath)
{
    const Grid &grid = map.grid;
    QVector<int> distance(int(map.area), INT_MAX), previous(int(map.area), -1), from(int(map.area), -1);
    int *dist = distance.data(), *prev = previous.data(), *source = from.data();
    std::vector<std::vector<int>> buckets(kMaxCost + 1);
    int waiting = 0;
    for (int i = 0; i < origins.size(); ++i) {
        dist[origins[i]] = 0;
        source[origins[i]] = i;
        buckets[0].push_back(origins[i]);
        ++waiting;
    }
    // Each tile's price, worked out once: nothing on a cliff, an origin's
    // own tile at the least, the block's cost per terrain elsewhere.
    std::vector<int> priceOf(size_t(map.area));
    {
        const quint8 *cliff = grid.cliff.constData(), *terrain = grid.terrain.constData();
        const int *costOf = cost.constData();
        for (int tile = 0; tile < map.area; ++tile)
            priceOf[size_t(tile)] = cliff[tile] ? 0 : costOf[terrain[tile]];
        for (int origin : origins) {
            if (!cliff[origin])
                priceOf[size_t(origin)] = 1;
        }
    }
    const int *price = priceOf.data();
    const int side = map.side;
    QHash<quint64, Meeting> meetings;
    bool changed = false;
    for (int d = 0; waiting > 0; ++d) {
        // Every meeting found from now on costs more than d: once the
        // cheapest links found join all origins and none costs more than d,
        // no later meeting can replace one of them.
        if (changed && (d & 7) == 0) {
            changed = false;
            const int most = CheapestLinks(meetings, source, int(origins.size()), nullptr);
            if (most >= 0 && most <= d)
                break;
        }
        std::vector<int> &bucket = buckets[size_t(d % (kMaxCost + 1))];
        while (!bucket.empty()) {
            const int tile = bucket.back();
            bucket.pop_back();
            --waiting;
            if (dist[tile] != d)
                continue;
            const int x = grid.x(tile), y = grid.y(tile);
            // West, east, north, south: the order decides between paths of equal cost.
            const int next[4] = {x > 0 ? tile - 1 : -1, x < side - 1 ? tile + 1 : -1, y > 0 ? tile - side : -1,
                                 y < side - 1 ? tile + side : -1};
            const int own = source[tile];
            for (const int step : next) {
                if (step < 0)
                    continue;
                const int c = price[step];
                if (c <= 0)
                    continue;
                const int reached = dist[step];
                if (reached <= d) {
                    // Reached already, and no dearer than this tile: where
                    // another origin's paths meet this one's is a possible link.
                    const int theirs = source[step];
                    if (theirs != own) {
                        Meeting &meeting = meetings[quint64(qMin(own, theirs)) << 32 | quint64(qMax(own, theirs))];
                        if (d + c + reached < meeting.cost) {
                            meeting = {d + c + reached, tile, step};
                            changed = true;
                        }
                    }
                    continue;
                }
                if (d + c >= reached)
                    continue;
                dist[step] = d + c;
                prev[step] = tile;
                source[step] = own;
                buckets[size_t((d + c) % (kMaxCost + 1))].push_back(step);
                ++waiting;
            }
        }
    }
    QVector<Meeting> links;
    CheapestLinks(meetings, source, int(origins.size()), &links);
    for (const Meeting &link : links) {
        for (int end : {link.a, link.b}) {
            for (int tile = end; tile >= 0; tile = prev[tile])
                onPath->append(tile);
        }
    }
}

} // namespace

void BuildConnections(MapContext &map)
{
    Grid &grid = map.grid;
    for (const PlanBlock &block : map.plan.connections) {
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
        for (const QVector<int> &origins : Groups(map, block.command)) {
            if (origins.size() > 1)
                Join(map, cost, origins, &path);
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
        const QVector<quint8> before = grid.terrain;
        quint8 *terrain = grid.terrain.data();
        for (int r : radii) {
            const QVector<quint8> near = NearMask(grid, path, r);
            for (int tile = 0; tile < map.area; ++tile) {
                const int old = before[tile];
                const int now = replacement.at(old) >= 0 ? replacement.at(old) : fallback;
                if (near[tile] && radius.at(old) == r && now >= 0) {
                    terrain[tile] = quint8(now);
                    grid.terrainLine[tile] = block.line;
                }
            }
        }
    }
}

} // namespace quorlin::preview
