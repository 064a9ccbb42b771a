#include "ui/frame_style.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace quorlin {

namespace {

// A shade of grey and how much of it covers what lies beneath.
struct Shade {
    quint8 grey;
    quint8 alpha;
};

// The frame's top-left corner, five tiles square, from its outer edge; the
// other corners are its mirror images.
// clang-format off
constexpr Shade kCorner[5][5] = {
    {{0x27, 0x0d}, {0x5d, 0x34}, {0x6c, 0x34}, {0x75, 0x32}, {0x75, 0x32}},
    {{0x62, 0x39}, {0x5a, 0x1f}, {0x00, 0x0a}, {0x00, 0x08}, {0x00, 0x07}},
    {{0x6c, 0x34}, {0x00, 0x09}, {0x00, 0x03}, {0x00, 0x03}, {0x00, 0x03}},
    {{0x75, 0x32}, {0x00, 0x08}, {0x00, 0x03}, {0x00, 0x03}, {0x00, 0x03}},
    {{0x75, 0x32}, {0x00, 0x07}, {0x00, 0x03}, {0x00, 0x03}, {0x00, 0x03}},
};
// clang-format on
// Along the straight sides: the line, a faint inner line, then the inside.
constexpr Shade kSide[3] = {{0x75, 0x32}, {0x00, 0x07}, {0x00, 0x03}};
constexpr int kCornerSize = 5;
// Fusion leaves this much room above a frame without a title.
constexpr int kTopMargin = 3;

// The shade laid over `under`, as one solid colour: a solid fill is a plain
// memory fill, while a see-through one is blended line by line, and on tall
// areas Qt hands those lines to helper threads.
QColor Over(Shade shade, const QColor &under)
{
    auto mix = [&](int channel) { return (shade.grey * shade.alpha + channel * (255 - shade.alpha) + 127) / 255; };
    return QColor(mix(under.red()), mix(under.green()), mix(under.blue()));
}

// The shade at depth `d` in from the nearest straight side.
Shade SideAt(int d) { return kSide[qMin(d, 2)]; }

// Draws the frame with its outer line on `box`'s edge (one tile in from the
// top and left of the area, as Fusion's picture has it), over `under`.
void DrawFrame(QPainter *painter, const QRect &box, const QColor &under)
{
    const int w = box.width(), h = box.height(), x0 = box.left(), y0 = box.top();
    auto Colour = [&](Shade shade) { return Over(shade, under); };
    auto dot = [&](int x, int y, Shade shade) { painter->fillRect(x0 + x, y0 + y, 1, 1, Colour(shade)); };
    // The bands along the top and the bottom, corners included.
    for (int r = 0; r < kCornerSize; ++r) {
        for (int y : {r, h - 1 - r}) {
            for (int c = 0; c < kCornerSize; ++c) {
                dot(c, y, kCorner[r][c]);
                dot(w - 1 - c, y, kCorner[r][c]);
            }
            painter->fillRect(x0 + kCornerSize, y0 + y, w - 2 * kCornerSize, 1, Colour(SideAt(r)));
        }
    }
    // Between them: the two sides and the inside.
    const int top = kCornerSize, rows = h - 2 * kCornerSize;
    for (int d = 0; d < 2; ++d) {
        painter->fillRect(x0 + d, y0 + top, 1, rows, Colour(SideAt(d)));
        painter->fillRect(x0 + w - 1 - d, y0 + top, 1, rows, Colour(SideAt(d)));
    }
    painter->fillRect(x0 + 2, y0 + top, w - 4, rows, Colour(SideAt(2)));
}

} // namespace

FrameStyle *FrameStyle::overSystemStyle()
{
    if (QApplication::style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        return nullptr;
    return new FrameStyle(QStyleFactory::create(QStringLiteral("fusion")));
}

FrameStyle::FrameStyle(QStyle *base) : QProxyStyle(base) {}

void FrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                               const QWidget *widget) const
{
    if (element != PE_FrameGroupBox) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // The room Fusion leaves for the title, or for the box of a checkable frame.
    const auto *group = qobject_cast<const QGroupBox *>(widget);
    const bool bare = group && !group->isCheckable() && group->title().isEmpty();
    const int top = bare ? kTopMargin
                         : qMax(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget), option->fontMetrics.height())
                               + kTopMargin;
    const QRect box = option->rect.adjusted(1, top + 1, 0, 0);
    if (box.width() < 2 * kCornerSize || box.height() < 2 * kCornerSize) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Frames stand on their page, which is painted in the window's colour.
    DrawFrame(painter, box, option->palette.color(QPalette::Window));
}

} // namespace quorlin
