#include "preview/preview_drawing.h"

#include "core/ui_text.h"
#include "preview/map_sizes.h"
#include "preview/preview_engine.h"
#include "preview/preview_text.h"
#include "preview/script_plan.h"
#include "preview/styles.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStaticText>

#include <algorithm>
#include <array>
#include <cmath>

namespace quorlin::preview {

namespace {

constexpr QRgb kBackground = 0xFF1E1E1E;
constexpr int kMargin = 8;
constexpr int kMaxListed = 6; // lines of each list under the picture
constexpr qreal kMostCovered = 0.05; // share of the map the objects' dots may hide

QRgb Shade(quint32 rgb, int percent)
{
    auto channel = [&](int shift) {
        const int c = int((rgb >> shift) & 0xFF);
        return percent > 100 ? c + (255 - c) * (percent - 100) / 100 : c * percent / 100;
    };
    return qRgb(channel(16), channel(8), channel(0));
}

const QColor kDark(0x10, 0x10, 0x10), kLight(0xF4, 0xF4, 0xF4);

// Dark on light terrain and light on dark terrain, so that every object and
// player colour stands framed on any ground, its own colour alike or not.
QColor OutlineOn(QRgb ground) { return qGray(ground) > 96 ? kDark : kLight; }

QColor ObjectColour(const PreviewResult &result, const PlacedObject &object)
{
    if (object.player > 0)
        return QColor(QRgb(PlayerColour(object.player)));
    return QColor(QRgb(result.objectBlocks.value(object.block).style.rgb));
}

// A tile's size in pixels along the picture's rows (a diamond's tile is twice as wide as high).
qreal TilePixels(const QTransform &toPicture) { return qMax(qAbs(toPicture.m11()), qAbs(toPicture.m22())); }

QStringList TextLines(const PreviewResult &result)
{
    QStringList lines{PreviewCaption(result.options.seed)};
    for (const QStringList &list : {PreviewWarnings(result), SkippedLines(result)}) {
        lines += list.mid(0, kMaxListed);
        if (list.size() > kMaxListed)
            lines << Ui::tr("…… 另有 %1 条").arg(list.size() - kMaxListed);
    }
    return lines;
}

} // namespace

QFont PictureFont(int pixels)
{
    QFont font(QString::fromLatin1(kPictureFont));
    font.setPixelSize(pixels);
    return font;
}

QImage TileImage(const PreviewResult &result)
{
    const Grid &grid = result.grid;
    // Each terrain's colour lit, level and shaded, worked out once.
    enum { kLit, kLevel, kShaded };
    const auto shades = [](quint32 rgb) { return std::array<QRgb, 3>{Shade(rgb, 125), Shade(rgb, 100), Shade(rgb, 78)}; };
    std::vector<std::array<QRgb, 3>> colours(256, shades(0));
    for (int t = 0; t < grid.terrainNames.size(); ++t)
        colours[size_t(t)] = shades(TerrainStyle(grid.terrainNames[t]).rgb);
    const QRgb cliff = Shade(kCliffColour, 100);
    const quint8 *height = grid.height.constData(), *terrain = grid.terrain.constData(), *cliffs = grid.cliff.constData();
    QImage image(grid.side, grid.side, QImage::Format_RGB32);
    for (int y = 0; y < grid.side; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < grid.side; ++x) {
            const int tile = y * grid.side + x;
            const int here = height[tile];
            const int there = x + 1 < grid.side ? height[tile + 1] : here;
            const int shade = here > there ? kLit : here < there ? kShaded : kLevel;
            line[x] = cliffs[tile] ? cliff : colours[terrain[tile]][size_t(shade)];
        }
    }
    return image;
}

QTransform MapTransform(int side, bool square, const QRectF &area)
{
    const qreal n = qMax(1, side);
    if (square) {
        const qreal k = qMin(area.width(), area.height()) / n;
        const QPointF corner = area.center() - QPointF(n * k, n * k) / 2;
        return QTransform(k, 0, 0, k, corner.x(), corner.y());
    }
    // x runs to the south-east and y to the south-west from the north corner.
    const qreal k = qMin(area.width() / (2 * n), area.height() / n);
    const QPointF corner = area.center() - QPointF(2 * n * k, n * k) / 2;
    return QTransform(k, k / 2, -k, k / 2, corner.x() + n * k, corner.y());
}

int TileAt(const PreviewResult &result, const QTransform &toPicture, const QPointF &point)
{
    const QPointF at = toPicture.inverted().map(point);
    const int x = int(std::floor(at.x())), y = int(std::floor(at.y()));
    return result.grid.inside(x, y) ? y * result.grid.side + x : -1;
}

