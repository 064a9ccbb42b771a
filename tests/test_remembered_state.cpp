// What the window remembers between runs, without a window: the recent
// drafts' rules, and opening one of them.
#include "core/scripted_dialogs.h"
#include "wizard/remembered_state.h"
#include "wizard/wizard_model.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace quorlin;

class RememberedStateTest : public QObject {
    Q_OBJECT
private slots:
    void recentListKeepsItsRulesAcrossRuns();
    void recentDraftOpensAsAChosenOne();
};

void RememberedStateTest::recentListKeepsItsRulesAcrossRuns()
{
    QTemporaryDir dir;
    const QString storeFile = dir.filePath(QStringLiteral("quorlin.conf"));
    auto draft = [&](int n) { return dir.filePath(QStringLiteral("d%1.qlx").arg(n)); };
    {
        QSettings store(storeFile, QSettings::IniFormat);
        RememberedState state(store);
        QVERIFY(state.recentDrafts().isEmpty());
        for (int n = 1; n <= 12; ++n)
            state.noteDraft(draft(n));
        // Noted again under another spelling of the same file: it moves to the front, once.
        state.noteDraft(dir.path() + QStringLiteral("/sub/../d5.qlx"));
        state.setLastFolder(FileKind::Script, QStringLiteral("/maps"));
        state.setWindowGeometry(QByteArrayLiteral("geometry"));
    }
    QSettings store(storeFile, QSettings::IniFormat);
    RememberedState state(store);
    const QStringList expected = {draft(5), draft(12), draft(11), draft(10), draft(9),
                                  draft(8), draft(7),  draft(6),  draft(4),  draft(3)};
    QCOMPARE(state.recentDrafts(), expected);
    QCOMPARE(state.lastFolder(FileKind::Script), QStringLiteral("/maps"));
    QVERIFY(state.lastFolder(FileKind::Draft).isEmpty());
    QCOMPARE(state.windowGeometry(), QByteArrayLiteral("geometry"));

    // A store edited by hand still gives at most ten, each once.
    store.setValue(QStringLiteral("drafts/recent"), QStringList(11, draft(1)) + QStringList{QString(), draft(2)});
    QCOMPARE(state.recentDrafts(), (QStringList{draft(1), draft(2)}));
}

void RememberedStateTest::recentDraftOpensAsAChosenOne()
{
    QTemporaryDir dir;
    QSettings store(dir.filePath(QStringLiteral("quorlin.conf")), QSettings::IniFormat);
    RememberedState state(store);
    ScriptedDialogs dialogs;
    WizardModel model(&dialogs);
    const QString kept = dir.filePath(QStringLiteral("kept.qlx"));
    const QString gone = dir.filePath(QStringLiteral("gone.qlx"));
    model.setSlider(QStringLiteral("Slider1"), 60);
    QVERIFY(model.saveDraftTo(kept, nullptr));
    state.noteDraft(kept);
    state.noteDraft(gone);

    // A missing file leaves the list with a message; nothing is asked or changed.
    QVERIFY(!OpenRecentDraft(model, state, gone));
    QVERIFY(dialogs.questions.isEmpty());
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY(dialogs.messages.first().text.contains(gone));
    QCOMPARE(state.recentDrafts(), QStringList{kept});

    // An existing one asks what "打开草稿" asks, and Cancel keeps the work here.
    model.setSlider(QStringLiteral("Slider1"), 10);
    dialogs.answers = {Answer::Cancel, Answer::No};
    QVERIFY(!OpenRecentDraft(model, state, kept));
    QCOMPARE(model.settings().slider(QStringLiteral("Slider1")), 10);
    QVERIFY(OpenRecentDraft(model, state, kept));
    QCOMPARE(model.settings().slider(QStringLiteral("Slider1")), 60);
    QCOMPARE(dialogs.questions.size(), 2);
    QCOMPARE(dialogs.questions.first().text, dialogs.questions.last().text);
    QVERIFY(dialogs.questions.first().text.contains(QStringLiteral("打开草稿会替换")));
}

QTEST_GUILESS_MAIN(RememberedStateTest)
#include "test_remembered_state.moc"
