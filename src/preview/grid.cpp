#include "preview/preview_result.h"

namespace quorlin::preview {

void Grid::reset(int newSide, const QString &base, int baseLine)
{
    side = newSide;
    axes_ = TileAxes(newSide);
    terrainNames.clear();
    ids_.clear();
    const int count = newSide * newSide;
    terrain.fill(quint8(terrainId(base)), count);
    layer.fill(-1, count);
    land.fill(-1, count);
    height.fill(0, count);
    cliff.fill(0, count);
    path.fill(0, count);
    object.fill(-1, count);
    terrainLine.fill(baseLine, count);
}

int Grid::terrainId(const QString &name)
{
    const auto it = ids_.constFind(name);
    if (it != ids_.constEnd())
        return *it;
    if (terrainNames.size() > 255)
        return 255;
    terrainNames << name;
    ids_.insert(name, int(terrainNames.size() - 1));
    return int(terrainNames.size() - 1);
}

} // namespace quorlin::preview
