// From a script's text to the plan the preview builds: the branches of `if`
// taken for the map's size and the names #define'd, one branch of each
// random group drawn with the seed, #const names put in place of numbers,
// and what the preview leaves out listed with its line.
#pragma once

#include "preview/map_plan.h"

namespace quorlin::preview {

// `sizeLabel` is what the script's `if` tests for the map's size ("MEDIUM_MAP").
MapPlan PlanScript(const QString &text, const QString &sizeLabel, quint64 seed);

} // namespace quorlin::preview
