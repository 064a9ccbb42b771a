// The script page and the ways out of the program: editing the script, saving
// it, and the one save question of the exit button and the close box, which
// names all that is unsaved. Nothing typed may be lost without an explicit
// "不保存".
#include "test_gui_support.h"
#include "test_script_support.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>

using namespace quorlin;
using namespace quorlin::test;

namespace {

enum class Way { ExitButton, CloseBox };

// Leaves the program by the exit button or the close box; true when the window closed.
bool Leave(Wizard &w, Way way)
{
    if (way == Way::ExitButton)
        w.click("Command3");
    else
        w.window.close();
    return !w.window.isVisible();
}

} // namespace

Q_DECLARE_METATYPE(Way)

class ExitTest : public QObject {
    Q_OBJECT
private slots:
    void typedScriptIsSavedAsShown();
    void settingsPagesLeaveWithoutAsking_data();
    void settingsPagesLeaveWithoutAsking();
    void changedSettingsAsk_data();
    void changedSettingsAsk();
    void titleMarksUnsavedChanges();
    void startOverAsksForHandEdits_data();
    void startOverAsksForHandEdits();
    void scriptGbkCannotHoldIsRefused();
    void unsavedScriptAsks_data();
    void unsavedScriptAsks();
    void draftAndScriptAskOnce_data();
    void draftAndScriptAskOnce();
    void scriptPageSavesTheDraft();
    void savedScriptLeavesUntilTheNextKeystroke();
    void draftNamedAtStart();

private:
    QTemporaryDir dir_;
};

