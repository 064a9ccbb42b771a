#pragma once

#include <QColor>

class QWidget;

namespace quorlin {

// The few captions drawn in a colour of their own.
enum class Tint {
    Note, // the green reminder to press "添加"
    Link, // the blue, underlined "比例系数" that shows the map sizes on hover
};

// Draws the text of `widget` in `tint`, legible on its window background in
// whatever palette it has, now and after any change of palette (a dark
// theme chosen while the program runs).
void ApplyTint(QWidget *widget, Tint tint);

// The contrast ratio of two colours as readers of text perceive it, from 1 to 21.
double Contrast(const QColor &a, const QColor &b);

// `wanted`, made lighter or darker, with its hue kept, until it stands out
// from `background` at a contrast of 4.5:1 or more.
QColor Legible(const QColor &wanted, const QColor &background);

} // namespace quorlin
