// The marks on the pages: shown inside the field as it is typed, with the
// tooltip and description saying what the script will hold, gone when the
// text reads right again; an add with marked fields still adds and says so.
#include "test_gui_support.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QtTest>

using namespace quorlin;
using namespace quorlin::test;

namespace {

// Whether the field's sign is shown: an action inside a text, else a child badge.
bool Marked(QWidget *control)
{
    QLineEdit *edit = qobject_cast<QLineEdit *>(control);
    if (auto *combo = qobject_cast<QComboBox *>(control))
        edit = combo->lineEdit();
    if (edit) {
        auto *action = edit->findChild<QAction *>("FieldMark");
        return action && action->isVisible();
    }
    auto *badge = control->findChild<QWidget *>("FieldMark");
    return badge && badge->isVisible();
}

} // namespace

class FieldMarksGuiTest : public QObject {
    Q_OBJECT
private slots:
    void marksFollowTheTyping();
    void listsAndCaptionsAreMarkedToo();
    void addStillAddsAndSaysWhatWentIn();
};

void FieldMarksGuiTest::marksFollowTheTyping()
{
    Wizard w;
    w.goTo(3);
    auto *groups = w.get<QLineEdit>("Text15");
    QVERIFY(!Marked(groups));
    Retype(groups, QStringLiteral("2"));
    QVERIFY(!Marked(groups));
    TypeText(groups, QStringLiteral("x"));
    QVERIFY(Marked(groups));
    // The field's own tooltip stays first; the mark says what the script holds.
    QCOMPARE(groups->toolTip(), QStringLiteral("0代表不分组\n“2x”不是数字。\n脚本中将写入：number_of_groups  2"));
    QVERIFY(groups->accessibleDescription().contains(QStringLiteral("“2x”不是数字")));
    QTest::keyClick(groups, Qt::Key_Backspace);
    QVERIFY(!Marked(groups));
    QCOMPARE(groups->toolTip(), QStringLiteral("0代表不分组"));
    QVERIFY(groups->accessibleDescription().isEmpty());

    // A field described by the page says both: its caption and its mark.
    w.goTo(2);
    auto *clumps = w.get<QLineEdit>("Text2");
    Retype(clumps, QStringLiteral("abc"));
    QVERIFY(Marked(clumps));
    QVERIFY(clumps->accessibleDescription().startsWith(QStringLiteral("×")));
    QVERIFY(clumps->accessibleDescription().contains(QStringLiteral("number_of_clumps  0")));
}

void FieldMarksGuiTest::listsAndCaptionsAreMarkedToo()
{
    Wizard w;
    w.goTo(1);
    auto *terrain = w.get<QComboBox>("Combo15");
    Retype(terrain, QStringLiteral("lava"));
    QVERIFY(Marked(terrain));
    QVERIFY(terrain->toolTip().contains(QStringLiteral("terrain_type  lava")));

    w.goTo(2);
    auto *lowest = w.get<QComboBox>("Combo6");
    lowest->setCurrentIndex(lowest->findText(QStringLiteral("5")));
    QVERIFY(Marked(lowest)); // the highest is blank: 0, so the two are swapped
    auto *highest = w.get<QComboBox>("Combo7");
    highest->setCurrentIndex(highest->findText(QStringLiteral("6")));
    QVERIFY(!Marked(lowest));

    w.goTo(3);
    auto *unit = w.get<QLabel>("Label55");
    w.model.setText(QStringLiteral("Label55"), QStringLiteral("xyz-12"));
    QVERIFY(Marked(unit));
    QVERIFY(unit->findChild<QWidget *>("FieldMark")->geometry().right() <= unit->width());
    w.model.setText(QStringLiteral("Label55"), QStringLiteral("黄金"));
    QVERIFY(!Marked(unit));
    QCOMPARE(unit->toolTip(), QStringLiteral("脚本中写作：GOLD"));
}

void FieldMarksGuiTest::addStillAddsAndSaysWhatWentIn()
{
    Wizard w;
    w.goTo(3);
    w.model.setText(QStringLiteral("Label55"), QStringLiteral("黄金"));
    Retype(w.get<QLineEdit>("Text6"), QStringLiteral("-5"));
    w.click("Command6");
    QCOMPARE(w.model.units().count(), 1);
    QVERIFY(!w.model.units().block(0).contains(QStringLiteral("number_of_objects")));
    const QString status = w.get<QLabel>("StatusLine")->text();
    QVERIFY2(status.startsWith(QStringLiteral("已添加")) && status.contains(QStringLiteral("单位数量")),
             qPrintable(status));
    // The frame is back to its defaults, and so are the marks.
    QVERIFY(!Marked(w.get<QLineEdit>("Text6")));
}

QTEST_MAIN(FieldMarksGuiTest)
#include "test_gui_field_marks.moc"
