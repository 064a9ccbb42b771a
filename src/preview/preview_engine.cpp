#include "preview/preview_engine.h"

#include "preview/lobby_labels.h"
#include "preview/map_sizes.h"
#include "preview/phases.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace quorlin::preview {

namespace {

// The attributes each command's simulation reads; any other is listed as
// not simulated.
// clang-format off
const QHash<QString, QStringList> &Simulated()
{
    static const QStringList lands = {
        QStringLiteral("terrain_type"), QStringLiteral("land_percent"), QStringLiteral("number_of_tiles"),
        QStringLiteral("base_size"), QStringLiteral("land_position"), QStringLiteral("left_border"),
        QStringLiteral("right_border"), QStringLiteral("top_border"), QStringLiteral("bottom_border"),
        QStringLiteral("border_fuzziness"), QStringLiteral("clumping_factor"), QStringLiteral("assign_to_player"),
        QStringLiteral("zone"), QStringLiteral("set_zone_by_team"), QStringLiteral("set_zone_randomly"),
        QStringLiteral("other_zone_avoidance_distance"), QStringLiteral("land_id"), QStringLiteral("assign_to"),
        QStringLiteral("base_layer"), QStringLiteral("base_elevation"), QStringLiteral("circle_radius")};
    static const QStringList connections = {
        QStringLiteral("default_terrain_replacement"), QStringLiteral("replace_terrain"),
        QStringLiteral("terrain_cost"), QStringLiteral("terrain_size")};
    static const QHash<QString, QStringList> table = {
        {QString(), {}},
        {QStringLiteral("<PLAYER_SETUP>"), {QStringLiteral("random_placement"), QStringLiteral("direct_placement")}},
        {QStringLiteral("<LAND_GENERATION>"), {QStringLiteral("base_terrain"), QStringLiteral("base_layer")}},
        {QStringLiteral("<ELEVATION_GENERATION>"), {}},
        {QStringLiteral("<TERRAIN_GENERATION>"), {}},
        {QStringLiteral("<CONNECTION_GENERATION>"), {}},
        {QStringLiteral("<OBJECTS_GENERATION>"), {}},
        {QStringLiteral("create_player_lands"), lands},
        {QStringLiteral("create_land"), lands},
        {QStringLiteral("create_elevation"), {
            QStringLiteral("base_terrain"), QStringLiteral("number_of_tiles"), QStringLiteral("number_of_clumps"),
            QStringLiteral("spacing"), QStringLiteral("set_scale_by_size"), QStringLiteral("set_scale_by_groups"),
            QStringLiteral("base_layer")}},
        {QStringLiteral("<CLIFF_GENERATION>"), {
            QStringLiteral("min_number_of_cliffs"), QStringLiteral("max_number_of_cliffs"),
            QStringLiteral("min_length_of_cliff"), QStringLiteral("max_length_of_cliff"),
            QStringLiteral("cliff_curliness"), QStringLiteral("min_distance_cliffs"),
            QStringLiteral("min_terrain_distance")}},
        {QStringLiteral("create_terrain"), {
            QStringLiteral("base_terrain"), QStringLiteral("land_percent"), QStringLiteral("number_of_tiles"),
            QStringLiteral("number_of_clumps"), QStringLiteral("clumping_factor"),
            QStringLiteral("set_scale_by_groups"), QStringLiteral("set_scale_by_size"),
            QStringLiteral("spacing_to_other_terrain_types"), QStringLiteral("set_avoid_player_start_areas"),
            QStringLiteral("height_limits"), QStringLiteral("terrain_mask"), QStringLiteral("base_layer")}},
        {QStringLiteral("create_connect_all_players_land"), connections},
        {QStringLiteral("create_connect_teams_lands"), connections},
        {QStringLiteral("create_connect_all_lands"), connections},
        {QStringLiteral("create_connect_same_land_zones"), connections},
        {QStringLiteral("create_object"), {
            QStringLiteral("number_of_objects"), QStringLiteral("number_of_groups"),
            QStringLiteral("group_variance"), QStringLiteral("group_placement_radius"),
            QStringLiteral("set_tight_grouping"), QStringLiteral("set_loose_grouping"),
            QStringLiteral("set_scaling_to_map_size"), QStringLiteral("set_scaling_to_player_number"),
            QStringLiteral("set_place_for_every_player"), QStringLiteral("set_gaia_object_only"),
            QStringLiteral("terrain_to_place_on"), QStringLiteral("min_distance_to_players"),
            QStringLiteral("max_distance_to_players"), QStringLiteral("min_distance_group_placement"),
            QStringLiteral("place_on_specific_land_id"), QStringLiteral("layer_to_place_on"),
            QStringLiteral("place_on_forest_zone"), QStringLiteral("avoid_forest_zone"),
            QStringLiteral("avoid_cliff_zone"), QStringLiteral("actor_area"), QStringLiteral("actor_area_radius"),
            QStringLiteral("actor_area_to_place_in"), QStringLiteral("avoid_actor_area"),
            QStringLiteral("avoid_all_actor_areas"), QStringLiteral("temp_min_distance_group_placement"),
            QStringLiteral("min_distance_to_map_edge"), QStringLiteral("set_circular_placement")}},
    };
    return table;
}
// clang-format on

// Lists the blocks and attributes of `blocks` that the phases leave out; a
// section is never left out, only the words in it.
void ListUnsimulated(const QVector<PlanBlock> &blocks, QVector<Skipped> *skipped)
{
    for (const PlanBlock &block : blocks) {
        const auto known = Simulated().constFind(block.command);
        if (known == Simulated().constEnd() && !block.command.startsWith(QLatin1Char('<'))) {
            skipped->append({block.line, block.command});
            continue;
        }
        for (const PlanAttribute &attribute : block.attributes) {
            if (known == Simulated().constEnd() || !known->contains(attribute.name))
                skipped->append({attribute.line, attribute.name});
        }
    }
}

} // namespace

