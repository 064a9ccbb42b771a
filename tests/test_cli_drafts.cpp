#include <QtTest>

#include "test_script_support.h"

namespace {

using testing::ReadFile;

testing::Run Generate(const QStringList &arguments)
{
    return testing::RunQuorlin(QStringList{QStringLiteral("generate")} + arguments);
}

QString Err(const testing::Run &run) { return QString::fromUtf8(run.err); }

// A state with something in every part of a draft: zones, the three lists
// with multi-line blocks, a numbered unit, ready-made units, elevation,
// cliffs, connections and the combo texts.
const QStringList kBusyState = {
    "--set",   "Slider1=64", "--set",   "Option2=true",     "--set",   "Check1=1",  "--set",   "Combo1=沙漠",
    "--set",   "Combo15=雪", "--click", "Command21",        "--set",   "Check34=1", "--click", "Command21",
    "--set",   "Combo4=冰",  "--click", "Command4",         "--set",   "Check30=1", "--set",   "Label55=7",
    "--click", "Command6",   "--set",   "Label55=城镇中心", "--click", "Command6",  "--set",   "Label55=12",
    "--click", "Command6",   "--click", "Command5",         "--set",   "Check13=1", "--set",   "Check23=1",
    "--set",   "Combo9=雪",  "--set",   "Text8=3",          "--set",   "Check24=1", "--set",   "Slider8=70",
    "--set",   "Text12=2",   "--set",   "Check25=1",        "--set",   "Check27=1", "--set",   "Option8=true",
    "--set",   "Combo11=宽",
};

} // namespace

class CliDraftsTest : public QObject {
    Q_OBJECT

private slots:
    void draftRoundTripsWithItsScript();
    void malformedDraftWritesNothing();
    void quoteRefusesTheSave();

private:
    QTemporaryDir dir_;
    QString path(const char *name) const { return dir_.filePath(QString::fromLatin1(name)); }
};

void CliDraftsTest::draftRoundTripsWithItsScript()
{
    const QStringList date = {"--date", "2024/5/6"};
    QCOMPARE(Generate(kBusyState + date + QStringList{"--save-draft", path("first.qlx"), "--output", path("saved.rms")})
                 .exitCode,
             0);
    const QByteArray draft = ReadFile(path("first.qlx"));
    QVERIFY(draft.contains("\r\n#TRUE#,") && draft.contains("#const  X1  7\r\n"));
    const QByteArray script = ReadFile(path("saved.rms"));
    QVERIFY(script.contains("<CONNECTION_GENERATION>"));

    // Opened again: the same draft and the same script, byte for byte.
    QCOMPARE(Generate(QStringList{"--draft", path("first.qlx"), "--save-draft", path("second.qlx")} + date
                      + QStringList{"--output", path("reopened.rms")})
                 .exitCode,
             0);
    QCOMPARE(ReadFile(path("second.qlx")), draft);
    QCOMPARE(ReadFile(path("reopened.rms")), script);
}

void CliDraftsTest::malformedDraftWritesNothing()
{
    QVERIFY(testing::WriteFile(path("bad.qlx"), "1\r\n50,10,0,10,5,8,#TRUE#,#FALSE#,#FALSE#,#FALSE#\r\n101\r\n"));

    // A device that never ends is refused too, without waiting for its end.
    for (const QString &draft : {path("bad.qlx"), path("missing.qlx"), QStringLiteral("/dev/zero")}) {
        const testing::Run r =
            Generate({"--draft", draft, "--output", path("out.rms"), "--save-draft", path("out.qlx")});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(Err(r).contains(draft), qPrintable(Err(r)));
        QVERIFY(r.out.isEmpty());
        QVERIFY(!QFile::exists(path("out.rms")));
        QVERIFY(!QFile::exists(path("out.qlx")));
    }
    const testing::Run r = Generate({"--draft", path("bad.qlx")});
    QVERIFY2(Err(r).contains(QStringLiteral("第3行：已添加陆地的个数"))
                 && Err(r).trimmed().count(QLatin1Char('\n')) == 0,
             qPrintable(Err(r)));
}

void CliDraftsTest::quoteRefusesTheSave()
{
    const testing::Run r =
        Generate({"--set", "Text9=1\"000", "--save-draft", path("quoted.qlx"), "--output", path("quoted.rms")});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(Err(r).contains(QStringLiteral("“共占用格子数”")), qPrintable(Err(r)));
    QVERIFY(!QFile::exists(path("quoted.qlx")));
    QVERIFY(!QFile::exists(path("quoted.rms")));
}

QTEST_GUILESS_MAIN(CliDraftsTest)
#include "test_cli_drafts.moc"
