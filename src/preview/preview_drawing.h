// Drawing a preview: the map as the game's minimap shows it (a diamond with
// the north corner up, twice as wide as high) or as a square, with the
// players' origins numbered, and the caption and warnings below.
#pragma once

#include "preview/preview_result.h"

#include <QImage>

namespace quorlin::preview {

// Needs a QGuiApplication for its text.
QImage DrawPreview(const PreviewResult &result, bool square);

} // namespace quorlin::preview
