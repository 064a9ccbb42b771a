// The map preview: from a map plan, a size, the players and a seed, the map
// built phase by phase as the game builds it, approximately.
#pragma once

#include "preview/preview_result.h"

namespace quorlin::preview {

// Same plan and options, same result, on every machine. Bounded in time and
// memory whatever the plan holds.
PreviewResult BuildPreview(const MapPlan &plan, const PreviewOptions &options);

} // namespace quorlin::preview
