#include "preview/preview_drawing.h"

#include "core/ui_text.h"
#include "preview/map_sizes.h"
#include "preview/preview_engine.h"
#include "preview/preview_text.h"
#include "preview/script_plan.h"
#include "preview/styles.h"

#include <QFontMetrics>
#include <QPainter>

namespace quorlin::preview {

namespace {

constexpr QRgb kBackground = 0xFF1E1E1E;
constexpr int kMargin = 8;
constexpr int kMaxListed = 6; // lines of each list under the picture

QRgb Shade(quint32 rgb, int percent)
{
    auto channel = [&](int shift) {
        const int c = int((rgb >> shift) & 0xFF);
        return percent > 100 ? c + (255 - c) * (percent - 100) / 100 : c * percent / 100;
    };
    return qRgb(channel(16), channel(8), channel(0));
}

// One pixel per tile: terrain by class, lighter where a tile stands above
// its south-east neighbour and darker below it; cliffs brown.
QImage TileImage(const PreviewResult &result)
{
    const Grid &grid = result.grid;
    QVector<quint32> colours;
    for (const QString &name : grid.terrainNames)
        colours << TerrainStyle(name).rgb;
    QImage image(grid.side, grid.side, QImage::Format_RGB32);
    for (int y = 0; y < grid.side; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < grid.side; ++x) {
            const int tile = y * grid.side + x;
            const int here = grid.height[tile];
            const int there = x + 1 < grid.side ? grid.height[tile + 1] : here;
            const int percent = here > there ? 125 : here < there ? 78 : 100;
            line[x] = grid.cliff[tile] ? Shade(kCliffColour, 100) : Shade(colours.value(grid.terrain[tile]), percent);
        }
    }
    return image;
}

QColor ObjectColour(const PreviewResult &result, const PlacedObject &object)
{
    if (object.player > 0)
        return QColor(QRgb(PlayerColour(object.player)));
    return QColor(QRgb(result.objectBlocks.value(object.block).style.rgb));
}

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

QImage DrawPreview(const PreviewResult &result, bool square, bool withText)
{
    const Grid &grid = result.grid;
    const int n = grid.side;
    const int k = qMax(1, (square ? 600 : 480) / n);
    const QSize map = square ? QSize(n * k, n * k) : QSize(2 * n * k, n * k);
    // Tile (x, y) to the picture: the square scaled, or turned so that x
    // runs to the south-east and y to the south-west from the north corner.
    const QTransform toPicture = square ? QTransform::fromScale(k, k) : QTransform(k, k / 2.0, -k, k / 2.0, n * k, 0);

    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPixelSize(14);
    const QFontMetrics metrics(font);
    const QStringList lines = withText ? TextLines(result) : QStringList();
    QImage image(map.width() + 2 * kMargin,
                 map.height() + (withText ? 3 * kMargin + int(lines.size()) * metrics.height() : 2 * kMargin),
                 QImage::Format_RGB32);
    image.fill(kBackground);
    QPainter painter(&image);
    painter.translate(kMargin, kMargin);
    painter.save();
    painter.setTransform(toPicture, true);
    painter.drawImage(0, 0, TileImage(result));
    painter.restore();

    const int dot = qMax(2, k);
    for (const PlacedObject &object : result.objects) {
        if (!result.objectBlocks.value(object.block).style.drawn)
            continue;
        const QPointF at = toPicture.map(QPointF(grid.x(object.tile) + 0.5, grid.y(object.tile) + 0.5));
        painter.fillRect(QRectF(at.x() - dot / 2.0, at.y() - dot / 2.0, dot, dot), ObjectColour(result, object));
    }

    QFont numberFont = font;
    numberFont.setBold(true);
    numberFont.setPixelSize(qMax(11, 3 * k + 6));
    painter.setFont(numberFont);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int p = 0; p < result.playerOrigins.size(); ++p) {
        const int origin = result.playerOrigins[p];
        if (origin < 0)
            continue;
        const QPolygonF square4 = toPicture.map(QPolygonF(QRectF(grid.x(origin) - 1.5, grid.y(origin) - 1.5, 4, 4)));
        painter.setPen(QPen(QColor(0x10, 0x10, 0x10), 1.5));
        painter.setBrush(QColor(QRgb(PlayerColour(p + 1))));
        painter.drawPolygon(square4);
        // The number beside its square, light on a dark outline.
        const QPointF at = square4.boundingRect().topRight() + QPointF(1, 0);
        const QRectF box(at.x(), at.y() - numberFont.pixelSize(), numberFont.pixelSize() * 2,
                         numberFont.pixelSize() * 1.4);
        painter.setPen(QColor(0x10, 0x10, 0x10));
        for (const QPointF &offset : {QPointF(-1, 0), QPointF(1, 0), QPointF(0, -1), QPointF(0, 1)})
            painter.drawText(box.translated(offset), Qt::AlignLeft | Qt::AlignVCenter, QString::number(p + 1));
        painter.setPen(QColor(QRgb(PlayerColour(p + 1))).lighter(130));
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, QString::number(p + 1));
    }

    painter.setFont(font);
    painter.setPen(QColor(0xE0, 0xE0, 0xE0));
    int y = map.height() + kMargin + metrics.ascent();
    for (const QString &line : lines) {
        painter.drawText(0, y, metrics.elidedText(line, Qt::ElideRight, map.width()));
        y += metrics.height();
    }
    return image;
}

ScriptPreview PreviewScript(const QString &script, const PreviewOptions &options, bool square, bool withText)
{
    const PreviewResult result = BuildPreview(PlanScript(script, options), options);
    return {DrawPreview(result, square, withText), PreviewWarnings(result) + SkippedLines(result)};
}

} // namespace quorlin::preview
