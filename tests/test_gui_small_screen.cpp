// Small screens (run on 800×600, 1024×768, and 1280×900 at 1.5 times the
// usual scale): with the preview on, the window fits, no page scrolls
// sideways, the buttons stay in sight, every control of every page can be
// scrolled to, and the preview yields to the pages rather than the reverse.
#include "test_gui_support.h"
#include "ui/page_split.h"
#include "ui/preview_panel.h"

#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

using namespace quorlin;
using namespace quorlin::test;

class SmallScreenTest : public QObject {
    Q_OBJECT
private slots:
    void everyControlIsReachable();
    void previewGivesWay();
    void previewKeepsTheWindowsPlaceAndState();
};

void SmallScreenTest::everyControlIsReachable()
{
    Wizard w;
    for (int i = 0; i < 12; ++i) {
        w.model.click(QStringLiteral("Command21"));
        w.model.click(QStringLiteral("Command4"));
    }
    for (const char *box : {"Check23", "Check24", "Check25", "Check26", "Check27", "Check28", "Check29"})
        w.model.setCheck(QString::fromLatin1(box), 1);
    w.window.showPreview(true);
    QCoreApplication::processEvents();
    QVERIFY(w.window.screen()->availableGeometry().contains(w.window.frameGeometry()));
    auto *split = w.window.findChild<PageSplit *>();
    QVERIFY(split->place() != PageSplit::Place::Hidden); // every screen here has room for it somewhere

    auto *scroll = w.get<QScrollArea>("PageScroll");
    for (int n = 0; n <= 5; ++n) {
        w.goTo(n);
        QCoreApplication::processEvents();
        QWidget *page = w.get(qPrintable(QStringLiteral("Pic(%1)").arg(n)));
        // Nothing sideways: the page has at least the width it needs, within the view.
        QVERIFY(!scroll->horizontalScrollBar()->isVisible());
        QVERIFY2(page->width() >= page->minimumSizeHint().width(), qPrintable(page->objectName()));
        QVERIFY(scroll->widget()->width() <= scroll->viewport()->width());
        for (QAbstractButton *button : w.window.findChildren<QAbstractButton *>()) {
            if (button->isVisible() && !page->isAncestorOf(button))
                QVERIFY2(w.window.rect().contains(QRect(button->mapTo(&w.window, QPoint()), button->size())),
                         qPrintable(button->objectName() + button->text()));
        }
        for (QWidget *control : page->findChildren<QWidget *>()) {
            if (!control->isVisible() || !(control->focusPolicy() & Qt::TabFocus) || control->objectName().isEmpty())
                continue;
            // The whole control, not only its cursor as ensureWidgetVisible would.
            const QRect inPages(control->mapTo(scroll->widget(), QPoint()), control->size());
            scroll->ensureVisible(inPages.center().x(), inPages.center().y(), inPages.width() / 2 + 1,
                                  inPages.height() / 2 + 1);
            // A list taller than the view is scrolled to in parts, never sideways.
            const QRect at(control->mapTo(scroll->viewport(), QPoint()), control->size());
            const QRect view = scroll->viewport()->rect();
            if (at.height() <= view.height())
                QVERIFY2(view.contains(at), qPrintable(control->objectName()));
            else
                QVERIFY2(view.left() <= at.left() && at.right() <= view.right() && view.intersects(at),
                         qPrintable(control->objectName()));
            QVERIFY2(control->width() >= control->minimumSizeHint().width(), qPrintable(control->objectName()));
        }
    }
}

void SmallScreenTest::previewGivesWay()
{
    Wizard w;
    w.window.showPreview(true);
    auto *split = w.window.findChild<PageSplit *>();
    auto *preview = w.window.findChild<PreviewPanel *>();
    auto *scroll = w.get<QScrollArea>("PageScroll");
    auto *note = w.get("PreviewHiddenNote");
    const int pages = split->pagesWidth();
    // Wide, narrower, below, hidden: the pages keep their width all along.
    const struct {
        int width, height;
        PageSplit::Place place;
    } steps[] = {{pages + 500, 700, PageSplit::Place::Beside},
                 {pages + PageSplit::kBesideWidth + 40, 700, PageSplit::Place::Beside},
                 {pages + 100, 700, PageSplit::Place::Below},
                 {pages + 100, 300, PageSplit::Place::Hidden},
                 {pages + 500, 700, PageSplit::Place::Beside}};
    for (const auto &step : steps) {
        w.window.resize(step.width, step.height);
        QCoreApplication::processEvents();
        QCOMPARE(split->place(), step.place);
        QCOMPARE(preview->isVisible(), step.place != PageSplit::Place::Hidden);
        QCOMPARE(note->isVisible(), step.place == PageSplit::Place::Hidden);
        QVERIFY(scroll->width() >= pages);
        if (step.place == PageSplit::Place::Beside)
            QVERIFY(preview->width() >= PageSplit::kBesideWidth);
    }
    // A window too narrow for the pages cannot be made.
    QVERIFY(w.window.minimumSizeHint().width() >= pages);
}

void SmallScreenTest::previewKeepsTheWindowsPlaceAndState()
{
    Wizard w;
    const QPoint place = w.window.pos();
    const int width = w.window.width();
    w.window.showPreview(true);
    w.window.showPreview(false);
    QCOMPARE(w.window.pos(), place);
    QCOMPARE(w.window.width(), width);

    w.window.showMaximized();
    QTRY_VERIFY(w.window.isMaximized() && w.window.width() > width);
    const QRect maximised = w.window.geometry();
    for (bool on : {true, false, true}) {
        w.window.showPreview(on);
        QCoreApplication::processEvents();
        QVERIFY(w.window.isMaximized());
        QCOMPARE(w.window.geometry(), maximised);
    }
}

QTEST_MAIN(SmallScreenTest)
#include "test_gui_small_screen.moc"
