#!/bin/sh
# Writes the heaviest map script the preview is timed on: 5,000 lands (made
# by number, raised, bordered, zoned), masked and layered terrains, hills,
# connections and 2,000 object blocks that use every placement rule the
# preview follows (terrain and layer, forest zones, actor areas, distances
# to players, to the edge and between groups).
#
#   sh bench/make_heavy_script.sh OUT.rms
set -eu
awk 'BEGIN {
    print "#const ISLE 0"
    print "#const SEA 23"
    print "#const L 32"
    print "<PLAYER_SETUP>\nrandom_placement\n<LAND_GENERATION>\nbase_terrain SEA\nbase_layer DIRT"
    print "create_player_lands { terrain_type GRASS land_percent 20 base_size 8 base_elevation 3 circle_radius 35 10"
    print "  left_border 5 right_border 5 top_border 5 bottom_border 5 border_fuzziness 10 }"
    for (i = 0; i < 5000; i++) {
        terrain = (i % 4 == 0) ? "ISLE" : (i % 4 == 1) ? "DESERT" : (i % 4 == 2) ? "SNOW" : "DIRT"
        printf "L { terrain_type %s number_of_tiles %d base_size %d land_id %d zone %d", terrain, 8 + i % 13, i % 3, i % 50, i % 7
        if (i % 5 == 0) printf " base_elevation %d", 1 + i % 6
        if (i % 3 == 0) printf " left_border %d top_border %d border_fuzziness %d", i % 20, i % 15, i % 100
        if (i % 11 == 0) printf " land_position %d %d", (i * 7) % 100, (i * 13) % 100
        if (i % 9 == 0) printf " other_zone_avoidance_distance 2"
        print " }"
    }
    print "<ELEVATION_GENERATION>"
    for (i = 0; i < 20; i++)
        printf "create_elevation %d { base_terrain GRASS number_of_tiles 600 number_of_clumps 8 spacing 2 set_scale_by_size }\n", 2 + i % 6
    print "<TERRAIN_GENERATION>"
    for (i = 0; i < 200; i++) {
        base = (i % 3 == 0) ? "GRASS" : (i % 3 == 1) ? "DESERT" : "ISLE"
        new = (i % 4 == 0) ? "FOREST" : (i % 4 == 1) ? "SNOW" : (i % 4 == 2) ? "BEACH" : "LEAVES"
        printf "create_terrain %s { base_terrain %s land_percent %d number_of_clumps %d terrain_mask %d", new, base, 1 + i % 4, 1 + i % 30, i % 3
        if (i % 5 == 0) printf " spacing_to_other_terrain_types 2"
        if (i % 7 == 0) printf " height_limits 0 2"
        if (i % 6 == 0) printf " set_avoid_player_start_areas"
        if (i % 8 == 0) printf " base_layer DIRT"
        print " set_scale_by_groups }"
    }
    print "<CONNECTION_GENERATION>"
    print "create_connect_all_players_land { replace_terrain FOREST GRASS replace_terrain SEA BEACH terrain_cost SEA 7 terrain_size SEA 2 }"
    print "create_connect_teams_lands { replace_terrain FOREST ROAD terrain_size FOREST 1 }"
    print "create_connect_all_lands { terrain_cost FOREST 4 replace_terrain FOREST DIRT }"
    print "<OBJECTS_GENERATION>"
    for (i = 0; i < 2000; i++) {
        object = (i % 5 == 0) ? "GOLD" : (i % 5 == 1) ? "STONE" : (i % 5 == 2) ? "DEER" : (i % 5 == 3) ? "FORAGE" : "OAK_TREE"
        printf "create_object %s { number_of_objects %d number_of_groups %d group_placement_radius %d", object, 1 + i % 7, 1 + i % 5, i % 6
        if (i % 2 == 0) printf " set_place_for_every_player min_distance_to_players %d max_distance_to_players %d", i % 20, 20 + i % 30
        if (i % 3 == 0) printf " set_tight_grouping"
        if (i % 4 == 0) printf " terrain_to_place_on %s", (i % 8 == 0) ? "GRASS" : "DESERT"
        if (i % 6 == 0) printf " layer_to_place_on SNOW"
        if (i % 7 == 0) printf " place_on_forest_zone"
        if (i % 9 == 0) printf " avoid_forest_zone 2"
        if (i % 10 == 0) printf " actor_area %d actor_area_radius %d", i % 60, 3 + i % 8
        if (i % 10 == 5) printf " actor_area_to_place_in %d", (i - 5) % 60
        if (i % 12 == 0) printf " avoid_actor_area %d", i % 60
        if (i % 13 == 0) printf " avoid_all_actor_areas"
        if (i % 4 == 1) printf " temp_min_distance_group_placement %d", 2 + i % 10
        if (i % 4 == 2) printf " min_distance_group_placement %d", 1 + i % 3
        if (i % 3 == 1) printf " min_distance_to_map_edge %d", i % 12
        if (i % 14 == 0) printf " set_circular_placement place_on_specific_land_id %d", i % 50
        if (i % 15 == 0) printf " set_scaling_to_map_size"
        print " }"
    }
}' > "$1"
