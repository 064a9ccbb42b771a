#pragma once

#include <QVector>

class QWidget;

namespace quorlin {

// The controls of `root` that take focus by Tab, in the order a reader meets
// them: by the layouts, grids row by row, boxes in their order, a framed group
// before what follows it. Hidden and disabled controls are included; Qt skips
// them when it moves the focus.
QVector<QWidget *> ReadingOrder(QWidget *root);

// The property that marks a page's title, which names no field.
inline constexpr char kPageTitle[] = "quorlinPageTitle";

// Gives each field label of `root` (a caption ending in "：") the control that
// follows it in reading order as its buddy: the label then follows the field's
// enabled state, and screen readers name the field by it.
void LinkFieldLabels(QWidget *root);

// Makes Tab follow `widgets` in that order.
void ChainTabs(const QVector<QWidget *> &widgets);

// The first control of `root` that can take the focus now, or nullptr.
QWidget *FirstControl(QWidget *root);

} // namespace quorlin
