// Objects: groups placed block after block, one object per tile, each only
// where its block's rules allow; a group that finds no such tile is left out
// rather than put somewhere else.
#include "preview/object_rules.h"
#include "preview/styles.h"

#include <QRect>

#include <array>
#include <climits>
#include <set>
#include <vector>

namespace quorlin::preview {

namespace {

// Random tiles a group's centre tries before the block lists every tile
// that fits and draws from that list instead, so that a scarce place is
// still found and a full one is known to be full.
constexpr int kAttempts = 64;
// Tiles looked at per block and in the whole phase, past which the rest of
// the objects are not tried (and the notes say so).
constexpr qint64 kLooksPerBlock = 2000000;
constexpr qint64 kLooksInAll = 4000000;

// The tiles one set of a block may still use, once listed.
struct Candidates {
    bool listed = false;
    std::vector<int> tiles;
};

class Placer {
public:
    explicit Placer(MapContext &map)
        : map_(map), grid_(map.grid), areas_(map.plan.objects), keptAway_(int(map.area), 0),
          ownKept_(int(map.area), 0), areaOf_(int(map.area), 0), random_(map.random(6))
    {
        for (int t = 0; t < grid_.terrainNames.size(); ++t) {
            const Style style = TerrainStyle(grid_.terrainNames[t]);
            watery_[size_t(t)] = style.water;
            forest_[size_t(t)] = style.forest;
        }
        if (areas_.overflowLine() > 0)
            map.skip(areas_.overflowLine(), QStringLiteral("actor_area_to_place_in"));
    }

    void place(const PlanBlock &block, int index)
    {
        const ObjectRule rule = ReadObjectRule(map_, block, areas_);
        ObjectBlockReport report;
        report.line = block.line;
        report.name = block.args.value(0);
        report.style = ObjectStyle(report.name);
        report.grouped = block.has(QStringLiteral("number_of_groups"));
        report.sets = rule.everyPlayer ? map_.players : 1;
        stamp_ = index + 1;
        if ((rule.forestZone || rule.avoidForest >= 0) && forestDistance_.isEmpty())
            forestDistance_ = DistanceFrom(grid_, ForestTiles());
        if (rule.avoidCliff >= 0 && cliffDistance_.isEmpty())
            cliffDistance_ = DistanceFrom(grid_, grid_.cliff);
        const qint64 allowed = qMin(looks_ + kLooksPerBlock, kLooksInAll);
        for (int set = 0; set < report.sets; ++set) {
            const int origin = rule.everyPlayer ? map_.result.playerOrigins.value(set, -1) : -1;
            Candidates candidates;
            const Place place = placeOf(rule, origin);
            candidates.listed = full_.count(place) > 0; // and found empty then
            for (int g = 0; g < rule.groups; ++g) {
                const bool noPlace = (rule.everyPlayer && origin < 0) || (candidates.listed && candidates.tiles.empty());
                if (noPlace || looks_ > allowed) {
                    // Wanted, never tried.
                    report.groups += rule.groups - g;
                    report.objectsWanted += qint64(rule.groups - g) * rule.objects;
                    report.cutShort = report.cutShort || (!noPlace && looks_ > allowed);
                    break;
                }
                const int count = qMax(1, rule.objects + random_.between(-rule.variance, rule.variance));
                const int placed = group(rule, origin, count, index, rule.everyPlayer ? set + 1 : 0, &candidates);
                ++report.groups;
                report.objectsWanted += count;
                report.objects += placed;
                report.groupsPlaced += placed > 0;
            }
            if (candidates.listed && candidates.tiles.empty() && cacheable(rule))
                full_.insert(place);
        }
        map_.result.objectBlocks << report;
    }

private:
    // What `fits` asks of a tile for one set, besides the tile being free.
    using Place = std::array<int, 14>;
    static Place placeOf(const ObjectRule &rule, int origin)
    {
        return {origin,        rule.nearest,    rule.farthest,    rule.circular,   rule.terrain,
                rule.layer,    rule.landId,     rule.water,       rule.tree,       rule.forestZone,
                rule.avoidForest, rule.avoidCliff, rule.edge, int(rule.areaOut >> 32 ^ rule.areaOut)};
    }
    // Whether a place found full stays full for every later block asking
    // the same: tiles are only ever taken and kept free, but a block's own
    // distances and the areas it must lie in change from block to block.
    static bool cacheable(const ObjectRule &rule) { return rule.keepOwn == 0 && rule.areaIn == 0; }

