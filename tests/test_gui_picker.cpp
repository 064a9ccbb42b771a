// The unit picker opened from the units page: its opening state, which
// chooser OK reads, and the main window taking no input while it is open.
#include "test_gui_support.h"

#include "names/picker_lists.h"
#include "ui/unit_picker.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCompleter>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>

using namespace quorlin;
using namespace quorlin::test;

namespace {

enum class Closing { Ok, Cancel, Escape, CloseBox };

UnitPicker *OpenPicker(Wizard &w)
{
    w.goTo(3);
    w.click("Command8");
    UnitPicker *picker = w.window.picker();
    if (picker && !QTest::qWaitForWindowExposed(picker))
        qWarning("the picker was not exposed");
    return picker;
}

template <class T = QWidget>
T *In(UnitPicker *picker, const QString &name)
{
    T *w = picker->findChild<T *>(name);
    if (!w)
        qFatal("the picker has no %s", qPrintable(name));
    return w;
}

// Picks entry `row` of a closed list with the keyboard.
void Pick(QComboBox *combo, int row)
{
    combo->setFocus();
    for (int i = 0; i <= row; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
}

void Close(UnitPicker *picker, Closing how)
{
    switch (how) {
    case Closing::Ok: Click(In<QPushButton>(picker, QStringLiteral("Command1"))); break;
    case Closing::Cancel: Click(In<QPushButton>(picker, QStringLiteral("Command2"))); break;
    case Closing::Escape: QTest::keyClick(picker, Qt::Key_Escape); break;
    case Closing::CloseBox: picker->close(); break;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void VerifyOpeningState(UnitPicker *picker)
{
    QCOMPARE(picker->objectName(), QStringLiteral("Form2"));
    QCOMPARE(picker->windowTitle(), QStringLiteral("选择单位类型"));
    QCOMPARE(picker->focusWidget(), In(picker, QStringLiteral("Search")));
    for (const PickerCategory &c : PickerCategories()) {
        auto *option = In<QRadioButton>(picker, c.option);
        QCOMPARE(option->text(), QString::fromUtf8(c.caption));
        QVERIFY2(!option->isChecked(), qPrintable(c.option));
        QCOMPARE(In(picker, c.chooser)->isVisible(), c.chooser == QLatin1String("Combo13"));
        if (auto *combo = qobject_cast<QComboBox *>(In(picker, c.chooser))) {
            QVERIFY(!combo->isEditable());
            QCOMPARE(combo->currentIndex(), -1);
            QCOMPARE(combo->count(), int(c.entries.size()));
            QCOMPARE(combo->itemText(combo->count() - 1), c.entries.last());
        } else {
            QVERIFY(In<QLineEdit>(picker, c.chooser)->text().isEmpty());
        }
    }
}

} // namespace

Q_DECLARE_METATYPE(Closing)

class PickerTest : public QObject {
    Q_OBJECT
private slots:
    void opensInItsOpeningState();
    void layoutRows();
    void okWritesTheShownChooser();
    void mainWindowWaitsWhileOpen_data();
    void mainWindowWaitsWhileOpen();
    void reopeningForgetsTheLastChoice();
    void tabGoesOnToTheList();
    void searchPicksAcrossLists();
    void searchFindsWhatPeopleType();
    void typedUnitIsMarked();
};

void PickerTest::opensInItsOpeningState()
{
    Wizard w;
    UnitPicker *picker = OpenPicker(w);
    QVERIFY(picker);
    QVERIFY(picker->isVisible());
    QVERIFY(!w.window.isEnabled());
    VerifyOpeningState(picker);
    QCOMPARE(In<QPushButton>(picker, QStringLiteral("Command1"))->text(), QStringLiteral("确定"));
    QCOMPARE(In<QPushButton>(picker, QStringLiteral("Command2"))->text(), QStringLiteral("取消"));
    // Moving the focus over the options chooses none of them.
    QTest::keyClick(picker, Qt::Key_Tab);
    for (const PickerCategory &c : PickerCategories())
        QVERIFY2(!In<QRadioButton>(picker, c.option)->isChecked(), qPrintable(c.option));
    Close(picker, Closing::Cancel);
}

void PickerTest::layoutRows()
{
    Wizard w;
    UnitPicker *picker = OpenPicker(w);
    auto top = [picker](const char *name) { return In(picker, QString::fromLatin1(name))->geometry().top(); };
    auto left = [picker](const char *name) { return In(picker, QString::fromLatin1(name))->geometry().left(); };
    for (const char *o : {"Option2", "Option3", "Option4", "Option5"})
        QCOMPARE(top(o), top("Option1"));
    for (const char *o : {"Option7", "Option8", "Option9"})
        QCOMPARE(top(o), top("Option6"));
    for (const char *o : {"Option12", "Option13", "Option14"})
        QCOMPARE(top(o), top("Option11"));
    QVERIFY(top("Option1") < top("Option6"));
    QVERIFY(top("Option6") < top("Option11"));
    QVERIFY(top("Option11") < top("Option10"));
    QVERIFY(top("Combo1") > top("Option1") && top("Combo1") < top("Option6"));
    QVERIFY(top("Combo13") > top("Option14") && top("Combo13") < top("Option10"));
    QCOMPARE(left("Combo13"), left("Option14"));
    QVERIFY(left("Text1") > left("Option10"));
    QVERIFY(top("Command1") >= top("Option10"));
    QVERIFY(left("Command2") > left("Command1"));
    Close(picker, Closing::Cancel);
}

void PickerTest::okWritesTheShownChooser()
{
    Wizard w;
    // OK right away: the hero list is shown with nothing picked, so the unit is cleared.
    w.model.setText(QStringLiteral("Label55"), QStringLiteral("民兵"));
    Close(OpenPicker(w), Closing::Ok);
    QCOMPARE(w.model.settings().text("Label55"), QString());
    QCOMPARE(w.get<QLabel>("Label55")->text(), QString());

    // A pick in a chooser that is hidden again does not count.
    w.model.setText(QStringLiteral("Label55"), QStringLiteral("民兵"));
    UnitPicker *picker = OpenPicker(w);
    Click(In<QRadioButton>(picker, QStringLiteral("Option1")));
    QVERIFY(In(picker, QStringLiteral("Combo1"))->isVisible());
    QVERIFY(!In(picker, QStringLiteral("Combo13"))->isVisible());
    Pick(In<QComboBox>(picker, QStringLiteral("Combo1")), 1);
    QCOMPARE(picker->choice(), QStringLiteral("剑士"));
    Click(In<QRadioButton>(picker, QStringLiteral("Option11")));
    QVERIFY(!In(picker, QStringLiteral("Combo1"))->isVisible());
    Close(picker, Closing::Ok);
    QCOMPARE(w.model.settings().text("Label55"), QString());

    // A typed ID passes unchanged.
    picker = OpenPicker(w);
    Click(In<QRadioButton>(picker, QStringLiteral("Option10")));
    // The click has put the cursor in the ID field.
    QCOMPARE(picker->focusWidget(), In(picker, QStringLiteral("Text1")));
    QTest::keyClicks(picker->focusWidget(), " 12a, ");
    Close(picker, Closing::Ok);
    QCOMPARE(w.model.settings().text("Label55"), QStringLiteral(" 12a, "));
}

void PickerTest::mainWindowWaitsWhileOpen_data()
{
    QTest::addColumn<Closing>("closing");
    QTest::addColumn<bool>("writes");
    QTest::newRow("ok") << Closing::Ok << true;
    QTest::newRow("cancel") << Closing::Cancel << false;
    QTest::newRow("escape") << Closing::Escape << false;
    QTest::newRow("close box") << Closing::CloseBox << false;
}

void PickerTest::mainWindowWaitsWhileOpen()
{
    QFETCH(Closing, closing);
    QFETCH(bool, writes);
    Wizard w;
    w.model.setText(QStringLiteral("Label55"), QStringLiteral("民兵"));
    UnitPicker *picker = OpenPicker(w);
    Click(In<QRadioButton>(picker, QStringLiteral("Option2")));
    Pick(In<QComboBox>(picker, QStringLiteral("Combo2")), 0);

    // Nothing on the main window answers meanwhile, its close box included.
    QVERIFY(!w.window.isEnabled());
    w.click("Command2");
    w.click("Command8");
    QCOMPARE(w.model.page(), 3);
    QCOMPARE(w.window.picker(), picker);
    QVERIFY(!w.window.close());
    QVERIFY(w.window.isVisible());

    Close(picker, closing);
    QVERIFY(w.window.isEnabled());
    QVERIFY(!w.window.picker());
    QCOMPARE(w.model.settings().text("Label55"), writes ? QStringLiteral("步弓手") : QStringLiteral("民兵"));
    QCOMPARE(w.get<QLabel>("Label55")->text(), w.model.settings().text("Label55"));
    w.click("Command2");
    QCOMPARE(w.model.page(), 4);
}

void PickerTest::reopeningForgetsTheLastChoice()
{
    Wizard w;
    UnitPicker *first = OpenPicker(w);
    Click(In<QRadioButton>(first, QStringLiteral("Option7")));
    Pick(In<QComboBox>(first, QStringLiteral("Combo7")), 3);
    Close(first, Closing::Ok);
    QCOMPARE(w.model.settings().text("Label55"), QStringLiteral("西班牙征服者"));

    UnitPicker *second = OpenPicker(w);
    QVERIFY(second);
    VerifyOpeningState(second);
    Close(second, Closing::Cancel);
    QCOMPARE(w.model.settings().text("Label55"), QStringLiteral("西班牙征服者"));
}

// Qt makes the options one Tab stop, the chosen one; its list comes next.
void PickerTest::tabGoesOnToTheList()
{
    Wizard w;
    UnitPicker *picker = OpenPicker(w);
    Click(In<QRadioButton>(picker, QStringLiteral("Option1")));
    QTest::keyClick(picker->focusWidget(), Qt::Key_Tab);
    QCOMPARE(picker->focusWidget(), In(picker, QStringLiteral("Combo1")));
    Close(picker, Closing::Cancel);
}

// A match is picked in its own list as if its option had been clicked, a name
// standing twice by where it stands; Enter in the search field picks the
// highlighted match and never presses OK.
void PickerTest::searchPicksAcrossLists()
{
    struct Match {
        const char *typed;
        int downs;
        const char *option;
        int row;
    };
    for (const Match &m : {Match{"剑士", 1, "Option1", 1}, {"绵羊", 2, "Option9", 51}, {"野猪", 4, "Option9", 75}}) {
        const QString typed = QString::fromUtf8(m.typed);
        Wizard w;
        UnitPicker *picker = OpenPicker(w);
        auto *option = In<QRadioButton>(picker, QString::fromLatin1(m.option));
        auto *search = In<QLineEdit>(picker, QStringLiteral("Search"));
        QTest::keyClick(search, Qt::Key_Return);
        TypeText(search, typed);
        QAbstractItemView *popup = search->completer()->popup();
        for (int i = 0; i < m.downs; ++i)
            QTest::keyClick(popup, Qt::Key_Down);
        QCOMPARE(popup->currentIndex().data().toString(), typed + " — " + option->text());
        QTest::keyClick(popup, Qt::Key_Return);
        QVERIFY(picker->isVisible());
        QVERIFY(option->isChecked());
        QCOMPARE(picker->focusWidget()->property("currentIndex"), QVariant(m.row));
        Close(picker, Closing::Ok);
        QCOMPARE(w.model.settings().text("Label55"), typed);
    }
}

// Constants, words inside them and everyday names find their entries, a
// pick puts the name in the field, and nothing found is said.
void PickerTest::searchFindsWhatPeopleType()
{
    Wizard w;
    UnitPicker *picker = OpenPicker(w);
    auto *search = In<QLineEdit>(picker, QStringLiteral("Search"));
    auto *notFound = In<QLabel>(picker, QStringLiteral("NotFound"));
    QVERIFY(!notFound->isVisible());
    QAbstractItemView *popup = search->completer()->popup();
    auto matches = [&](const QString &typed) {
        Retype(search, typed);
        QStringList shown;
        for (int row = 0; row < popup->model()->rowCount(); ++row)
            shown << popup->model()->index(row, 0).data().toString();
        return shown;
    };
    QCOMPARE(matches("金矿"), QStringList{"黄金 — 盖亚单位"});
    QVERIFY(matches("gold").contains("一堆黄金 — 隐藏盖亚单位"));
    QCOMPARE(matches("GOLD").first(), QStringLiteral("黄金 — 盖亚单位"));
    QVERIFY(matches("relic").contains("遗迹 — 盖亚单位"));
    QVERIFY(matches("relic").contains("拿着遗迹的僧侣 — 隐藏兵种"));
    QCOMPARE(matches("DEER"), QStringList{"鹿 — 盖亚单位"});
    QVERIFY(matches("石头").contains("石矿 — 盖亚单位"));
    QVERIFY(!notFound->isVisible());

    QVERIFY(matches("zzz").isEmpty() || !popup->isVisible());
    QVERIFY(notFound->isVisible());
    QCOMPARE(search->accessibleDescription(), QStringLiteral("没有找到"));
    Retype(search, QStringLiteral("金矿"));
    QVERIFY(!notFound->isVisible());

    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    QCOMPARE(search->text(), QStringLiteral("黄金"));
    QVERIFY(In<QRadioButton>(picker, QStringLiteral("Option9"))->isChecked());
    Close(picker, Closing::Ok);
    QCOMPARE(w.model.settings().text("Label55"), QStringLiteral("黄金"));
}

void PickerTest::typedUnitIsMarked()
{
    Wizard w;
    UnitPicker *picker = OpenPicker(w);
    Click(In<QRadioButton>(picker, QStringLiteral("Option10")));
    auto *typed = In<QLineEdit>(picker, QStringLiteral("Text1"));
    auto shown = [typed] {
        auto *mark = typed->findChild<QAction *>("FieldMark");
        return mark && mark->isVisible();
    };
    TypeText(typed, QStringLiteral("12"));
    QVERIFY(!shown());
    TypeText(typed, QStringLiteral("-x"));
    QVERIFY(shown());
    QVERIFY(typed->toolTip().contains(QStringLiteral("create_object  12-x")));
    QVERIFY(typed->accessibleDescription().contains(QStringLiteral("不是游戏认识的单位")));
    Close(picker, Closing::Ok);
    // It still goes in as typed.
    QCOMPARE(w.model.settings().text("Label55"), QStringLiteral("12-x"));
}

QTEST_MAIN(PickerTest)
#include "test_gui_picker.moc"
