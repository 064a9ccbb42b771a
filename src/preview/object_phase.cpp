// Objects: groups placed block after block, one object per tile.
#include "preview/phases.h"
#include "preview/styles.h"

#include <array>
#include <climits>
#include <set>

namespace quorlin::preview {

namespace {

constexpr int kMaxRadius = 30;
constexpr int kAttempts = 64;
// A block stops trying after this many groups in a row found no place (for a
// player's own groups, the player's part of the block stops), or after
// looking at this many tiles; the phase after the last. Each group looks at
// up to kAttempts tiles, so a spot that is merely scarce is still found.
constexpr int kFailuresInARow = 16;
constexpr int kPlayerFailuresInARow = 2;
constexpr qint64 kLooksPerBlock = 4000000;
constexpr qint64 kLooksInAll = 16000000;

struct ObjectRule {
    int objects = 1; // per group
    int groups = 1;  // per set
    int variance = 0;
    int radius = 0;
    bool tight = false;
    bool everyPlayer = false;
    bool nature = false;
    int nearest = 0, farthest = INT_MAX; // from the players' origins
    int keepAway = 0;
    int terrain = -1;
    int landId = INT_MIN;
    bool water = false;
};

ObjectRule ReadRule(MapContext &map, const PlanBlock &block)
{
    ObjectRule rule;
    const int area = int(map.area);
    qint64 objects = block.number(QStringLiteral("number_of_objects"), 1, 0, area);
    const bool grouped = block.has(QStringLiteral("number_of_groups"));
    qint64 groups = grouped ? block.number(QStringLiteral("number_of_groups"), 1, 0, area) : objects;
    // Scaling multiplies the groups, or the objects when they are not grouped.
    if (block.has(QStringLiteral("set_scaling_to_map_size")))
        groups = map.scaled(groups);
    if (block.has(QStringLiteral("set_scaling_to_player_number")))
        groups *= map.players;
    rule.groups = objects > 0 ? int(qBound(qint64(0), groups, qint64(area))) : 0;
    rule.objects = grouped ? int(objects) : 1;
    rule.variance = grouped ? block.number(QStringLiteral("group_variance"), 0, 0, area) : 0;
    rule.radius = grouped ? block.number(QStringLiteral("group_placement_radius"), 3, 0, kMaxRadius) : 0;
    rule.tight = block.has(QStringLiteral("set_tight_grouping"));
    rule.everyPlayer = block.has(QStringLiteral("set_place_for_every_player"));
    rule.nature = block.has(QStringLiteral("set_gaia_object_only")) || !rule.everyPlayer;
    rule.nearest = block.number(QStringLiteral("min_distance_to_players"), 0, 0, map.side);
    if (rule.everyPlayer)
        rule.farthest = block.number(QStringLiteral("max_distance_to_players"), map.side, 0, map.side);
    rule.keepAway = block.number(QStringLiteral("min_distance_group_placement"), 0, 0, kMaxRadius);
    if (block.has(QStringLiteral("terrain_to_place_on")))
        rule.terrain = map.grid.terrainId(block.word(QStringLiteral("terrain_to_place_on")));
    rule.landId = block.number(QStringLiteral("place_on_specific_land_id"), INT_MIN, -1000, 1000);
    return rule;
}

class Placer {
public:
    Placer(MapContext &map) : map_(map), grid_(map.grid), keptAway_(int(map.area), 0), random_(map.random(6))
    {
        for (const QString &name : grid_.terrainNames)
            watery_ << TerrainStyle(name).water;
    }

    void place(const PlanBlock &block, int index)
    {
        ObjectRule rule = ReadRule(map_, block);
        ObjectBlockReport report;
        report.line = block.line;
        report.name = block.args.value(0);
        report.style = ObjectStyle(report.name);
        rule.water = report.style.water;
        const int sets = rule.everyPlayer ? map_.players : 1;
        report.grouped = block.has(QStringLiteral("number_of_groups"));
        report.sets = sets;
        const int giveUp = rule.everyPlayer ? kPlayerFailuresInARow : kFailuresInARow;
        const qint64 allowed = qMin(looks_ + kLooksPerBlock, kLooksInAll);
        for (int set = 0; set < sets; ++set) {
            const int origin = rule.everyPlayer ? map_.result.playerOrigins.value(set, -1) : -1;
            const Spot spot{origin, rule.nearest, rule.farthest, rule.terrain, rule.landId, rule.water};
            int failures = 0;
            for (int g = 0; g < rule.groups; ++g) {
                if ((rule.everyPlayer && origin < 0) || failures >= giveUp || looks_ > allowed || full_.count(spot)) {
                    report.groups += rule.groups - g; // wanted, never tried
                    if (rule.everyPlayer && failures >= giveUp && !anyFits(rule, origin))
                        full_.insert(spot);
                    break;
                }
                ++report.groups;
                const int count = qMax(1, rule.objects + random_.between(-rule.variance, rule.variance));
                const int placed = group(rule, origin, count, index, rule.everyPlayer ? set + 1 : 0);
                report.objects += placed;
                report.groupsPlaced += placed > 0;
                failures = placed > 0 ? 0 : failures + 1;
            }
        }
        map_.result.objectBlocks << report;
    }

private:
    // Whether an object of `rule` may stand on `tile` for the player whose origin is `origin`.
    bool fits(const ObjectRule &rule, int origin, int tile) const
    {
        const Grid &grid_ = this->grid_; // reads only
        if (grid_.object[tile] >= 0 || grid_.cliff[tile] || keptAway_.at(tile)
            || watery_.value(grid_.terrain[tile]) != rule.water)
            return false;
        if (rule.terrain >= 0 && grid_.terrain[tile] != rule.terrain)
            return false;
        if (rule.landId != INT_MIN
            && (grid_.land[tile] < 0 || map_.result.lands[grid_.land[tile]].landId != rule.landId))
            return false;
        if (origin >= 0) {
            const int d = SquareDistance(grid_, tile, origin);
            return d >= rule.nearest && d <= rule.farthest;
        }
        for (int start : map_.result.playerOrigins) {
            if (start >= 0 && SquareDistance(grid_, tile, start) < rule.nearest)
                return false;
        }
        return true;
    }