int MapContext::team(int player) const
{
    // A player without a team is a team alone; team numbers stay below theirs.
    const int team = result.options.teams.value(player);
    return team > 0 ? team : 10 + player;
}

QVector<quint8> NearMask(const Grid &grid, const QVector<int> &centres, int radius)
{
    const int side = grid.side;
    QVector<quint8> mask(side * side, 0);
    if (qint64(centres.size()) * (2 * radius + 1) * (2 * radius + 1) <= mask.size()) {
        QVector<int> inside;
        for (int c : centres) {
            if (c >= 0 && c < mask.size())
                inside << c;
        }
        Stamp(grid, &mask, inside, radius);
        return mask;
    }
    // Many centres: the square around each is a row's window and then a
    // column's, so mark what each row's window of 2r+1 tiles reaches, then
    // slide a window of 2r+1 rows over those marks, counting per column.
    std::vector<quint8> centre(size_t(side) * side, 0);
    for (int c : centres) {
        if (c >= 0 && c < side * side)
            centre[size_t(c)] = 1;
    }
    std::vector<quint8> across(size_t(side) * side, 0);
    std::vector<int> before(size_t(side) + 1);
    for (int y = 0; y < side; ++y) {
        const quint8 *row = centre.data() + y * side;
        for (int x = 0; x < side; ++x)
            before[size_t(x) + 1] = before[size_t(x)] + row[x];
        quint8 *out = across.data() + y * side;
        for (int x = 0; x < side; ++x)
            out[x] = before[size_t(qMin(side, x + radius + 1))] > before[size_t(qMax(0, x - radius))];
    }
    std::vector<int> count(size_t(side), 0);
    for (int y = 0; y < qMin(radius, side); ++y) {
        for (int x = 0; x < side; ++x)
            count[size_t(x)] += across[size_t(y * side + x)];
    }
    quint8 *m = mask.data();
    for (int y = 0; y < side; ++y) {
        if (y + radius < side) {
            for (int x = 0; x < side; ++x)
                count[size_t(x)] += across[size_t((y + radius) * side + x)];
        }
        if (y - radius - 1 >= 0) {
            for (int x = 0; x < side; ++x)
                count[size_t(x)] -= across[size_t((y - radius - 1) * side + x)];
        }
        for (int x = 0; x < side; ++x)
            m[y * side + x] = count[size_t(x)] > 0;
    }
    return mask;
}

