// libFuzzer target for the map preview: `make fuzz-preview`.
//
// The first two bytes choose the map's size and the players, the rest is the
// script. Besides crashes, hangs and sanitizer reports it checks what the
// picture relies on: one origin per player, on the map and on a tile of its
// own, and each object on a tile that knows it.

#include "lang/reader.h"
#include "preview/map_sizes.h"
#include "preview/preview_engine.h"
#include "preview/script_plan.h"
#include "require.h"

#include <QByteArray>
#include <QSet>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace quorlin::preview;
    if (size < 2)
        return 0;
    PreviewOptions options;
    options.sizeIndex = data[0] % MapSizes().size();
    options.players = data[1] % 8 + 1;
    options.seed = size;
    const QString script =
        quorlin::lang::DecodeScript(QByteArray(reinterpret_cast<const char *>(data) + 2, int(size - 2)));
    const MapPlan plan = PlanScript(script, options);
    const PreviewResult result = BuildPreview(plan, options);
    const Grid &grid = result.grid;
    Require(grid.side == (plan.side > 0 ? plan.side : MapSizes()[options.sizeIndex].side),
            "the grid has the map's size");
    Require(result.playerOrigins.size() == options.players, "one origin entry per player");
    QSet<int> origins;
    for (int origin : result.playerOrigins) {
        Require(origin >= -1 && origin < grid.tiles(), "origins lie on the map");
        Require(origin < 0 || !origins.contains(origin), "no two players share an origin");
        origins.insert(origin);
    }
    Require(result.objects.size() <= grid.tiles(), "at most one object per tile");
    for (int i = 0; i < result.objects.size(); ++i)
        Require(grid.object[result.objects[i].tile] == i, "each object's tile knows it");
    return 0;
}
