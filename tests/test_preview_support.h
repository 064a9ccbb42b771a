// Helpers shared by the tests of the preview's model: options and a map
// built straight from a script's text.
#pragma once

#include "preview/preview_engine.h"
#include "preview/script_plan.h"

namespace testing {

inline quorlin::preview::PreviewOptions Options(quint64 seed, int players = 2, int size = 0)
{
    quorlin::preview::PreviewOptions options;
    options.seed = seed;
    options.players = players;
    options.sizeIndex = size;
    return options;
}

inline quorlin::preview::PreviewResult Build(const QString &script, const quorlin::preview::PreviewOptions &options)
{
    return quorlin::preview::BuildPreview(quorlin::preview::PlanScript(script, options), options);
}

} // namespace testing
