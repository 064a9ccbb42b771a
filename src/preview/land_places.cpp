#include "preview/land_places.h"

#include <cmath>

namespace quorlin::preview {

namespace {

// The first `circle_radius` of a land block, else of <PLAYER_SETUP>.
const PlanAttribute *CircleWord(const MapPlan &plan)
{
    for (const PlanBlock &block : plan.lands) {
        if (const PlanAttribute *word = block.find(QStringLiteral("circle_radius")))
            return word;
    }
    const PlanBlock *setup = plan.section(QStringLiteral("<PLAYER_SETUP>"));
    return setup ? setup->find(QStringLiteral("circle_radius")) : nullptr;
}

// Distance to the nearest tile marked in `taken`, looking no farther than `limit`.
int NearestTaken(const MapContext &map, const QVector<quint8> &taken, int tile, int limit)
{
    const int x = map.grid.x(tile), y = map.grid.y(tile);
    for (int r = 0; r < limit; ++r) {
        for (int ny = qMax(0, y - r); ny <= qMin(map.side - 1, y + r); ++ny) {
            const bool edgeRow = qAbs(ny - y) == r;
            const int step = edgeRow ? 1 : 2 * r;
            for (int nx = x - r; nx <= x + r; nx += qMax(1, step)) {
                if (nx >= 0 && nx < map.side && taken[ny * map.side + nx])
                    return r;
            }
        }
    }
    return limit;
}

// Distance to the nearest origin so far, up to `limit`: for a few, from
// each; for many, in rings outward, which meet one soon.
int Nearest(const MapContext &map, const QVector<quint8> &taken, int tile, int limit)
{
    const QVector<PlacedLand> &lands = map.result.lands;
    if (lands.size() > 64)
        return NearestTaken(map, taken, tile, limit);
    int nearest = limit;
    for (const PlacedLand &land : lands)
        nearest = qMin(nearest, SquareDistance(map.grid, tile, land.origin));
    return nearest;
}

// Words and numbers `assign_to` takes for whom it gives the land to.
int AssignKind(const QString &word)
{
    if (word == QLatin1String("AT_COLOR") || word == QLatin1String("1"))
        return 1;
    if (word == QLatin1String("AT_TEAM") || word == QLatin1String("2"))
        return 2;
    return 0; // AT_PLAYER
}

} // namespace

PlayerCircle ReadCircle(const MapPlan &plan)
{
    PlayerCircle circle;
    if (const PlanAttribute *word = CircleWord(plan)) {
        circle.radius = qBound(0, word->args.value(0).toInt(), 50);
        circle.variance = word->args.size() > 1 ? qBound(0, word->args[1].toInt(), 100) : 0;
    }
    return circle;
}

QVector<int> PlayerSpots(const MapContext &map, Random &random, const PlayerCircle &circle)
{
    QVector<int> order;
    for (int p = 0; p < map.players; ++p)
        order << p;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return map.team(a) < map.team(b); });
    QVector<int> spots(map.players, -1);
    const double turn = 2 * M_PI;
    const double start = random.below(3600) * turn / 3600;
    const double centre = (map.side - 1) / 2.0;
    // A perfect circle has no angular jitter either.
    const int jitter = circle.variance > 0 ? 8 : 0;
    for (int i = 0; i < map.players; ++i) {
        for (int attempt = 0; attempt < 20; ++attempt) {
            const double angle = start + turn * i / map.players + random.between(-jitter, jitter) * turn / 360;
            const double off = 100 + random.between(-circle.variance, circle.variance);
            const double radius = circle.radius / 100.0 * map.side * off / 100;
            const int x = qBound(0, int(std::lround(centre + radius * std::cos(angle))), map.side - 1);
            const int y = qBound(0, int(std::lround(centre + radius * std::sin(angle))), map.side - 1);
            const int tile = y * map.side + x;
            if (!spots.contains(tile) || attempt == 19) {
                spots[order[i]] = tile;
                break;
            }
        }
    }
    return spots;
}

int AssignedPlayer(const MapContext &map, const PlanBlock &block, QVector<bool> *given)
{
    const PlanAttribute *to = block.find(QStringLiteral("assign_to"));
    if (!to && !block.has(QStringLiteral("assign_to_player")))
        return 0;
    int player = 0;
    if (to) {
        const int kind = AssignKind(to->args.value(0));
        const int number = to->args.value(1).toInt();
        if (kind < 2) {
            player = number;
        } else {
            // The next player of that team without a land; a team nobody
            // plays in gives the land to the next player without one.
            for (int pass = 0; pass < 2 && player == 0; ++pass) {
                for (int p = 0; p < map.players && player == 0; ++p) {
                    const bool ofTeam = map.result.options.teams.value(p) == number;
                    if (!given->value(p) && (ofTeam || pass == 1))
                        player = p + 1;
                }
            }
            if (player == 0)
                return -1;
        }
    } else {
        player = block.number(QStringLiteral("assign_to_player"), 0, -1, 9);
    }
    if (player < 1 || player > map.players)
        return -1;
    (*given)[player - 1] = true;
    return player;
}

int PositionTile(const MapContext &map, const PlanBlock &block)
{
    const int x = block.number(QStringLiteral("land_position"), 50, 0, 100, 0);
    const int y = block.number(QStringLiteral("land_position"), 50, 0, 100, 1);
    // 0 and 99 are the two ends of each axis.
    const int column = qMin(y * (map.side - 1) / 99, map.side - 1);
    const int row = map.side - 1 - qMin(x * (map.side - 1) / 99, map.side - 1);
    return row * map.side + column;
}

int FreeSpot(const MapContext &map, Random &random, const QVector<quint8> &taken, const int box[4])
{
    const int margin = map.side / 8, n = map.side - 1;
    const int x0 = qMax(margin, box[0]), x1 = qMin(n - margin, n - box[1]);
    const int y0 = qMax(margin, box[2]), y1 = qMin(n - margin, n - box[3]);
    const int limit = map.side;
    int best = -1, bestDistance = -1;
    for (int attempt = 0; attempt < 12; ++attempt) {
        const int x = x0 <= x1 ? random.between(x0, x1) : n / 2;
        const int y = y0 <= y1 ? random.between(y0, y1) : n / 2;
        const int tile = y * map.side + x;
        const int nearest = Nearest(map, taken, tile, limit);
        if (nearest > bestDistance) {
            best = tile;
            bestDistance = nearest;
        }
    }
    return best;
}

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

} // namespace quorlin::preview
