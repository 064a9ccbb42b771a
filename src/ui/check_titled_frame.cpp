#include "ui/check_titled_frame.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLayout>

namespace quorlin {

namespace {
const int kIndent = 8;
}

CheckTitledFrame::CheckTitledFrame(QCheckBox *title, QGroupBox *frame, QWidget *parent)
    : QWidget(parent), title_(title), frame_(frame)
{
    frame_->setParent(this);
    title_->setParent(this);
    // The box hides the frame line behind it, as a title does.
    title_->setAutoFillBackground(true);
    title_->raise();
    if (QLayout *layout = frame_->layout()) {
        QMargins m = layout->contentsMargins();
        m.setTop(m.top() + overlap());
        layout->setContentsMargins(m);
    }
}

QVector<QWidget *> CheckTitledFrame::readingOrder() const { return {title_, frame_}; }

int CheckTitledFrame::overlap() const { return title_->sizeHint().height() / 2; }

QSize CheckTitledFrame::around(QSize frame) const
{
    const QSize title = title_->sizeHint();
    return {qMax(frame.width(), title.width() + 2 * kIndent), frame.height() + overlap()};
}

QSize CheckTitledFrame::sizeHint() const { return around(frame_->sizeHint()); }

QSize CheckTitledFrame::minimumSizeHint() const { return around(frame_->minimumSizeHint()); }

void CheckTitledFrame::resizeEvent(QResizeEvent *)
{
    const int top = overlap();
    frame_->setGeometry(0, top, width(), height() - top);
    title_->setGeometry(QRect(QPoint(kIndent, 0), title_->sizeHint()));
}

} // namespace quorlin
