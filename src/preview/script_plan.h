// From a script's text to the plan the preview builds, read as the game
// reads it: the branches of `if` taken for the lobby's labels (the map's
// size, the players and teams) and the names #define'd, one branch of each
// random group drawn with the seed, commands written by number, numbers
// worked out (#const, rnd, arithmetic), terrains and objects named by number
// turned into their names, `override_map_size`, and what the preview cannot
// read listed with its line.
#pragma once

#include "preview/map_plan.h"
#include "preview/preview_result.h"

namespace quorlin::preview {

MapPlan PlanScript(const QString &text, const PreviewOptions &options);

// The sides `override_map_size` may set.
constexpr int kMinOverrideSide = 36;
constexpr int kMaxOverrideSide = 480;

} // namespace quorlin::preview
