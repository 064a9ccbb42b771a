#pragma once

#include "core/item_store.h"
#include "core/settings.h"

namespace quorlin {

// The designer's whole work on pages 0 to 4: the settings, the three lists of
// added items and the running number of the unit constants. Drafts read and
// write it, the model holds it, undo keeps copies of it (the texts are shared
// until they change, so a copy is cheap).
struct Project {
    Settings settings;
    ItemStore lands, terrains, units;
    qint64 xn = 0;

    // Line selection is not part of the work, so it never makes two differ.
    bool operator==(const Project &o) const
    {
        return xn == o.xn && settings == o.settings && lands == o.lands && terrains == o.terrains && units == o.units;
    }
    bool operator!=(const Project &o) const { return !(*this == o); }
};

} // namespace quorlin
