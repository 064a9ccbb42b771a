#include "preview/contact_sheet.h"

#include "preview/preview_drawing.h"
#include "preview/preview_engine.h"
#include "preview/preview_text.h"
#include "preview/script_plan.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace quorlin::preview {

namespace {

constexpr QRgb kBackground = 0xFF1E1E1E;
constexpr int kGap = 8;

} // namespace

ContactSheet PreviewSeeds(const QString &script, const PreviewOptions &options, const QVector<quint64> &seeds,
                          bool square)
{
    ContactSheet sheet;
    QVector<QImage> maps;
    for (const quint64 seed : seeds.mid(0, kMaxSheetSeeds)) {
        PreviewOptions one = options;
        one.seed = seed;
        const PreviewResult result = BuildPreview(PlanScript(script, one), one);
        maps << DrawPreview(result, square, false);
        sheet.notes << PreviewWarnings(result) + SkippedLines(result);
    }
    if (maps.isEmpty())
        return sheet;

    const QFont font = PictureFont(16);
    const QFontMetrics metrics(font);
    const int columns = int(std::ceil(std::sqrt(double(maps.size()))));
    const int rows = (int(maps.size()) + columns - 1) / columns;
    const QSize cell(maps.first().width(), maps.first().height() + metrics.height());
    sheet.image = QImage(columns * cell.width() + (columns + 1) * kGap, rows * cell.height() + (rows + 1) * kGap,
                         QImage::Format_RGB32);
    sheet.image.fill(kBackground);
    QPainter painter(&sheet.image);
    painter.setFont(font);
    painter.setPen(QColor(0xE0, 0xE0, 0xE0));
    for (int i = 0; i < maps.size(); ++i) {
        const QPoint at(kGap + (i % columns) * (cell.width() + kGap), kGap + (i / columns) * (cell.height() + kGap));
        painter.drawImage(at, maps[i]);
        const QRect caption(at.x(), at.y() + maps[i].height(), cell.width(), metrics.height());
        painter.drawText(caption, Qt::AlignHCenter | Qt::AlignTop, PreviewCaption(seeds[i]));
    }
    return sheet;
}

} // namespace quorlin::preview
