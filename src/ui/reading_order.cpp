#include "ui/reading_order.h"

#include "ui/check_titled_frame.h"

#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QWidget>
#include <algorithm>

namespace quorlin {

namespace {

void FromWidget(QWidget *widget, QVector<QWidget *> &out, bool labels);

// Walks the layouts in reading order; `labels` also collects the labels met.
void FromLayout(QLayout *layout, QVector<QWidget *> &out, bool labels)
{
    struct Placed {
        int row, column, index;
        QLayoutItem *item;
    };
    QVector<Placed> items;
    auto *grid = qobject_cast<QGridLayout *>(layout);
    for (int i = 0; i < layout->count(); ++i) {
        int row = 0, column = i, rowSpan = 0, columnSpan = 0;
        if (grid)
            grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        items.append({row, column, i, layout->itemAt(i)});
    }
    std::stable_sort(items.begin(), items.end(), [](const Placed &a, const Placed &b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    for (const Placed &p : items) {
        if (QWidget *w = p.item->widget())
            FromWidget(w, out, labels);
        else if (QLayout *inner = p.item->layout())
            FromLayout(inner, out, labels);
    }
}

void FromWidget(QWidget *widget, QVector<QWidget *> &out, bool labels)
{
    if (labels && qobject_cast<QLabel *>(widget)) {
        out << widget;
        return;
    }
    if (widget->focusPolicy() & Qt::TabFocus) {
        out << widget; // a control: whatever it holds inside is its own business
        return;
    }
    if (auto *framed = dynamic_cast<CheckTitledFrame *>(widget)) {
        for (QWidget *part : framed->readingOrder())
            FromWidget(part, out, labels);
    } else if (QLayout *layout = widget->layout()) {
        FromLayout(layout, out, labels);
    }
}

} // namespace

QVector<QWidget *> ReadingOrder(QWidget *root)
{
    QVector<QWidget *> out;
    FromWidget(root, out, false);
    return out;
}

void LinkFieldLabels(QWidget *root)
{
    QVector<QWidget *> walk;
    FromWidget(root, walk, true);
    QLabel *waiting = nullptr;
    for (QWidget *w : walk) {
        if (auto *label = qobject_cast<QLabel *>(w)) {
            // A page's title ends in "：" too, but heads the page, not a field.
            if (label->property(kPageTitle).toBool()) {
                waiting = nullptr;
                continue;
            }
            const bool caption = label->text().endsWith(QChar(0xFF1A)); // "："
            if (caption && !label->buddy())
                waiting = label;
        } else if (waiting) {
            waiting->setBuddy(w);
            waiting = nullptr;
        }
    }
}

void ChainTabs(const QVector<QWidget *> &widgets)
{
    for (int i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}

QWidget *FirstControl(QWidget *root)
{
    for (QWidget *w : ReadingOrder(root))
        if (w->isVisible() && w->isEnabled())
            return w;
    return nullptr;
}

} // namespace quorlin
