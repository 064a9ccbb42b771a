// The look of the system's style with one change: in Fusion, a frame around
// a group of fields is drawn from its table of shades rather than from
// Fusion's picture of it. Loading that picture makes Qt look through every
// image plugin and start two helper threads to scale it, all before the first
// page can be shown; the frame looks the same either way.
#pragma once

#include <QProxyStyle>

namespace quorlin {

class FrameStyle : public QProxyStyle {
public:
    // Over Fusion; `nullptr` when the system's style is another, which is
    // then kept as it is.
    static FrameStyle *overSystemStyle();

    explicit FrameStyle(QStyle *base);
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
};

} // namespace quorlin