    QVector<quint8> ForestTiles() const
    {
        QVector<quint8> trees(grid_.tiles(), 0);
        for (int tile = 0; tile < grid_.tiles(); ++tile)
            trees[tile] = forest_[grid_.terrain.at(tile)];
        return trees;
    }

    // Whether the distance from `origin` to `tile` lies within the rule's.
    bool withinReach(const ObjectRule &rule, int origin, int tile, bool checkFarthest) const
    {
        const int dx = qAbs(grid_.x(tile) - grid_.x(origin)), dy = qAbs(grid_.y(tile) - grid_.y(origin));
        if (rule.circular) {
            const qint64 d2 = qint64(dx) * dx + qint64(dy) * dy;
            return d2 >= qint64(rule.nearest) * rule.nearest
                   && (!checkFarthest || d2 <= qint64(rule.farthest) * rule.farthest);
        }
        const int d = qMax(dx, dy);
        return d >= rule.nearest && (!checkFarthest || d <= rule.farthest);
    }

    // Whether an object of `rule` may stand on `tile` for the player whose origin is `origin`.
    bool fits(const ObjectRule &rule, int origin, int tile) const
    {
        // Read through a const view: a non-const QVector checks for sharing on every access.
        const Grid &grid = grid_;
        const int kind = grid.terrain[tile];
        if (grid.object[tile] >= 0 || grid.cliff[tile] || keptAway_[tile] || ownKept_[tile] == stamp_
            || watery_[kind] != rule.water || (forest_[kind] && !rule.tree))
            return false;
        if ((rule.terrain >= 0 && kind != rule.terrain) || (rule.layer >= 0 && grid.layer[tile] != rule.layer))
            return false;
        if (rule.edge > 0) {
            const int x = grid.x(tile), y = grid.y(tile), far = map_.side - 1 - rule.edge;
            if (x < rule.edge || y < rule.edge || x > far || y > far)
                return false;
        }
        if ((rule.forestZone && forestDistance_[tile] > 1)
            || (rule.avoidForest >= 0 && forestDistance_[tile] <= rule.avoidForest)
            || (rule.avoidCliff >= 0 && cliffDistance_[tile] <= rule.avoidCliff))
            return false;
        if ((areaOf_[tile] & rule.areaIn) != rule.areaIn || (areaOf_[tile] & rule.areaOut))
            return false;
        const PreviewResult &result = map_.result;
        if (rule.landId != kNoLandId && (grid.land[tile] < 0 || result.lands[grid.land[tile]].landId != rule.landId))
            return false;
        if (origin >= 0)
            return withinReach(rule, origin, tile, true);
        for (int start : result.playerOrigins) {
            if (start >= 0 && rule.nearest > 0 && !withinReach(rule, start, tile, false))
                return false;
        }
        return true;
    }

    // How far either side of the player's column the tiles of a row `dy`
    // rows from the player lie nearer than the rule allows; -1 for none.
    static int innerGap(const ObjectRule &rule, int dy)
    {
        if (rule.nearest <= 0 || qAbs(dy) >= rule.nearest)
            return -1;
        if (!rule.circular)
            return rule.nearest - 1;
        // The largest gap with gap^2 + dy^2 below nearest^2.
        const qint64 room = qint64(rule.nearest) * rule.nearest - qint64(dy) * dy;
        int gap = rule.nearest - 1;
        while (qint64(gap) * gap >= room)
            --gap;
        return gap;
    }

