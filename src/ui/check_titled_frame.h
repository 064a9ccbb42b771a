#pragma once

#include <QVector>
#include <QWidget>

class QCheckBox;
class QGroupBox;

namespace quorlin {

// A frame whose title is a check box. The box sits on the frame's top left
// corner where a title would be, but it is not inside the frame: clearing it
// disables everything in the frame, never the box itself.
class CheckTitledFrame : public QWidget {
public:
    CheckTitledFrame(QCheckBox *title, QGroupBox *frame, QWidget *parent = nullptr);

    // The box first, then the frame, as a reader (and Tab) meets them.
    QVector<QWidget *> readingOrder() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    int overlap() const;
    QSize around(QSize frame) const;

    QCheckBox *title_;
    QGroupBox *frame_;
};

} // namespace quorlin
