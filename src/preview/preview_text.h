// What the preview says in words: its caption, the groups that found no
// place and what it did not simulate.
#pragma once

#include "preview/preview_result.h"

namespace quorlin::preview {

// "近似预览 · 种子 N", so that nobody takes the picture for the game's own map.
QString PreviewCaption(quint64 seed);
// One line per object block whose objects did not all find a place, and one
// for the blocks the phase's time cut short.
QStringList PreviewWarnings(const PreviewResult &result);
// One line per word left out, with its line in the script.
QStringList SkippedLines(const PreviewResult &result);
// What stands on one tile, with the lines that put it there: "(12, 40) 沙漠
// DESERT（第 12 行）· 高度 3 · 黄金 GOLD（第 40 行）".
QString TileReport(const PreviewResult &result, int tile);

} // namespace quorlin::preview
