#include "ui/legible_colours.h"

#include <QEvent>
#include <QPalette>
#include <QWidget>
#include <cmath>

namespace quorlin {

namespace {

// Relative luminance: how bright a colour looks, from 0 for black to 1 for white.
double Luminance(const QColor &c)
{
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

QColor Wanted(Tint tint, const QPalette &palette)
{
    switch (tint) {
    case Tint::Note: return QColor(0, 128, 0);
    case Tint::Link: return palette.color(QPalette::Link);
    }
    return palette.color(QPalette::WindowText);
}

void Paint(QWidget *widget, Tint tint)
{
    QPalette palette = widget->palette();
    const QColor colour = Legible(Wanted(tint, palette), palette.color(QPalette::Window));
    if (palette.color(QPalette::WindowText) == colour)
        return; // also ends the change event that setting it sends
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// Paints its widget again whenever the palette around it changes.
class Tinter : public QObject {
public:
    Tinter(QWidget *widget, Tint tint) : QObject(widget), tint_(tint) { widget->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::PaletteChange)
            Paint(static_cast<QWidget *>(watched), tint_);
        return false;
    }

private:
    Tint tint_;
};

} // namespace

double Contrast(const QColor &a, const QColor &b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QColor Legible(const QColor &wanted, const QColor &background)
{
    const bool lighten = Luminance(background) < 0.18; // about the middle of the grey scale to the eye
    QColor c = wanted.toHsl();
    for (int step = 0; step < 50 && Contrast(c, background) < 4.5; ++step) {
        const double l = qBound(0.0, c.lightnessF() + (lighten ? 0.02 : -0.02), 1.0);
        c = QColor::fromHslF(c.hslHueF(), c.hslSaturationF(), l);
    }
    return c.toRgb();
}

void ApplyTint(QWidget *widget, Tint tint)
{
    new Tinter(widget, tint);
    Paint(widget, tint);
}

} // namespace quorlin
