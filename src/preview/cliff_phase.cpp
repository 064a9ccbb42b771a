// Cliffs: short walks of three-tile segments that now and then turn.
#include "preview/phases.h"
#include "preview/styles.h"

namespace quorlin::preview {

namespace {

constexpr int kMaxCliffs = 1000;
constexpr int kMaxSegments = 200;
constexpr int kOriginClearance = 22;
constexpr int kSegment = 3;
constexpr int kDirections[8][2] = {{1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}, {1, -1}};

} // namespace

void BuildCliffs(MapContext &map)
{
    const PlanBlock *section = map.plan.section(QStringLiteral("<CLIFF_GENERATION>"));
    if (!section)
        return;
    Random random = map.random(3);
    Grid &grid = map.grid;
    const PlanBlock &plan = *section;
    const int fewest = plan.number(QStringLiteral("min_number_of_cliffs"), 3, 0, kMaxCliffs);
    const int most = plan.number(QStringLiteral("max_number_of_cliffs"), 8, 0, kMaxCliffs);
    const int shortest = plan.number(QStringLiteral("min_length_of_cliff"), 5, 1, kMaxSegments);
    const int longest = plan.number(QStringLiteral("max_length_of_cliff"), 9, 1, kMaxSegments);
    const int curliness = plan.number(QStringLiteral("cliff_curliness"), 36, 0, 100);
    const int apart = plan.number(QStringLiteral("min_distance_cliffs"), 2, 0, 20) * kSegment;
    const int fromWater = plan.number(QStringLiteral("min_terrain_distance"), 2, 0, 20) * kSegment;

    QVector<int> origins, water;
    for (const PlacedLand &land : map.result.lands)
        origins << land.origin;
    const QVector<quint8> nearOrigin = NearMask(grid, origins, kOriginClearance);
    QVector<bool> watery(grid.terrainNames.size());
    for (int i = 0; i < watery.size(); ++i)
        watery[i] = TerrainStyle(grid.terrainNames[i]).water;
    for (int tile = 0; tile < map.area; ++tile) {
        if (watery.at(grid.terrain.at(tile)))
            water << tile;
    }
    const QVector<quint8> nearWater = NearMask(grid, water, fromWater);
    QVector<quint8> nearCliff(int(map.area), 0);
    auto allowed = [&](int x, int y) {
        if (!grid.inside(x, y))
            return false;
        const int tile = y * map.side + x;
        return !nearOrigin[tile] && !nearWater[tile] && !nearCliff[tile];
    };

    const int count = most > fewest ? random.between(fewest, most - 1) : fewest;
    for (int c = 0; c < count; ++c) {
        int x = 0, y = 0;
        bool found = false;
        for (int attempt = 0; attempt < 64 && !found; ++attempt) {
            x = random.below(map.side);
            y = random.below(map.side);
            found = allowed(x, y);
        }
        if (!found)
            continue;
        QVector<int> tiles{y * map.side + x};
        int direction = random.below(8);
        const int segments = random.between(qMin(shortest, longest), longest);
        for (int s = 0; s < segments; ++s) {
            if (s > 0 && random.chance(curliness))
                direction = (direction + (random.below(2) ? 1 : 7)) % 8;
            bool blocked = false;
            for (int step = 0; step < kSegment && !blocked; ++step) {
                x += kDirections[direction][0];
                y += kDirections[direction][1];
                blocked = !allowed(x, y);
                if (!blocked)
                    tiles << y * map.side + x;
            }
            if (blocked)
                break;
        }
        for (int tile : tiles)
            grid.cliff[tile] = 1;
        Stamp(grid, &nearCliff, tiles, apart);
    }
}

} // namespace quorlin::preview