void PaintMap(QPainter &painter, const PreviewResult &result, const QImage &tiles, const QTransform &toPicture)
{
    const Grid &grid = result.grid;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setTransform(toPicture, true);
    painter.drawImage(0, 0, tiles);
    painter.restore();

    const qreal k = TilePixels(toPicture);
    // Framed dots large enough to see, unless they would hide more than a
    // twentieth of the map: then each is its tile's size, unframed, so that
    // the terrain stays visible (and a script that fills the map shows full).
    const auto drawn = [&](const PlacedObject &object) { return result.objectBlocks.value(object.block).style.drawn; };
    const qint64 count = std::count_if(result.objects.begin(), result.objects.end(), drawn);
    qreal dot = qMax<qreal>(3, std::round(k));
    const qreal mapPixels = qAbs(toPicture.determinant()) * grid.tiles();
    const bool framed = count * (dot + 2) * (dot + 2) <= kMostCovered * mapPixels;
    if (!framed)
        dot = qMax<qreal>(1, std::round(k));
    for (const PlacedObject &object : result.objects) {
        if (!drawn(object))
            continue;
        const QPointF at = toPicture.map(QPointF(grid.x(object.tile) + 0.5, grid.y(object.tile) + 0.5));
        const QRectF inner(std::round(at.x() - dot / 2), std::round(at.y() - dot / 2), dot, dot);
        if (framed)
            painter.fillRect(inner.adjusted(-1, -1, 1, 1),
                             OutlineOn(tiles.pixel(grid.x(object.tile), grid.y(object.tile))));
        painter.fillRect(inner, ObjectColour(result, object));
    }

    QFont numberFont = PictureFont(qMax(11, int(3 * k) + 6));
    numberFont.setBold(true);
    painter.save();
    painter.setFont(numberFont);
    painter.setRenderHint(QPainter::Antialiasing);
    // At least 8 pixels across, whatever the map's size: a player's origin is
    // what a designer looks for first.
    const qreal half = qMax<qreal>(2, 4 / k);
    for (int p = 0; p < result.playerOrigins.size(); ++p) {
        const int origin = result.playerOrigins[p];
        if (origin < 0)
            continue;
        const QPointF centre(grid.x(origin) + 0.5, grid.y(origin) + 0.5);
        const QPolygonF marker =
            toPicture.map(QPolygonF(QRectF(centre - QPointF(half, half), centre + QPointF(half, half))));
        const QColor colour(QRgb(PlayerColour(p + 1)));
        // A light ring around a dark one: one of them stands out on any terrain.
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(kLight, 4));
        painter.drawPolygon(marker);
        painter.setPen(QPen(kDark, 2));
        painter.setBrush(colour);
        painter.drawPolygon(marker);
        // The number beside its marker, in the player's colour on a dark
        // outline; laid out once and drawn five times.
        const QPointF at = marker.boundingRect().topRight() + QPointF(1, 0);
        const QRectF box(at.x(), at.y() - numberFont.pixelSize(), numberFont.pixelSize() * 2,
                         numberFont.pixelSize() * 1.4);
        QStaticText number(QString::number(p + 1));
        number.prepare(QTransform(), numberFont);
        const QPointF topLeft(box.left(), box.center().y() - number.size().height() / 2);
        painter.setPen(kDark);
        for (const QPointF &offset : {QPointF(-1, 0), QPointF(1, 0), QPointF(0, -1), QPointF(0, 1)})
            painter.drawStaticText(topLeft + offset, number);
        painter.setPen(colour.lighter(130));
        painter.drawStaticText(topLeft, number);
    }
    painter.restore();
}

QImage DrawPreview(const PreviewResult &result, bool square, bool withText)
{
    const int n = result.grid.side;
    const int k = qMax(1, (square ? 600 : 480) / n);
    const QSize map = square ? QSize(n * k, n * k) : QSize(2 * n * k, n * k);

    const QFont font = PictureFont(14);
    const QFontMetrics metrics(font);
    const QStringList lines = withText ? TextLines(result) : QStringList();
    QImage image(map.width() + 2 * kMargin,
                 map.height() + (withText ? 3 * kMargin + int(lines.size()) * metrics.height() : 2 * kMargin),
                 QImage::Format_RGB32);
    image.fill(kBackground);
    QPainter painter(&image);
    PaintMap(painter, result, TileImage(result), MapTransform(n, square, QRectF(QPointF(kMargin, kMargin), map)));

    painter.setFont(font);
    painter.setPen(QColor(0xE0, 0xE0, 0xE0));
    int y = kMargin + map.height() + kMargin + metrics.ascent();
    for (const QString &line : lines) {
        painter.drawText(kMargin, y, metrics.elidedText(line, Qt::ElideRight, map.width()));
        y += metrics.height();
    }
    return image;
}

PreviewResult BuildScriptPreview(const QString &script, const PreviewOptions &options)
{
    return BuildPreview(PlanScript(script, options), options);
}

QStringList PreviewNotes(const PreviewResult &result) { return PreviewWarnings(result) + SkippedLines(result); }

ScriptPreview PreviewScript(const QString &script, const PreviewOptions &options, bool square, bool withText)
{
    const PreviewResult result = BuildScriptPreview(script, options);
    return {DrawPreview(result, square, withText), PreviewNotes(result)};
}

} // namespace quorlin::preview
