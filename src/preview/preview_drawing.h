// Drawing a preview: the map as the game's minimap shows it (a diamond with
// the north corner up, twice as wide as high) or as a square, with the
// players' origins numbered, and the caption and warnings below.
#pragma once

#include "preview/preview_result.h"

#include <QImage>

namespace quorlin::preview {

// Needs a QGuiApplication for its text. Without text, the map alone.
QImage DrawPreview(const PreviewResult &result, bool square, bool withText = true);

// A script's text all the way to its picture, with the warnings and what was
// not simulated as lines.
struct ScriptPreview {
    QImage image;
    QStringList notes;
};
ScriptPreview PreviewScript(const QString &script, const PreviewOptions &options, bool square, bool withText);

} // namespace quorlin::preview
