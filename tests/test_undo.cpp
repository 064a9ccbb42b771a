// Undo and redo on the settings pages, and whether there is unsaved work:
// each user action is one step, whatever it touched.
#include <QTemporaryDir>
#include <QtTest>

#include "core/scripted_dialogs.h"
#include "wizard/wizard_model.h"

using namespace quorlin;

namespace {

QString S(const char *text) { return QString::fromUtf8(text); }

} // namespace

class UndoTest : public QObject {
    Q_OBJECT
private slots:
    void everyKindOfActionUndoesAndRedoes();
    void typingIsOneStep();
    void draftOpenIsOneStepAndMarksTheWork();
    void theScriptPageKeepsItsOwnUndo();
};

void UndoTest::everyKindOfActionUndoesAndRedoes()
{
    ScriptedDialogs dialogs;
    WizardModel m(&dialogs);
    QVERIFY(!m.canUndo() && !m.isModified());

    m.setValue(S("Combo15"), S("沙漠"));
    m.click(S("Command21"));       // add (which also puts the land editor back)
    m.selectLines(S("Lst0"), {0}); // selecting is not a change of the work
    m.click(S("Command20"));       // delete
    m.click(S("Command5"));        // select all ready-made units
    m.setCheck(S("Check23"), 1);
    m.click(S("Command14")); // restore defaults

    QCOMPARE(m.settings().check(S("Check23")), 0);
    QCOMPARE(m.settings().check(S("Check8")), 1);
    const Project end = m.project();

    // Back through each step, seeing the state each one left.
    m.undo(); // restore defaults
    QCOMPARE(m.settings().check(S("Check23")), 1);
    m.undo(); // the tick
    QCOMPARE(m.settings().check(S("Check23")), 0);
    m.undo(); // select all
    QCOMPARE(m.settings().check(S("Check8")), 0);
    m.undo(); // delete
    QCOMPARE(m.lands().count(), 1);
    QCOMPARE(m.lands().line(0), S("沙漠"));
    m.undo(); // add
    QCOMPARE(m.lands().count(), 0);
    QCOMPARE(m.settings().text(S("Combo15")), S("沙漠"));
    m.undo(); // the typed terrain
    QVERIFY(!m.canUndo() && !m.isModified());

    for (int i = 0; i < 6; ++i)
        m.redo();
    QVERIFY(!m.canRedo());
    QVERIFY(m.project() == end);
    // Derived states follow the values: the elevation frame is hidden again.
    QVERIFY(!m.isVisible(S("Frame10")));

    // A new change after an undo drops what could have been redone.
    m.undo();
    m.setCheck(S("Check1"), 1);
    QVERIFY(!m.canRedo());
}

void UndoTest::typingIsOneStep()
{
    WizardModel m(nullptr);
    for (const char *text : {"1", "12", "123"})
        m.setText(S("Text2"), S(text));
    m.setSlider(S("Slider1"), 60);
    m.setSlider(S("Slider1"), 70);
    m.undo();
    QCOMPARE(m.settings().slider(S("Slider1")), 50);
    QCOMPARE(m.settings().text(S("Text2")), S("123"));
    m.undo();
    QCOMPARE(m.settings().text(S("Text2")), S("10"));
    // Clicks are steps of their own even on the same box.
    m.setCheck(S("Check1"), 1);
    m.setCheck(S("Check1"), 0);
    m.undo();
    QCOMPARE(m.settings().check(S("Check1")), 1);
}

void UndoTest::draftOpenIsOneStepAndMarksTheWork()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(S("a.qlx"));
    ScriptedDialogs dialogs;
    WizardModel source(&dialogs);
    source.setText(S("Label55"), S("骑士"));
    source.click(S("Command6"));
    source.setCheck(S("Check24"), 1);
    dialogs.fileNames << path;
    QVERIFY(source.saveDraft());
    QCOMPARE(source.draftPath(), path);
    QVERIFY(!source.isModified());

    WizardModel m(&dialogs);
    m.setCheck(S("Check1"), 1);
    QVERIFY(m.openDraftFile(path));
    QVERIFY(!m.isModified());
    QCOMPARE(m.units().count(), 1);
    m.undo(); // the whole draft goes at once, and its name with it
    QCOMPARE(m.units().count(), 0);
    QCOMPARE(m.settings().check(S("Check24")), 0);
    QCOMPARE(m.settings().check(S("Check1")), 1);
    QVERIFY(m.isModified());
    QCOMPARE(m.draftPath(), QString()); // so the next save cannot land on a.qlx unasked
    m.redo();
    QVERIFY(!m.isModified());
    QCOMPARE(m.draftPath(), path);

    // Settings from another draft come back with that draft's name and saved state.
    const QString old = dir.filePath(S("old.qlx"));
    WizardModel n(&dialogs);
    n.setCheck(S("Check1"), 1);
    dialogs.fileNames << old;
    QVERIFY(n.saveDraft());
    QVERIFY(n.openDraftFile(path));
    n.undo();
    QCOMPARE(n.draftPath(), old);
    QVERIFY(!n.isModified());
    QCOMPARE(n.proposedName(FileKind::Draft), old);
    // A save is no step: undoing a change made before it keeps the file.
    n.redo();
    n.setCheck(S("Check2"), 0);
    const QString later = dir.filePath(S("later.qlx"));
    dialogs.fileNames << later;
    QVERIFY(n.saveDraft());
    n.undo();
    QCOMPARE(n.draftPath(), later);
    QVERIFY(n.isModified());

    // A draft that cannot be read is no step at all.
    QVERIFY(!m.openDraftFile(dir.filePath(S("missing.qlx"))));
    m.undo();
    QCOMPARE(m.settings().check(S("Check1")), 1);
}

void UndoTest::theScriptPageKeepsItsOwnUndo()
{
    WizardModel m(nullptr);
    m.setCheck(S("Check23"), 1);
    while (m.page() != WizardModel::kLastPage)
        m.next();
    QVERIFY(!m.canUndo());
    m.undo();
    QCOMPARE(m.settings().check(S("Check23")), 1);
    m.back(); // start over: the settings' steps are there again
    QVERIFY(m.canUndo());
}

QTEST_GUILESS_MAIN(UndoTest)
#include "test_undo.moc"