void ScaleByMapSize(const MapContext &map, const PlanBlock &block, qint64 *tiles, int *clumps)
{
    const PlanAttribute *byGroups = block.find(QStringLiteral("set_scale_by_groups"));
    const PlanAttribute *bySize = block.find(QStringLiteral("set_scale_by_size"));
    if (byGroups && (!bySize || byGroups->line > bySize->line))
        *clumps = int(qBound<qint64>(1, map.scaled(*clumps), qint64(kMaxClumps)));
    else if (bySize)
        *tiles = qMin(map.scaled(*tiles), map.area);
}

void Stamp(const Grid &grid, QVector<quint8> *mask, const QVector<int> &centres, int radius)
{
    quint8 *m = mask->data();
    for (int c : centres) {
        const int cx = grid.x(c), cy = grid.y(c);
        for (int y = qMax(0, cy - radius); y <= qMin(grid.side - 1, cy + radius); ++y) {
            for (int x = qMax(0, cx - radius); x <= qMin(grid.side - 1, cx + radius); ++x)
                m[y * grid.side + x] = 1;
        }
    }
}

namespace {

// Blocks per phase past which the rest are listed instead of simulated,
// which keeps a script of millions of blocks to bounded time: as many as the
// speed goals allow for each phase's cost per block. Lands have a cap of
// their own (a land's index must fit the grid's cells).
struct PhaseCap {
    QVector<PlanBlock> MapPlan::*blocks;
    int most;
};
constexpr PhaseCap kPhaseCaps[] = {
    {&MapPlan::lands, 1 << 30},      {&MapPlan::elevations, 1024}, {&MapPlan::terrains, 8192},
    {&MapPlan::connections, 64},     {&MapPlan::objects, 8192},
};

} // namespace

PreviewResult BuildPreview(const MapPlan &whole, const PreviewOptions &options)
{
    MapPlan trimmed;
    bool tooMany = false;
    for (const PhaseCap &cap : kPhaseCaps)
        tooMany = tooMany || (whole.*cap.blocks).size() > cap.most;
    if (tooMany) {
        trimmed = whole;
        for (const PhaseCap &cap : kPhaseCaps) {
            QVector<PlanBlock> &blocks = trimmed.*cap.blocks;
            if (blocks.size() > cap.most) {
                const PlanBlock &first = blocks.at(cap.most);
                trimmed.skipped.append({first.line, first.command, false, int(blocks.size()) - cap.most});
                blocks.resize(cap.most);
            }
        }
    }
    const MapPlan &plan = tooMany ? trimmed : whole;
    PreviewResult result;
    result.options = options;
    result.options.sizeIndex = qBound(0, options.sizeIndex, int(MapSizes().size()) - 1);
    result.options.players = qBound(1, options.players, 8);
    result.options.teams = LobbyTeams(result.options);
    const int side = plan.side > 0 ? plan.side : MapSizes()[result.options.sizeIndex].side;
    result.grid.reset(side, plan.baseTerrain, plan.baseTerrainLine);
    result.skipped = plan.skipped;
    for (const QVector<PlanBlock> *blocks :
         {&plan.lands, &plan.elevations, &plan.terrains, &plan.connections, &plan.objects})
        ListUnsimulated(*blocks, &result.skipped);
    ListUnsimulated(plan.sections, &result.skipped);

    MapContext map{plan, result, result.grid, side, result.options.players, qint64(side) * side};
    BuildLands(map);
    BuildElevation(map);
    BuildCliffs(map);
    PaintTerrains(map);
    BuildConnections(map);
    PlaceObjects(map);
    std::stable_sort(result.skipped.begin(), result.skipped.end(),
                     [](const Skipped &a, const Skipped &b) { return a.line < b.line; });
    return result;
}

} // namespace quorlin::preview
