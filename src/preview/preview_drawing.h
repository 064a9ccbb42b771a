// Drawing a preview: the map as the game's minimap shows it (a diamond with
// the north corner up, twice as wide as high) or as a square, with the
// players' origins numbered, and the caption and warnings below.
#pragma once

#include "preview/preview_result.h"

#include <QImage>
#include <QTransform>

class QFont;
class QPainter;

namespace quorlin::preview {

// The family the picture's numbers, notes and captions are drawn in.
inline constexpr char kPictureFont[] = "WenQuanYi Micro Hei";
// That family at `pixels` pixels high.
QFont PictureFont(int pixels);

// Needs a QGuiApplication for its text. Without text, the map alone.
QImage DrawPreview(const PreviewResult &result, bool square, bool withText = true);

// The map's terrain, one pixel per tile: by class, lighter where a tile
// stands above its south-east neighbour and darker below it; cliffs brown.
QImage TileImage(const PreviewResult &result);
// Tile coordinates to the largest map of `side` tiles that fits `area`,
// centred, every tile of the same size (a square, or a diamond twice as wide
// as high).
QTransform MapTransform(int side, bool square, const QRectF &area);
// The map through `toPicture`: `tiles` (TileImage's) without smoothing, so
// that tiles stay sharp at any size, then the objects and the players'
// origins, each outlined so that it reads on any terrain, objects at least
// three pixels wide.
void PaintMap(QPainter &painter, const PreviewResult &result, const QImage &tiles, const QTransform &toPicture);
// The tile under `point` of a map painted through `toPicture`, -1 off the map.
int TileAt(const PreviewResult &result, const QTransform &toPicture, const QPointF &point);

// A script's text all the way to its picture, with the warnings and what was
// not simulated as lines.
struct ScriptPreview {
    QImage image;
    QStringList notes;
};
ScriptPreview PreviewScript(const QString &script, const PreviewOptions &options, bool square, bool withText);
// The map a script makes, with the size label the options choose.
PreviewResult BuildScriptPreview(const QString &script, const PreviewOptions &options);
// The warnings and what was not simulated, one line each.
QStringList PreviewNotes(const PreviewResult &result);

} // namespace quorlin::preview
