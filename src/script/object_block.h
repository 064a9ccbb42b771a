#pragma once

#include <QString>

namespace quorlin {

// The arguments of one create_object block. A negative (or, where noted, zero)
// number leaves its line out.
struct ObjectArgs {
    double a1 = -1;  // number_of_objects, when > 0
    double a2 = -1;  // group_variance, when > 0 and a11 > 0
    double a3 = -1;  // min_distance_to_players, when >= 0
    double a4 = -1;  // max_distance_to_players, when >= 0
    double a5 = -1;  // group_placement_radius, when >= 0
    QString a6;      // "紧" tight or "松" loose grouping; anything else none
    double a7 = 0;   // set_place_for_every_player, when 1
    double a8 = 0;   // set_gaia_object_only, when 1
    double a9 = -1;  // min_distance_group_placement, when >= 0
    double a10 = -1; // max_distance_to_other_zones, when >= 0
    double a11 = -1; // number_of_groups, when > 0
    double a12 = -1; // place_on_specific_land_id, when > 0
    QString a13;     // last line of the body, written as it is (may be empty)
};

// Builds one create_object block. A name that is a plain unit number gets a
// numbered constant X<n> defined in front of the block; `xn` is the running
// number, raised by one for every such block.
QString MakeObjectBlock(const QString &name, const ObjectArgs &args, qint64 &xn);

} // namespace quorlin
