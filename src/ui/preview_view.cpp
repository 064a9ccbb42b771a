#include "ui/preview_view.h"

#include "core/ui_text.h"
#include "preview/preview_drawing.h"
#include "preview/styles.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

namespace quorlin {

namespace {

constexpr int kGap = 6; // between the map, the legend and their entries

struct LegendEntry {
    QString caption;
    QColor colour;
};

QVector<LegendEntry> LegendEntries()
{
    QVector<LegendEntry> entries;
    for (const preview::LegendRow &row : preview::Legend())
        entries.append({Ui::tr(row.caption), QColor(QRgb(row.rgb))});
    entries.append({Ui::tr("游戏者起点"), QColor(QRgb(preview::PlayerColour(1)))});
    return entries;
}

// Where each entry's swatch and caption go in rows of `width`, from the top left.
QVector<QRect> LegendPlaces(const QFontMetrics &metrics, const QVector<LegendEntry> &entries, int width)
{
    QVector<QRect> places;
    const int line = metrics.height();
    int x = 0, y = 0;
    for (const LegendEntry &entry : entries) {
        const int w = line + metrics.horizontalAdvance(entry.caption);
        if (x > 0 && x + w > width) {
            x = 0;
            y += line;
        }
        places.append(QRect(x, y, w, line));
        x += w + 2 * kGap;
    }
    return places;
}

} // namespace

PreviewView::PreviewView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PreviewPicture"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setCursor(Qt::CrossCursor);
    setAccessibleName(Ui::tr("地图预览"));
    setToolTip(Ui::tr("点击地图上的一格，下面显示它的地形、高度和物体，以及写下它们的脚本行。"));
}

void PreviewView::setMap(const preview::PreviewResult &result, const QImage &tiles, bool square)
{
    if (chosen_ >= result.grid.tiles())
        chosen_ = -1;
    const bool reshaped = square != square_;
    result_ = result;
    tiles_ = tiles;
    square_ = square;
    cache_ = QPixmap();
    if (reshaped)
        setMaximumHeight(tallest());
    update();
}

QSize PreviewView::sizeHint() const { return QSize(380, 190 + legendHeight()); }

QSize PreviewView::minimumSizeHint() const { return QSize(160, 80 + legendHeight()); }

int PreviewView::legendHeight() const
{
    const QVector<QRect> places = LegendPlaces(fontMetrics(), LegendEntries(), qMax(width(), 160));
    return places.last().bottom() + 1 + kGap;
}

int PreviewView::tallest() const { return (square_ ? width() : width() / 2) + legendHeight(); }

QRectF PreviewView::mapArea() const { return QRectF(0, 0, width(), height() - legendHeight()); }

QTransform PreviewView::toPicture() const
{
    return preview::MapTransform(result_.grid.side, square_, mapArea().adjusted(2, 2, -2, -2));
}

void PreviewView::paintLegend(QPainter &painter, const QRect &area) const
{
    const QVector<LegendEntry> entries = LegendEntries();
    const QVector<QRect> places = LegendPlaces(painter.fontMetrics(), entries, area.width());
    const int line = painter.fontMetrics().height();
    for (int i = 0; i < entries.size(); ++i) {
        const QRect place = places[i].translated(area.topLeft());
        const int side = line / 2;
        const QRect swatch(place.left() + (line - side) / 2, place.top() + (line - side) / 2, side, side);
        const QColor ground = palette().color(QPalette::Window);
        painter.fillRect(swatch.adjusted(-1, -1, 1, 1), ground.lightness() > 96 ? QColor(0x10, 0x10, 0x10) : Qt::white);
        painter.fillRect(swatch, entries[i].colour);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(place.adjusted(line, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, entries[i].caption);
    }
}

void PreviewView::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    if (cache_.isNull() || cache_.size() != size() * ratio) {
        cache_ = QPixmap(size() * ratio);
        cache_.setDevicePixelRatio(ratio);
        cache_.fill(Qt::transparent);
        QPainter painter(&cache_);
        painter.setFont(font());
        if (hasMap())
            preview::PaintMap(painter, result_, tiles_, toPicture());
        paintLegend(painter, QRect(0, height() - legendHeight() + kGap, width(), legendHeight() - kGap));
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, cache_);
    if (chosen_ >= 0 && hasMap()) {
        // The chosen tile's outline, light over dark so that it shows on any terrain.
        const QPolygonF tile =
            toPicture().map(QPolygonF(QRectF(result_.grid.x(chosen_) - 1, result_.grid.y(chosen_) - 1, 3, 3)));
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 3));
        painter.drawPolygon(tile);
        painter.setPen(QPen(Qt::white, 1));
        painter.drawPolygon(tile);
    }
}

void PreviewView::chooseTile(int tile)
{
    if (!hasMap() || tile < 0 || tile >= result_.grid.tiles() || tile == chosen_)
        return;
    chosen_ = tile;
    update();
    Q_EMIT tileChosen(tile);
}

void PreviewView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && hasMap())
        chooseTile(preview::TileAt(result_, toPicture(), event->position()));
}

void PreviewView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    cache_ = QPixmap();
    // No taller than the map at this width needs: the room under it goes to
    // the lines below, which then stay next to the map.
    if (maximumHeight() != tallest())
        setMaximumHeight(tallest());
}

void PreviewView::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
        cache_ = QPixmap();
}

} // namespace quorlin