void ExitTest::typedScriptIsSavedAsShown()
{
    Wizard w;
    w.goTo(5);
    auto *txt = w.get<QPlainTextEdit>("Txt");
    QCOMPARE(txt->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(txt->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(txt->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(!txt->isReadOnly());
    const QString built = w.model.script();

    // Typing in the middle: every key lands where the cursor is, so mirroring
    // the model back must not move the cursor.
    txt->setFocus();
    QTextCursor cursor = txt->textCursor();
    cursor.setPosition(0);
    txt->setTextCursor(cursor);
    QTest::keyClicks(txt, "ab");
    QTest::keyClick(txt, Qt::Key_Return);
    QTest::keyClicks(txt, "c");
    QCOMPARE(txt->textCursor().position(), 4);
    QCOMPARE(w.model.script(), QStringLiteral("ab\r\nc") + built);
    QVERIFY(!w.model.isSaved());

    // Saving writes the text as shown, every line end CR LF, and the window stays.
    const QString path = dir_.filePath(QStringLiteral("edited.rms"));
    w.dialogs.fileNames << path;
    w.click("CmdGo");
    QVERIFY(w.model.isSaved());
    const QByteArray bytes = testing::ReadFile(path);
    QVERIFY(bytes.startsWith("ab\r\nc/* "));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QVERIFY(w.window.isVisible());

    QTest::keyClick(txt, Qt::Key_Backspace);
    QTest::keyClick(txt, Qt::Key_Backspace);
    QCOMPARE(w.model.script(), QStringLiteral("ab") + built);
    QVERIFY(!w.model.isSaved());
}

void ExitTest::settingsPagesLeaveWithoutAsking_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<Way>("way");
    for (int page = 0; page <= 4; ++page) {
        QTest::addRow("exit button on page %d", page) << page << Way::ExitButton;
        QTest::addRow("close box on page %d", page) << page << Way::CloseBox;
    }
}

void ExitTest::settingsPagesLeaveWithoutAsking()
{
    QFETCH(int, page);
    QFETCH(Way, way);
    Wizard w;
    w.goTo(page);
    QVERIFY(Leave(w, way));
    QVERIFY(w.dialogs.questions.isEmpty());
}

void ExitTest::changedSettingsAsk_data()
{
    QTest::addColumn<Way>("way");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QString>("file"); // what the draft dialog returns; empty is a cancel
    QTest::addColumn<bool>("closes");
    for (Way way : {Way::ExitButton, Way::CloseBox}) {
        const char *by = way == Way::ExitButton ? "exit button" : "close box";
        QTest::addRow("%s, save", by) << way << Answer::Yes << QStringLiteral("work.qlx") << true;
        QTest::addRow("%s, save cancelled", by) << way << Answer::Yes << QString() << false;
        QTest::addRow("%s, discard", by) << way << Answer::No << QString() << true;
        QTest::addRow("%s, cancel", by) << way << Answer::Cancel << QString() << false;
    }
}

void ExitTest::changedSettingsAsk()
{
    QFETCH(Way, way);
    QFETCH(Answer, answer);
    QFETCH(QString, file);
    QFETCH(bool, closes);
    Wizard w;
    w.goTo(1);
    w.click("Command21"); // a land added and never kept in a draft
    const QString path = file.isEmpty() ? QString() : dir_.filePath(file);
    QFile::remove(path);
    w.dialogs.answers << answer;
    w.dialogs.fileNames << path;

    QCOMPARE(Leave(w, way), closes);
    QCOMPARE(w.dialogs.questions.size(), 1);
    QCOMPARE(w.dialogs.questions.first().text,
             QStringLiteral("设置和已添加的项目有改动，尚未保存为草稿。退出会丢失这些改动。要先保存草稿吗？"));
    QCOMPARE(!path.isEmpty() && QFile::exists(path), answer == Answer::Yes && closes);
    QCOMPARE(w.model.lands().count(), 1);
}

void ExitTest::titleMarksUnsavedChanges()
{
    Wizard w;
    QCOMPARE(w.window.windowTitle(), QStringLiteral("Quorlin"));
    w.click("Check1");
    QCOMPARE(w.window.windowTitle(), QStringLiteral("未命名* — Quorlin"));
    const QString path = dir_.filePath(QStringLiteral("地图.qlx"));
    w.dialogs.fileNames << path;
    w.click("Command15");
    QCOMPARE(w.window.windowTitle(), QStringLiteral("地图.qlx — Quorlin"));
    auto *status = w.get<QLabel>("StatusLine");
    QCOMPARE(status->text(), QStringLiteral("已保存：地图.qlx"));
    w.click("Check1");
    QCOMPARE(w.window.windowTitle(), QStringLiteral("地图.qlx* — Quorlin"));
    QCOMPARE(status->text(), QString()); // no longer true
    w.click("Check1");                   // back as saved: nothing left to save
    QCOMPARE(w.window.windowTitle(), QStringLiteral("地图.qlx — Quorlin"));

    // The script page's file joins the title once it has one.
    w.goTo(5);
    QCOMPARE(w.window.windowTitle(), QStringLiteral("地图.qlx — Quorlin"));
    QCOMPARE(w.model.proposedName(FileKind::Script), QStringLiteral("地图.rms"));
    w.dialogs.fileNames << dir_.filePath(QStringLiteral("地图.rms"));
    w.click("CmdGo");
    QCOMPARE(w.window.windowTitle(), QStringLiteral("地图.qlx · 地图.rms — Quorlin"));
    QCOMPARE(status->text(), QStringLiteral("已保存：地图.rms（GBK）"));
    QTest::keyClicks(w.get("Txt"), "x");
    QCOMPARE(w.window.windowTitle(), QStringLiteral("地图.qlx · 地图.rms* — Quorlin"));
    QCOMPARE(status->text(), QString());
    QTest::keyClick(w.get("Txt"), Qt::Key_Backspace); // as saved again
    QVERIFY(Leave(w, Way::ExitButton));
    QVERIFY(w.dialogs.questions.isEmpty());
}

void ExitTest::startOverAsksForHandEdits_data()
{
    QTest::addColumn<bool>("edited");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<int>("page"); // where the window is afterwards
    QTest::addColumn<bool>("written");
    QTest::addRow("as built") << false << Answer::Yes << 0 << false;
    QTest::addRow("edited, save") << true << Answer::Yes << 0 << true;
    QTest::addRow("edited, discard") << true << Answer::No << 0 << false;
    QTest::addRow("edited, cancel") << true << Answer::Cancel << 5 << false;
}

void ExitTest::startOverAsksForHandEdits()
{
    QFETCH(bool, edited);
    QFETCH(Answer, answer);
    QFETCH(int, page);
    QFETCH(bool, written);
    Wizard w;
    w.goTo(5);
    auto *txt = w.get<QPlainTextEdit>("Txt");
    QCOMPARE(QApplication::focusWidget(), txt); // ready for typing on arrival
    if (edited)
        QTest::keyClicks(txt, "x");
    const QString path = dir_.filePath(QStringLiteral("start-over.rms"));
    QFile::remove(path);
    w.dialogs.answers << answer;
    w.dialogs.fileNames << path;
    w.click("Command1");
    QCOMPARE(w.dialogs.questions.size(), edited ? 1 : 0);
    QCOMPARE(w.model.page(), page);
    QCOMPARE(QFile::exists(path), written);
    if (page == 0) // the next Space must not end the program
        QCOMPARE(QApplication::focusWidget(), w.get("Combo1"));
}

void ExitTest::scriptGbkCannotHoldIsRefused()
{
    Wizard w;
    w.goTo(5);
    w.model.setScript(QStringLiteral("/* 地图 */\r\n/* 🗺 */"));
    const QString path = dir_.filePath(QStringLiteral("emoji.rms"));
    w.dialogs.fileNames << path;
    w.click("CmdGo");
    QVERIFY(!QFile::exists(path));
    QVERIFY(!w.model.isSaved());
    QCOMPARE(w.dialogs.messages.size(), 1);
    QCOMPARE(w.dialogs.messages.first().icon, MessageIcon::Warning);
    QVERIFY(w.dialogs.messages.first().text.contains(QStringLiteral("第 2 行")));
}

void ExitTest::unsavedScriptAsks_data()
{
    QTest::addColumn<Way>("way");
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<QString>("file"); // what the save dialog returns; empty is a cancel
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("written");
    QTest::addColumn<int>("errors");

    const QString good = QStringLiteral("saved.rms");
    const QString bad = QStringLiteral("no/such/folder/saved.rms");
    for (Way way : {Way::ExitButton, Way::CloseBox}) {
        const char *by = way == Way::ExitButton ? "exit button" : "close box";
        QTest::addRow("%s, No", by) << way << QList<Answer>{Answer::No} << good << true << false << 0;
        QTest::addRow("%s, Yes, saved", by) << way << QList<Answer>{Answer::Yes} << good << true << true << 0;
        QTest::addRow("%s, Yes, cancelled", by)
            << way << QList<Answer>{Answer::Yes} << QString() << false << false << 0;
        QTest::addRow("%s, Yes, save failed", by) << way << QList<Answer>{Answer::Yes} << bad << false << false << 1;
        QTest::addRow("%s, question closed", by) << way << QList<Answer>{Answer::Cancel} << good << false << false << 0;
    }
}

void ExitTest::unsavedScriptAsks()
{
    QFETCH(Way, way);
    QFETCH(QList<Answer>, answers);
    QFETCH(QString, file);
    QFETCH(bool, closes);
    QFETCH(bool, written);
    QFETCH(int, errors);

    Wizard w;
    w.goTo(5);
    const QString script = w.model.script();
    const QString path = file.isEmpty() ? QString() : dir_.filePath(file);
    if (!path.isEmpty())
        QFile::remove(path);
    w.dialogs.answers = answers;
    w.dialogs.fileNames << path;

    QCOMPARE(Leave(w, way), closes);
    QCOMPARE(w.dialogs.questions.size(), 1);
    const auto &q = w.dialogs.questions.first();
    QCOMPARE(q.title, QStringLiteral("注意"));
    QCOMPARE(q.text, QStringLiteral("脚本有尚未保存的内容。退出会丢失这些内容。要先保存脚本吗？"));
    QCOMPARE(!path.isEmpty() && QFile::exists(path), written);
    QCOMPARE(int(w.dialogs.messages.size()), errors);
    if (errors)
        QCOMPARE(w.dialogs.messages.first().title, QStringLiteral("错误"));
    if (!closes) {
        // Still there, script and all, with nothing else asked.
        QCOMPARE(w.model.page(), 5);
        QCOMPARE(w.model.script(), script);
        QVERIFY(!w.model.isSaved());
        QVERIFY(w.get("Pic(5)")->isVisible());
        QCOMPARE(w.get<QPlainTextEdit>("Txt")->toPlainText(), QString(script).replace("\r\n", "\n"));
    }
}

void ExitTest::draftAndScriptAskOnce_data()
{
    QTest::addColumn<bool>("scriptSaved"); // before leaving, so that only the draft is at stake
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QString>("draftFile"); // what each save dialog returns; empty is a cancel
    QTest::addColumn<QString>("scriptFile");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<int>("errors");
    const QString draft = QStringLiteral("both.qlx"), script = QStringLiteral("both.rms");
    const QString bad = QStringLiteral("no/such/folder/both.qlx");
    QTest::addRow("both, save") << false << Answer::Yes << draft << script << true << 0;
    QTest::addRow("both, draft dialog cancelled") << false << Answer::Yes << QString() << script << false << 0;
    QTest::addRow("both, script dialog cancelled") << false << Answer::Yes << draft << QString() << false << 0;
    QTest::addRow("both, draft save failed") << false << Answer::Yes << bad << script << false << 1;
    QTest::addRow("both, discard") << false << Answer::No << draft << script << true << 0;
    QTest::addRow("both, cancel") << false << Answer::Cancel << draft << script << false << 0;
    QTest::addRow("draft on the script page, save") << true << Answer::Yes << draft << QString() << true << 0;
    QTest::addRow("draft on the script page, discard") << true << Answer::No << draft << QString() << true << 0;
    QTest::addRow("draft on the script page, cancel") << true << Answer::Cancel << draft << QString() << false << 0;
}

void ExitTest::draftAndScriptAskOnce()
{
    QFETCH(bool, scriptSaved);
    QFETCH(Answer, answer);
    QFETCH(QString, draftFile);
    QFETCH(QString, scriptFile);
    QFETCH(bool, closes);
    QFETCH(int, errors);
    QTemporaryDir dir;
    Wizard w;
    w.click("Check1"); // settings no draft holds
    w.goTo(5);
    if (scriptSaved) {
        w.dialogs.fileNames << dir.filePath(QStringLiteral("first.rms"));
        w.click("CmdGo");
    }
    const QString draft = draftFile.isEmpty() ? QString() : dir.filePath(draftFile);
    const QString script = scriptFile.isEmpty() ? QString() : dir.filePath(scriptFile);
    w.dialogs.answers << answer;
    w.dialogs.fileNames << draft << script;

    QCOMPARE(Leave(w, Way::CloseBox), closes);
    QCOMPARE(w.dialogs.questions.size(), 1);
    const QString text = w.dialogs.questions.first().text;
    QVERIFY2(text.contains(QStringLiteral("草稿")) && text.contains(QStringLiteral("脚本")) != scriptSaved,
             qPrintable(text));
    const bool saving = answer == Answer::Yes;
    const bool draftWritten = saving && !draft.isEmpty() && errors == 0;
    QCOMPARE(QFile::exists(draft), draftWritten);
    QCOMPARE(QFile::exists(script), saving && draftWritten && !script.isEmpty());
    QCOMPARE(int(w.dialogs.messages.size()), errors);
    QCOMPARE(w.model.isModified(), !draftWritten);
    if (!closes && draftWritten) {
        // What is left is asked about alone.
        w.dialogs.answers << Answer::Cancel;
        QVERIFY(!Leave(w, Way::ExitButton));
        QCOMPARE(w.dialogs.questions.last().text,
                 QStringLiteral("脚本有尚未保存的内容。退出会丢失这些内容。要先保存脚本吗？"));
    }
}

void ExitTest::scriptPageSavesTheDraft()
{
    Wizard w;
    w.click("Check1");
    w.goTo(5);
    const QString draft = dir_.filePath(QStringLiteral("from-script-page.qlx"));
    w.dialogs.fileNames << draft;
    QTest::keyClick(w.get("Txt"), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(QFile::exists(draft));
    QVERIFY(!w.model.isModified());
    QVERIFY(!w.model.isSaved()); // the script is another file
    QCOMPARE(w.model.proposedName(FileKind::Script), QStringLiteral("from-script-page.rms"));
}

void ExitTest::savedScriptLeavesUntilTheNextKeystroke()
{
    Wizard w;
    w.goTo(5);
    w.dialogs.fileNames << dir_.filePath(QStringLiteral("once.rms"));
    w.click("CmdGo");
    QVERIFY(w.model.isSaved());

    // One character typed after the save makes the question come back.
    auto *txt = w.get<QPlainTextEdit>("Txt");
    txt->setFocus();
    QTest::keyClicks(txt, "x");
    w.dialogs.answers << Answer::Yes; // and then the file dialog is cancelled
    QVERIFY(!Leave(w, Way::ExitButton));
    QCOMPARE(w.dialogs.questions.size(), 1);

    QTest::keyClick(txt, Qt::Key_Backspace);
    w.dialogs.fileNames << dir_.filePath(QStringLiteral("twice.rms"));
    w.click("CmdGo");
    QVERIFY(Leave(w, Way::ExitButton));
    QCOMPARE(w.dialogs.questions.size(), 1);
}

void ExitTest::draftNamedAtStart()
{
    // A draft that cannot be opened: the error is shown and nothing changes.
    Wizard broken;
    broken.goTo(2);
    const QString missing = dir_.filePath(QStringLiteral("missing.qlx"));
    QVERIFY(!broken.window.openDraftFile(missing));
    QCOMPARE(broken.dialogs.messages.size(), 1);
    QCOMPARE(broken.dialogs.messages.first().title, QStringLiteral("错误"));
    QCOMPARE(broken.dialogs.messages.first().icon, MessageIcon::Error);
    QVERIFY(broken.dialogs.messages.first().text.contains(missing));
    QCOMPARE(broken.model.page(), 2);
    QVERIFY(broken.get("Frame10")->isHidden());

    // A good draft shows its settings and items in the widgets.
    ScriptedDialogs dialogs;
    WizardModel source(&dialogs);
    source.setCheck(QStringLiteral("Check23"), 1);
    source.setCheck(QStringLiteral("Check12"), 2);
    source.setText(QStringLiteral("Combo15"), QStringLiteral("沙漠"));
    source.addLand();
    const QString draft = dir_.filePath(QStringLiteral("draft.qlx"));
    QString error;
    QVERIFY2(source.saveDraftTo(draft, &error), qPrintable(error));

    Wizard opened;
    QVERIFY(opened.window.openDraftFile(draft));
    QVERIFY(opened.dialogs.messages.isEmpty());
    QVERIFY(!opened.get("Frame10")->isHidden());
    QCOMPARE(opened.get<QCheckBox>("Check12")->checkState(), Qt::PartiallyChecked);
    QCOMPARE(opened.get<QListWidget>("Lst0")->count(), 1);
    QCOMPARE(opened.get<QListWidget>("Lst0")->item(0)->text(), QStringLiteral("沙漠"));
}

QTEST_MAIN(ExitTest)
#include "test_gui_exit.moc"