    // Whether any tile within reach of the player's origin may still take
    // an object of `rule`.
    bool anyFits(const ObjectRule &rule, int origin)
    {
        const int reach = qMin(rule.farthest, map_.side), ox = grid_.x(origin), oy = grid_.y(origin);
        for (int y = qMax(0, oy - reach); y <= qMin(map_.side - 1, oy + reach); ++y) {
            for (int x = qMax(0, ox - reach); x <= qMin(map_.side - 1, ox + reach); ++x) {
                if (fits(rule, origin, y * map_.side + x))
                    return true;
            }
        }
        return false;
    }

    int centre(const ObjectRule &rule, int origin)
    {
        for (int attempt = 0; attempt < kAttempts; ++attempt) {
            ++looks_;
            int tile;
            if (origin >= 0) {
                const int reach = qMin(rule.farthest, map_.side);
                const int x = grid_.x(origin) + random_.between(-reach, reach);
                const int y = grid_.y(origin) + random_.between(-reach, reach);
                if (!grid_.inside(x, y))
                    continue;
                tile = y * map_.side + x;
            } else {
                tile = random_.below(int(map_.area));
            }
            if (fits(rule, origin, tile))
                return tile;
        }
        return -1;
    }

    // Places one group of up to `count` objects; returns how many stand.
    int group(const ObjectRule &rule, int origin, int count, int block, int player)
    {
        const int middle = centre(rule, origin);
        if (middle < 0)
            return 0;
        // The tiles within the group's radius it may use, the middle first;
        // a tight group takes them in rings outward, a loose one at random.
        QVector<int> spots{middle};
        looks_ += (2 * rule.radius + 1) * (2 * rule.radius + 1);
        const int mx = grid_.x(middle), my = grid_.y(middle);
        for (int y = qMax(0, my - rule.radius); y <= qMin(map_.side - 1, my + rule.radius); ++y) {
            for (int x = qMax(0, mx - rule.radius); x <= qMin(map_.side - 1, mx + rule.radius); ++x) {
                const int tile = y * map_.side + x;
                if (tile != middle && fits(rule, origin, tile))
                    spots << tile;
            }
        }
        for (int i = 1; i < spots.size(); ++i)
            std::swap(spots[i], spots[random_.between(i, spots.size() - 1)]);
        if (rule.tight) {
            std::stable_sort(spots.begin() + 1, spots.end(), [&](int a, int b) {
                return SquareDistance(grid_, a, middle) < SquareDistance(grid_, b, middle);
            });
        }
        const int placed = qMin(count, int(spots.size()));
        for (int i = 0; i < placed; ++i) {
            grid_.object[spots[i]] = map_.result.objects.size();
            map_.result.objects.append({spots[i], block, rule.nature ? 0 : player});
        }
        if (rule.keepAway > 0)
            Stamp(grid_, &keptAway_, spots.mid(0, placed), rule.keepAway);
        return placed;
    }

    // A place a player's objects may go: the origin and what `fits` asks of a tile.
    using Spot = std::array<int, 6>;

    MapContext &map_;
    Grid &grid_;
    // Places found full: tiles are only ever taken, so they stay full and a
    // later block asking for the same place need not look again.
    std::set<Spot> full_;
    QVector<quint8> keptAway_;
    QVector<bool> watery_;
    Random random_;
    qint64 looks_ = 0;
};

} // namespace

void PlaceObjects(MapContext &map)
{
    Placer placer(map);
    for (int i = 0; i < map.plan.objects.size(); ++i)
        placer.place(map.plan.objects[i], i);
}

} // namespace quorlin::preview
