#include "preview/object_rules.h"

#include "preview/styles.h"

namespace quorlin::preview {

namespace {

// The ids an attribute's arguments name, when it is one that asks about areas.
void Asked(const PlanAttribute &attribute, QVector<int> *ids)
{
    if (attribute.name == QLatin1String("actor_area_to_place_in") || attribute.name == QLatin1String("avoid_actor_area")) {
        bool ok = false;
        const int id = attribute.args.value(0).toInt(&ok);
        if (ok)
            *ids << id;
    }
}

// `avoid_forest_zone` and `avoid_cliff_zone` keep 1 tile away when written
// without a number.
int Avoidance(const PlanBlock &block, const QString &name)
{
    const PlanAttribute *word = block.find(name);
    if (!word)
        return -1;
    return word->args.isEmpty() ? 1 : qBound(0, word->args[0].toInt(), kMaxObjectReach);
}

} // namespace

AreaBits::AreaBits(const QVector<PlanBlock> &objects)
{
    for (const PlanBlock &block : objects) {
        for (const PlanAttribute &attribute : block.attributes) {
            QVector<int> ids;
            Asked(attribute, &ids);
            for (int id : ids) {
                if (bits_.contains(id))
                    continue;
                if (bits_.size() < kMaxAskedAreas)
                    bits_.insert(id, int(bits_.size()));
                else if (overflow_ == 0)
                    overflow_ = attribute.line;
            }
        }
    }
}

ObjectRule ReadObjectRule(MapContext &map, const PlanBlock &block, const AreaBits &areas)
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
    rule.radius = grouped ? block.number(QStringLiteral("group_placement_radius"), 3, 0, kMaxObjectReach) : 0;
    rule.tight = block.has(QStringLiteral("set_tight_grouping"));
    rule.everyPlayer = block.has(QStringLiteral("set_place_for_every_player"));
    rule.nature = block.has(QStringLiteral("set_gaia_object_only")) || !rule.everyPlayer;
    rule.circular = block.has(QStringLiteral("set_circular_placement"));
    rule.nearest = block.number(QStringLiteral("min_distance_to_players"), 0, 0, map.side);
    if (rule.everyPlayer)
        rule.farthest = block.number(QStringLiteral("max_distance_to_players"), map.side, 0, map.side);
    rule.keepAway = block.number(QStringLiteral("min_distance_group_placement"), 0, 0, kMaxObjectReach);
    rule.keepOwn = block.number(QStringLiteral("temp_min_distance_group_placement"), 0, 0, kMaxObjectReach);
    rule.edge = block.number(QStringLiteral("min_distance_to_map_edge"), 0, 0, map.side / 2);
    if (block.has(QStringLiteral("terrain_to_place_on")))
        rule.terrain = map.grid.terrainId(block.word(QStringLiteral("terrain_to_place_on")));
    if (block.has(QStringLiteral("layer_to_place_on")))
        rule.layer = map.grid.terrainId(block.word(QStringLiteral("layer_to_place_on")));
    rule.landId = block.number(QStringLiteral("place_on_specific_land_id"), kNoLandId, -1000, 1000);
    const Style style = ObjectStyle(block.args.value(0));
    rule.water = style.water;
    rule.tree = style.tree;
    rule.forestZone = block.has(QStringLiteral("place_on_forest_zone"));
    rule.avoidForest = Avoidance(block, QStringLiteral("avoid_forest_zone"));
    rule.avoidCliff = Avoidance(block, QStringLiteral("avoid_cliff_zone"));
    // An area asked about that no bit holds cannot be told apart: placing
    // in it finds no tile, avoiding it keeps out of every area.
    for (const PlanAttribute &attribute : block.attributes) {
        const int bit = areas.bit(attribute.args.value(0).toInt());
        if (attribute.name == QLatin1String("actor_area_to_place_in"))
            rule.areaIn |= bit >= 0 ? quint64(1) << bit : ~quint64(0);
        else if (attribute.name == QLatin1String("avoid_actor_area"))
            rule.areaOut |= bit >= 0 ? quint64(1) << bit : AreaBits::kAny;
        else if (attribute.name == QLatin1String("avoid_all_actor_areas"))
            rule.areaOut |= AreaBits::kAny;
    }
    if (block.has(QStringLiteral("actor_area"))) {
        rule.marks = areas.bit(block.number(QStringLiteral("actor_area"), 0, INT_MIN, INT_MAX));
        rule.marksAny = true;
        rule.markRadius = block.number(QStringLiteral("actor_area_radius"), 1, 0, kMaxObjectReach);
    }
    return rule;
}

QVector<quint8> DistanceFrom(const Grid &grid, const QVector<quint8> &from)
{
    const int side = grid.side;
    QVector<quint8> distance(side * side, 255);
    quint8 *d = distance.data();
    for (int i = 0; i < distance.size(); ++i) {
        if (from[i])
            d[i] = 0;
    }
    auto relax = [&](int tile, int other) {
        if (d[other] + 1 < d[tile])
            d[tile] = quint8(d[other] + 1);
    };
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const int tile = y * side + x;
            if (x > 0)
                relax(tile, tile - 1);
            for (int dx = -1; y > 0 && dx <= 1; ++dx) {
                if (x + dx >= 0 && x + dx < side)
                    relax(tile, tile - side + dx);
            }
        }
    }
    for (int y = side - 1; y >= 0; --y) {
        for (int x = side - 1; x >= 0; --x) {
            const int tile = y * side + x;
            if (x < side - 1)
                relax(tile, tile + 1);
            for (int dx = -1; y < side - 1 && dx <= 1; ++dx) {
                if (x + dx >= 0 && x + dx < side)
                    relax(tile, tile + side + dx);
            }
        }
    }
    return distance;
}

} // namespace quorlin::preview
