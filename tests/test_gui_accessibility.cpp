// The window as a screen reader meets it: every focusable control of the six
// pages and the unit picker has a name, the captions beside a slider reach its
// description after every change, and coloured captions keep their contrast.
#include "test_gui_support.h"

#include "ui/legible_colours.h"
#include "ui/unit_picker.h"

#include <QAccessible>
#include <QLabel>
#include <QSlider>
#include <QStyleFactory>
#include <QtTest>

using namespace quorlin;
using namespace quorlin::test;

namespace {

// The focusable widgets of `window` below `iface` without a name. The items of a
// list speak their own text, and a list's popup is a window of its own.
void Unnamed(QAccessibleInterface *iface, const QWidget *window, QStringList &unnamed, int &walked)
{
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface *child = iface->child(i);
        if (!child)
            continue;
        auto *widget = qobject_cast<QWidget *>(child->object());
        if (widget && widget->window() == window && child->state().focusable) {
            ++walked;
            if (child->text(QAccessible::Name).trimmed().isEmpty())
                unnamed << widget->objectName() + QLatin1Char('/') + QLatin1String(widget->metaObject()->className());
        }
        Unnamed(child, window, unnamed, walked);
    }
}

void VerifyAllNamed(QWidget *root)
{
    QStringList unnamed;
    int walked = 0;
    Unnamed(QAccessible::queryAccessibleInterface(root), root, unnamed, walked);
    qInfo("%s: %d focusable controls, %lld without a name", qPrintable(root->objectName()), walked,
          static_cast<long long>(unnamed.size()));
    QVERIFY(walked > 20);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1String(", "))));
}

QString Description(QWidget *w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description); }

// Every caption that stands with a slider (its value, its two ends) is in its description.
void VerifySliderDescriptions(Wizard &w)
{
    const auto sliders = w.window.findChildren<QSlider *>();
    QVERIFY(sliders.size() >= 13);
    for (QSlider *slider : sliders)
        for (QLabel *label : slider->parentWidget()->findChildren<QLabel *>())
            QVERIFY2(Description(slider).contains(label->text()), qPrintable(slider->objectName()));
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void everyControlHasAName();
    void valueLabelsReachDescriptions();
    void colouredCaptionsKeepContrast();
};

void AccessibilityTest::everyControlHasAName()
{
    Wizard w;
    w.window.showPreview(true); // the preview panel is built on its first showing
    VerifyAllNamed(&w.window);
    w.window.showPreview(false);
    w.goTo(3);
    w.click("Command8");
    QVERIFY(w.window.picker());
    VerifyAllNamed(w.window.picker());
    w.window.picker()->reject();
}

void AccessibilityTest::valueLabelsReachDescriptions()
{
    Wizard w;
    VerifySliderDescriptions(w);
    auto *slider = w.get<QSlider>("Slider1");
    w.model.setSlider(QStringLiteral("Slider1"), 64);
    QVERIFY(Description(slider).contains(QLatin1String("64%")));
    w.model.click(QStringLiteral("Command14")); // restore defaults moves every slider
    VerifySliderDescriptions(w);
    // The fields counted in map-size scale factors say so.
    for (const char *field : {"Text2", "Text8", "Text9"})
        QVERIFY2(Description(w.get(field)).contains(QStringLiteral("比例系数")), field);
}

void AccessibilityTest::colouredCaptionsKeepContrast()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    Wizard w;
    // Light as the style has it, then dark while the window is open, as a desktop theme switches.
    for (const bool dark : {false, true}) {
        QPalette palette = QApplication::style()->standardPalette();
        if (dark)
            palette.setColor(QPalette::Window, QColor(0x2d, 0x2d, 0x2d));
        QApplication::setPalette(palette);
        QCoreApplication::processEvents();
        for (const char *name : {"Label58", "Lble(0)", "Label16", "Label24", "Label34"}) {
            const QPalette &p = w.get(name)->palette();
            QVERIFY2(Contrast(p.color(QPalette::WindowText), p.color(QPalette::Window)) >= 4.5, name);
        }
    }
    QApplication::setPalette(QApplication::style()->standardPalette());
}

QTEST_MAIN(AccessibilityTest)
#include "test_gui_accessibility.moc"
