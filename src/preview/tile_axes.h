// Row and column of a tile without a division: the map's side is fixed for a
// whole preview, so its reciprocal is worked out once. The phases ask for a
// tile's row and column millions of times a second, and a hardware division
// costs several times a multiplication.
#pragma once

#include <QtGlobal>

namespace quorlin::preview {

class TileAxes {
public:
    TileAxes() = default;
    // Exact for every tile below 2^32 / side, far past the largest map.
    explicit TileAxes(int side) : side_(side), reciprocal_(side > 0 ? (0xFFFFFFFFull / quint64(side)) + 1 : 0) {}

    int side() const { return side_; }
    int y(int tile) const { return int((quint64(quint32(tile)) * reciprocal_) >> 32); }
    int x(int tile) const { return tile - y(tile) * side_; }

private:
    int side_ = 0;
    quint64 reciprocal_ = 0;
};

} // namespace quorlin::preview
