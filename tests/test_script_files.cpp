// Script files opened on the script page: read as the checker reads them
// (UTF-8 when valid, else GBK), saved back in the encoding they came in, byte
// for byte while unchanged, and named in the status line and the save dialog.
#include "core/scripted_dialogs.h"
#include "test_script_support.h"
#include "wizard/wizard_model.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace quorlin;

namespace {

const QByteArray kBom("\xEF\xBB\xBF");
// "/* 湖泊 */" in either encoding.
const QByteArray kUtf8Comment("/* \xE6\xB9\x96\xE6\xB3\x8A */");
const QByteArray kGbkComment("/* \xBA\xFE\xB2\xB4 */");

} // namespace

class ScriptFilesTest : public QObject {
    Q_OBJECT
private slots:
    void unchangedGoesBackByteForByte_data();
    void unchangedGoesBackByteForByte();
    void editedKeepsItsEncoding_data();
    void editedKeepsItsEncoding();
    void builtScriptsAreGbkAndNamedAfterTheDraft();

private:
    QTemporaryDir dir_;
};

void ScriptFilesTest::unchangedGoesBackByteForByte_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("encoding"); // as the status line names it
    QTest::addRow("GBK, CR LF") << kGbkComment + "\r\n<PLAYER_SETUP>\r\n" << QStringLiteral("GBK");
    QTest::addRow("UTF-8, LF, no final line end") << kUtf8Comment + "\n<PLAYER_SETUP>" << QStringLiteral("UTF-8");
    QTest::addRow("UTF-8 with a mark") << kBom + kUtf8Comment + "\r\n" << QStringLiteral("UTF-8，带 BOM");
    QTest::addRow("ASCII") << QByteArray("<PLAYER_SETUP>\n\n") << QStringLiteral("GBK");
    QTest::addRow("neither") << QByteArray("/* \x81\x20\xFF */\r\n", 11) << QStringLiteral("GBK");
    QTest::addRow("empty") << QByteArray() << QStringLiteral("GBK");
}

void ScriptFilesTest::unchangedGoesBackByteForByte()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, encoding);
    const QString path = dir_.filePath(QStringLiteral("%1.rms").arg(QTest::currentDataTag()));
    const QString copy = dir_.filePath(QStringLiteral("copy.rms"));
    QVERIFY(testing::WriteFile(path, bytes));
    ScriptedDialogs dialogs;
    WizardModel m(&dialogs);
    QStringList notes;
    connect(&m, &WizardModel::status, this, [&](const QString &text) { notes << text; });
    QVERIFY(m.openScriptFile(path));
    QCOMPARE(notes.last(), QStringLiteral("已打开：%1（%2）").arg(QFileInfo(path).fileName(), encoding));
    if (bytes.contains("\xE6\xB9\x96") || bytes.contains("\xBA\xFE"))
        QVERIFY(m.script().startsWith(QStringLiteral("/* 湖泊 */")));
    QVERIFY(m.isSaved());
    QVERIFY(m.mayExit());
    QVERIFY(dialogs.questions.isEmpty());

    dialogs.fileNames = {copy};
    QVERIFY(m.saveScript());
    QCOMPARE(dialogs.proposedNames, QStringList{path}); // its own file first
    QCOMPARE(testing::ReadFile(copy), bytes);
    QCOMPARE(m.scriptPath(), copy);
}

void ScriptFilesTest::editedKeepsItsEncoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("prefix"); // of the file saved after a line is added
    QTest::addRow("GBK") << kGbkComment + "\r\n" << QByteArray();
    QTest::addRow("UTF-8") << kUtf8Comment + "\n" << QByteArray();
    QTest::addRow("UTF-8 with a mark") << kBom + kUtf8Comment << kBom;
}

void ScriptFilesTest::editedKeepsItsEncoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, prefix);
    const QString path = dir_.filePath(QStringLiteral("edited.rms"));
    QVERIFY(testing::WriteFile(path, bytes));
    ScriptedDialogs dialogs;
    WizardModel m(&dialogs);
    QVERIFY(m.openScriptFile(path));
    const bool gbk = prefix.isEmpty() && !bytes.startsWith(kUtf8Comment);
    // A character GBK lacks: refused for a GBK file only.
    m.setScript(m.script() + QStringLiteral("\r\n/* 🗺 */"));
    QVERIFY(!m.isSaved());
    dialogs.fileNames = {path};
    QCOMPARE(m.saveScript(), !gbk);
    QCOMPARE(dialogs.messages.size(), gbk ? 1 : 0);

    m.setScript(m.script().replace(QStringLiteral("🗺"), QStringLiteral("地图")));
    dialogs.fileNames = {path};
    QVERIFY(m.saveScript());
    const QByteArray comment = gbk ? kGbkComment : kUtf8Comment;
    const QByteArray added = gbk ? QByteArray("/* \xB5\xD8\xCD\xBC */") : QByteArray("/* 地图 */");
    QCOMPARE(testing::ReadFile(path), prefix + comment + "\r\n" + added + "\r\n");
    // Typed back to what the file holds: nothing left to save.
    m.setScript(m.script() + QStringLiteral("x"));
    m.setScript(m.script().chopped(1));
    QVERIFY(m.isSaved());
}

void ScriptFilesTest::builtScriptsAreGbkAndNamedAfterTheDraft()
{
    const QString path = dir_.filePath(QStringLiteral("湖.rms"));
    QVERIFY(testing::WriteFile(path, kUtf8Comment));
    ScriptedDialogs dialogs;
    WizardModel m(&dialogs);
    QVERIFY(m.openScriptFile(path));
    QCOMPARE(m.proposedName(FileKind::Draft), QStringLiteral("湖.qlx"));
    m.back(); // start over: the opened file is no longer on the page
    while (m.page() != WizardModel::kLastPage)
        m.next();
    QCOMPARE(m.scriptEncoding(), TextEncoding::Gbk);
    QCOMPARE(m.scriptPath(), QString());
    QCOMPARE(m.proposedName(FileKind::Script), QString());
    QVERIFY(!m.isSaved());
    QVERIFY(m.saveDraftTo(dir_.filePath(QStringLiteral("岛.qlx")), nullptr));
    QCOMPARE(m.proposedName(FileKind::Script), QString()); // saved by path: not the draft the window works on
    dialogs.fileNames = {dir_.filePath(QStringLiteral("岛.qlx"))};
    QVERIFY(m.saveDraft());
    QCOMPARE(m.proposedName(FileKind::Script), QStringLiteral("岛.rms"));
}

QTEST_GUILESS_MAIN(ScriptFilesTest)
#include "test_script_files.moc"
