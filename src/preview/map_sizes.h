// The six map sizes a game is played on.
#pragma once

#include <QString>
#include <QVector>

namespace quorlin::preview {

struct MapSize {
    const char *option;  // as the command line takes it
    const char *caption; // as the window shows it, through Ui::tr
    const char *label;   // what a script tests with `if`
    const char *newer;   // the same size on the newer scale of labels (MAPSIZE_…)
    int side;            // tiles along an edge
};

// From the smallest to the largest.
const QVector<MapSize> &MapSizes();

// The index of the size whose option is `option`, or -1.
int MapSizeIndex(const QString &option);

// The largest side of all; the grid never exceeds it.
constexpr int kMaxSide = 240;

} // namespace quorlin::preview
