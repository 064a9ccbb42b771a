// A 1280×900 screen at 1.5 times the usual scale: the window fits, the
// buttons under the pages stay in sight, and every control of every page can
// be scrolled to.
#include "test_gui_support.h"

#include <QScreen>
#include <QScrollArea>
#include <QtTest>

using namespace quorlin;
using namespace quorlin::test;

class SmallScreenTest : public QObject {
    Q_OBJECT
private slots:
    void everyControlIsReachable();
};

void SmallScreenTest::everyControlIsReachable()
{
    Wizard w;
    QCOMPARE(w.window.screen()->availableGeometry().size(), QSize(853, 600)); // the scaled screen
    for (int i = 0; i < 12; ++i) {
        w.model.click(QStringLiteral("Command21"));
        w.model.click(QStringLiteral("Command4"));
    }
    for (const char *box : {"Check23", "Check24", "Check25", "Check26", "Check27", "Check28", "Check29"})
        w.model.setCheck(QString::fromLatin1(box), 1);
    QVERIFY(w.window.screen()->availableGeometry().contains(w.window.frameGeometry()));

    auto *scroll = w.get<QScrollArea>("PageScroll");
    for (int n = 0; n <= 5; ++n) {
        w.goTo(n);
        QCoreApplication::processEvents();
        for (const char *name : {"Command1", "Command2", "Command3", "Command14", "Command15", "Command16"}) {
            QWidget *button = w.get(name);
            if (button->isVisible())
                QVERIFY2(w.window.rect().contains(QRect(button->mapTo(&w.window, QPoint()), button->size())), name);
        }
        QWidget *page = w.get(qPrintable(QStringLiteral("Pic(%1)").arg(n)));
        for (QWidget *control : page->findChildren<QWidget *>()) {
            if (!control->isVisible() || !(control->focusPolicy() & Qt::TabFocus) || control->objectName().isEmpty())
                continue;
            // The whole control, not only its cursor as ensureWidgetVisible would.
            const QRect inPages(control->mapTo(scroll->widget(), QPoint()), control->size());
            scroll->ensureVisible(inPages.center().x(), inPages.center().y(), inPages.width() / 2 + 1,
                                  inPages.height() / 2 + 1);
            const QRect at(control->mapTo(scroll->viewport(), QPoint()), control->size());
            QVERIFY2(scroll->viewport()->rect().contains(at), qPrintable(control->objectName()));
        }
    }
}

QTEST_MAIN(SmallScreenTest)
#include "test_gui_small_screen.moc"
