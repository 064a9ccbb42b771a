// The map of the newest preview, drawn at the widget's own size and pixel
// density (never a small picture scaled up), with a legend under it; a click
// chooses a tile.
#pragma once

#include "preview/preview_result.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace quorlin {

class PreviewView : public QWidget {
    Q_OBJECT
public:
    explicit PreviewView(QWidget *parent = nullptr);

    // `tiles` is preview::TileImage(result), made off the window's thread.
    void setMap(const preview::PreviewResult &result, const QImage &tiles, bool square);
    bool hasMap() const { return !tiles_.isNull(); }
    const preview::PreviewResult &result() const { return result_; }
    // The tile chosen last, -1 for none; a new map keeps it when it is still on it.
    int chosenTile() const { return chosen_; }
    // Chooses a tile, as a click on it does; -1 or a tile off the map chooses none.
    void chooseTile(int tile);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void tileChosen(int tile);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QRectF mapArea() const;
    QTransform toPicture() const;
    int legendHeight() const;
    // The height the map and legend need at this width.
    int tallest() const;
    void paintLegend(QPainter &painter, const QRect &area) const;

    preview::PreviewResult result_;
    QImage tiles_;
    bool square_ = false;
    int chosen_ = -1;
    // The map and legend as last painted; painted again only when the map,
    // the size or the palette changes.
    QPixmap cache_;
};

} // namespace quorlin
