// The window by keyboard and by what stays put: the paste guard, the keys of
// the buttons, Delete, undo from any field, the tab order, and controls that
// neither move nor vanish as the rules show and hide things.
#include "test_gui_support.h"

#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

using namespace quorlin;
using namespace quorlin::test;

class KeysTest : public QObject {
    Q_OBJECT
private slots:
    void pasteNeverCrashes();
    void keysPressTheButtons();
    void deleteKeys();
    void undoFromAnyField();
    void tabFollowsThePage();
    void controlsStayPut();
};

void KeysTest::pasteNeverCrashes()
{
    Wizard w;
    w.goTo(5);
    auto *txt = w.get<QPlainTextEdit>("Txt");
    const QString script = txt->toPlainText();
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(txt, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(txt, Qt::Key_Insert, Qt::ShiftModifier);
    QMetaObject::invokeMethod(txt, "paste");
    QTest::mouseClick(txt->viewport(), Qt::MiddleButton);
    auto *htmlOnly = new QMimeData;
    htmlOnly->setHtml(QStringLiteral("<b>x</b>"));
    htmlOnly->removeFormat(QStringLiteral("text/plain"));
    QGuiApplication::clipboard()->setMimeData(htmlOnly);
    QMetaObject::invokeMethod(txt, "paste");
    QCOMPARE(txt->toPlainText(), script);

    // Real text still pastes, as plain text.
    QGuiApplication::clipboard()->setText(QStringLiteral("/* 粘贴 */"));
    txt->moveCursor(QTextCursor::Start);
    QTest::keyClick(txt, Qt::Key_V, Qt::ControlModifier);
    QVERIFY(w.model.script().startsWith(QStringLiteral("/* 粘贴 */")));
}

void KeysTest::keysPressTheButtons()
{
    QTemporaryDir dir;
    Wizard w;
    QTest::keyClick(&w.window, Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(w.model.page(), 1);
    QTest::keyClick(&w.window, Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(w.model.page(), 0);
    QTest::keyClick(&w.window, Qt::Key_Left, Qt::AltModifier); // no page before the first
    QCOMPARE(w.model.page(), 0);

    auto *next = w.get<QPushButton>("Command2");
    next->setFocus();
    QTest::keyClick(next, Qt::Key_Return);
    QTest::keyClick(next, Qt::Key_Enter);
    QCOMPARE(w.model.page(), 2);
    QCOMPARE(QApplication::focusWidget(), next); // so Enter can go on

    const QString draft = dir.filePath(QStringLiteral("keys.qlx"));
    w.dialogs.fileNames << draft;
    QTest::keyClick(&w.window, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(QFile::exists(draft));
    w.dialogs.fileNames << draft;
    QTest::keyClick(&w.window, Qt::Key_O, Qt::ControlModifier); // nothing unsaved: nothing asked
    QVERIFY(w.dialogs.questions.isEmpty());
    QCOMPARE(w.model.draftPath(), draft);

    w.goTo(5);
    const QString script = dir.filePath(QStringLiteral("keys.rms"));
    w.dialogs.fileNames << script;
    QTest::keyClick(w.get("Txt"), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(w.model.isSaved());
    QCOMPARE(w.get<QLabel>("StatusLine")->text(), QStringLiteral("已保存：keys.rms（GBK）"));
    QTest::keyClick(&w.window, Qt::Key_O, Qt::ControlModifier); // no draft to open from here
    QVERIFY(w.dialogs.fileNames.isEmpty() && w.dialogs.proposedNames.size() == 3);
}

void KeysTest::deleteKeys()
{
    Wizard w;
    w.goTo(2);
    auto *from = w.get<QComboBox>("Combo6");
    from->setFocus();
    QTest::keyClick(from, Qt::Key_Down);
    QTest::keyClick(from, Qt::Key_Down);
    QCOMPARE(w.model.settings().text(QStringLiteral("Combo6")), QStringLiteral("0"));
    QTest::keyClick(from, Qt::Key_Delete);
    QCOMPARE(w.model.settings().text(QStringLiteral("Combo6")), QString());
    QCOMPARE(from->currentText(), QString());
    w.click("Command4");
    QVERIFY(!w.model.terrains().block(0).contains(QStringLiteral("height_limits")));

    // Each line tells its block; Delete removes the selected lines.
    w.click("Command4");
    auto *lines = w.get<QListWidget>("Lst1");
    QCOMPARE(lines->item(1)->toolTip(), QString(w.model.terrains().block(1)).replace("\r\n", "\n").trimmed());
    lines->setFocus();
    lines->item(0)->setSelected(true);
    QTest::keyClick(lines, Qt::Key_Delete);
    QCOMPARE(w.model.terrains().count(), 1);
}

void KeysTest::undoFromAnyField()
{
    Wizard w;
    w.goTo(2);
    auto *clumps = w.get<QLineEdit>("Text2");
    Retype(clumps, QStringLiteral("25"));
    QTest::keyClick(clumps, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(clumps->text(), QStringLiteral("10"));
    QTest::keyClick(clumps, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(w.model.settings().text(QStringLiteral("Text2")), QStringLiteral("25"));

    w.click("Command14");
    QCOMPARE(clumps->text(), QStringLiteral("10"));
    QVERIFY(w.get<QLabel>("StatusLine")->text().contains(QStringLiteral("Ctrl+Z")));
    QTest::keyClick(clumps, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); // nothing to redo
    QTest::keyClick(&w.window, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(clumps->text(), QStringLiteral("25"));
}

void KeysTest::tabFollowsThePage()
{
    Wizard w;
    auto order = [&w](const QWidget *from, int steps) {
        QStringList names;
        QWidget *at = const_cast<QWidget *>(from);
        while (names.size() < steps) {
            at = at->nextInFocusChain();
            if (at->isVisible() && at->isEnabled() && (at->focusPolicy() & Qt::TabFocus) && !at->objectName().isEmpty())
                names << at->objectName();
        }
        return names;
    };
    QCOMPARE(order(w.get("Combo1"), 4), (QStringList{"Check33", "Combo2", "Slider1", "Slider2"}));
    w.goTo(3);
    QCOMPARE(order(w.get("Command8"), 3), (QStringList{"Text6", "Text15", "Text7"}));
    QCOMPARE(order(w.get("Check37"), 3), (QStringList{"Command6", "Lst2", "Command9"})); // Text17 is off
    w.goTo(4);
    w.model.setCheck(QStringLiteral("Check23"), 1);
    QCOMPARE(order(w.get("Check23"), 2), (QStringList{"Combo8", "Combo9"}));
}

void KeysTest::controlsStayPut()
{
    Wizard w;
    w.goTo(2);
    auto *trees = w.get<QRadioButton>("Option6");
    const QPoint treesAt = trees->mapTo(&w.window, QPoint());
    Click(trees);
    QCOMPARE(trees->mapTo(&w.window, QPoint()), treesAt);

    w.goTo(4);
    QWidget *connections = w.get("Check25");
    const QPoint connectionsAt = connections->mapTo(&w.window, QPoint());
    w.click("Check23");
    w.click("Check24");
    QCOMPARE(connections->mapTo(&w.window, QPoint()), connectionsAt);

    // A size the user gave stays through every page.
    // (Never narrower than the pages need: they do not scroll sideways.)
    const QSize smaller(qMax(w.window.minimumSizeHint().width(), w.window.width() - 60), w.window.height() - 80);
    w.window.resize(smaller);
    for (int n : {3, 2, 1, 0, 1, 2, 3, 4, 5})
        w.goTo(n);
    QCOMPARE(w.window.size(), smaller);
}

QTEST_MAIN(KeysTest)
#include "test_gui_keys.moc"