    // The tiles a set may use lie in this box: around the player's origin
    // as far as the rule reaches, else the whole map.
    QRect region(const ObjectRule &rule, int origin) const
    {
        const QRect map(0, 0, map_.side, map_.side);
        if (origin < 0)
            return map;
        const int reach = qMin(rule.farthest, map_.side);
        return QRect(QPoint(grid_.x(origin) - reach, grid_.y(origin) - reach),
                     QPoint(grid_.x(origin) + reach, grid_.y(origin) + reach))
            .intersected(map);
    }

    int centre(const ObjectRule &rule, int origin, Candidates *candidates)
    {
        const QRect box = region(rule, origin);
        if (!candidates->listed) {
            for (int attempt = 0; attempt < kAttempts; ++attempt) {
                ++looks_;
                const int tile = (box.top() + random_.below(box.height())) * map_.side + box.left()
                                 + random_.below(box.width());
                if (fits(rule, origin, tile))
                    return tile;
            }
            candidates->listed = true;
            looks_ += qint64(box.width()) * box.height();
            for (int y = box.top(); y <= box.bottom(); ++y) {
                // Tiles nearer the player than the rule allows never fit: skip them.
                const int gap = origin >= 0 ? innerGap(rule, y - grid_.y(origin)) : -1;
                const int skipFrom = gap >= 0 ? grid_.x(origin) - gap : INT_MAX;
                const int skipTo = gap >= 0 ? grid_.x(origin) + gap : INT_MIN;
                for (int x = box.left(); x <= box.right(); ++x) {
                    if (x >= skipFrom && x <= skipTo)
                        x = skipTo + 1;
                    if (x <= box.right() && fits(rule, origin, y * map_.side + x))
                        candidates->tiles.push_back(y * map_.side + x);
                }
            }
        }
        // Tiles are only ever taken, so one that no longer fits never will.
        std::vector<int> &tiles = candidates->tiles;
        while (!tiles.empty()) {
            ++looks_;
            const size_t pick = size_t(random_.below(int(tiles.size())));
            const int tile = tiles[pick];
            if (fits(rule, origin, tile))
                return tile;
            tiles[pick] = tiles.back();
            tiles.pop_back();
        }
        return -1;
    }

    // Places one group of up to `count` objects; returns how many stand.
    int group(const ObjectRule &rule, int origin, int count, int block, int player, Candidates *candidates)
    {
        const int middle = centre(rule, origin, candidates);
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
        spots.resize(placed);
        for (int tile : spots) {
            grid_.object[tile] = map_.result.objects.size();
            map_.result.objects.append({tile, block, rule.nature ? 0 : player});
        }
        if (rule.keepAway > 0)
            Stamp(grid_, &keptAway_, spots, rule.keepAway);
        if (rule.keepOwn > 0)
            mark(spots, rule.keepOwn, [&](int tile) { ownKept_[tile] = stamp_; });
        if (rule.marksAny) {
            const quint64 bits = AreaBits::kAny | (rule.marks >= 0 ? quint64(1) << rule.marks : 0);
            mark(spots, rule.markRadius, [&](int tile) { areaOf_[tile] |= bits; });
        }
        return placed;
    }

    template <class Mark>
    void mark(const QVector<int> &centres, int radius, Mark &&apply)
    {
        for (int c : centres) {
            const int cx = grid_.x(c), cy = grid_.y(c);
            looks_ += (2 * radius + 1) * (2 * radius + 1);
            for (int y = qMax(0, cy - radius); y <= qMin(map_.side - 1, cy + radius); ++y) {
                for (int x = qMax(0, cx - radius); x <= qMin(map_.side - 1, cx + radius); ++x)
                    apply(y * map_.side + x);
            }
        }
    }

    MapContext &map_;
    Grid &grid_;
    const AreaBits areas_;
    QVector<quint8> keptAway_;  // kept free by min_distance_group_placement
    QVector<qint32> ownKept_;   // the block (stamp) whose groups keep the tile free
    QVector<quint64> areaOf_;   // the actor areas each tile lies in, by bit
    QVector<quint8> forestDistance_, cliffDistance_; // made when a rule first asks
    std::array<bool, 256> watery_{}, forest_{};      // by terrain
    Random random_;
    std::set<Place> full_; // places found full
    int stamp_ = 0;
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
