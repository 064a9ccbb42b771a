// A contact sheet: one script drawn with several seeds side by side, since
// one random draw says little about a random map.
#pragma once

#include "preview/preview_result.h"

#include <QImage>

namespace quorlin::preview {

struct ContactSheet {
    QImage image;
    QVector<QStringList> notes; // each seed's warnings and what was not simulated, in the order of the seeds
};

// The maps in a grid of as many columns as its rows (one more when needed),
// each captioned with its seed; needs a QGuiApplication for the text.
ContactSheet PreviewSeeds(const QString &script, const PreviewOptions &options, const QVector<quint64> &seeds,
                          bool square);

} // namespace quorlin::preview
