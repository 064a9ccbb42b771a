#include <QtTest>

namespace {

struct Result {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

Result Quorlin(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(QUORLIN_BINARY), QStringList{QStringLiteral("generate")} + arguments);
    process.closeWriteChannel();
    Result result;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

QByteArray Contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A state with something in every part of a draft: zones, the three lists
// with multi-line blocks, a numbered unit, ready-made units, elevation,
// cliffs, connections and the combo texts.
const QStringList kBusyState = {
    "--set", "Slider1=64", "--set", "Option2=true", "--set", "Check1=1", "--set", "Combo1=沙漠",
    "--set", "Combo15=雪", "--click", "Command21", "--set", "Check34=1", "--click", "Command21",
    "--set", "Combo4=冰", "--click", "Command4", "--set", "Check30=1",
    "--set", "Label55=7", "--click", "Command6", "--set", "Label55=城镇中心", "--click", "Command6",
    "--set", "Label55=12", "--click", "Command6",
    "--click", "Command5", "--set", "Check13=1",
    "--set", "Check23=1", "--set", "Combo9=雪", "--set", "Text8=3",
    "--set", "Check24=1", "--set", "Slider8=70", "--set", "Text12=2",
    "--set", "Check25=1", "--set", "Check27=1", "--set", "Option8=true", "--set", "Combo11=宽",
};

} // namespace

class TestCliDrafts : public QObject {
    Q_OBJECT

private slots:
    void saveThenOpenRoundTripsByteForByte();
    void draftReproducesTheScript();
    void malformedDraftWritesNothing();
    void quoteRefusesTheSave();

private:
    QTemporaryDir dir_;
    QString path(const char *name) const { return dir_.filePath(QString::fromLatin1(name)); }
};

void TestCliDrafts::saveThenOpenRoundTripsByteForByte()
{
    const Result first = Quorlin(kBusyState + QStringList{"--save-draft", path("first.qlx")});
    QCOMPARE(first.exitCode, 0);
    const QByteArray draft = Contents(path("first.qlx"));
    QVERIFY(draft.contains("\r\n#TRUE#,") && draft.contains("#const  X1  7\r\n"));

    const Result second = Quorlin({"--draft", path("first.qlx"), "--save-draft", path("second.qlx")});
    QCOMPARE(second.exitCode, 0);
    QCOMPARE(Contents(path("second.qlx")), draft);
}

void TestCliDrafts::draftReproducesTheScript()
{
    const QStringList date = {"--date", "2024/5/6"};
    const Result saved = Quorlin(kBusyState + date
                                 + QStringList{"--save-draft", path("state.qlx"), "--output", path("saved.rms")});
    QCOMPARE(saved.exitCode, 0);
    const Result reopened = Quorlin(QStringList{"--draft", path("state.qlx")} + date
                                    + QStringList{"--output", path("reopened.rms")});
    QCOMPARE(reopened.exitCode, 0);
    const QByteArray script = Contents(path("saved.rms"));
    QVERIFY(script.contains("<CONNECTION_GENERATION>"));
    QCOMPARE(Contents(path("reopened.rms")), script);

    // A unit added by number after the open goes on from the saved counter.
    const Result more = Quorlin({"--draft", path("state.qlx"), "--set", "Label55=9", "--click", "Command6"});
    QCOMPARE(more.exitCode, 0);
    QVERIFY(more.out.contains("#const  X3  9"));
}

void TestCliDrafts::malformedDraftWritesNothing()
{
    QFile bad(path("bad.qlx"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("1\r\n50,10,0,10,5,8,#TRUE#,#FALSE#,#FALSE#,#FALSE#\r\n101\r\n");
    bad.close();

    // A device that never ends is refused too, without waiting for its end.
    for (const QString &draft : {path("bad.qlx"), path("missing.qlx"), QStringLiteral("/dev/zero")}) {
        const Result r = Quorlin({"--draft", draft, "--output", path("out.rms"), "--save-draft", path("out.qlx")});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(draft), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
        QVERIFY(!QFile::exists(path("out.rms")));
        QVERIFY(!QFile::exists(path("out.qlx")));
    }
    const Result r = Quorlin({"--draft", path("bad.qlx")});
    QVERIFY2(r.err.contains(QStringLiteral("第3条记录")) && r.err.trimmed().count(QLatin1Char('\n')) == 0,
             qPrintable(r.err));
}

void TestCliDrafts::quoteRefusesTheSave()
{
    const Result r = Quorlin({"--set", "Text9=1\"000", "--save-draft", path("quoted.qlx"), "--output",
                              path("quoted.rms")});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(QStringLiteral("Text9")), qPrintable(r.err));
    QVERIFY(!QFile::exists(path("quoted.qlx")));
    QVERIFY(!QFile::exists(path("quoted.rms")));
}

QTEST_GUILESS_MAIN(TestCliDrafts)
#include "test_cli_drafts.moc"
