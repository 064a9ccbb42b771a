// The contract of `quorlin generate`: options in order, exit codes, messages,
// standard output and the script file.
#include <QtTest>

#include "script/script_file.h"
#include "test_script_support.h"

using testing::Lines;
using testing::Run;
using testing::RunQuorlin;

namespace {

Run Generate(const QStringList &options)
{
    return RunQuorlin(QStringList{QStringLiteral("generate")} + options);
}

QString Out(const Run &run) { return QString::fromUtf8(run.out); }

// The one line of standard error, without its line break.
QString ErrLine(const Run &run)
{
    QString err = QString::fromUtf8(run.err);
    if (err.endsWith(QLatin1Char('\n')))
        err.chop(1);
    return err;
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void refusedValuesAreUsageErrors_data();
    void refusedValuesAreUsageErrors();
    void oddValuesOfFreeTextsAreAccepted();
    void badSelectionsAndButtons_data();
    void badSelectionsAndButtons();
    void refusedClickWritesNothing_data();
    void refusedClickWritesNothing();

    void unitNumbersCountAcrossAdds();
    void optionsApplyInCommandLineOrder();
    void selectAndDelete();
    void dateIsWrittenVerbatim();

    void outputFileIsGbkWithFinalLineBreak();
    void unwritableOutputLeavesNoFile_data();
    void unwritableOutputLeavesNoFile();

private:
    QTemporaryDir *dir_ = nullptr;
    QString path(const char *name) const { return dir_->filePath(QString::fromLatin1(name)); }
};

void TestCli::init()
{
    dir_ = new QTemporaryDir;
    QVERIFY(dir_->isValid());
}

void TestCli::cleanup()
{
    delete dir_;
    dir_ = nullptr;
}

void TestCli::refusedValuesAreUsageErrors_data()
{
    QTest::addColumn<QString>("assignment");
    QTest::addColumn<QString>("control");

    QTest::newRow("unknown control") << "Slider99=5" << "Slider99";
    QTest::newRow("window-only control") << "Txt=abc" << "Txt";
    QTest::newRow("slider above") << "Slider1=101" << "Slider1";
    QTest::newRow("slider below") << "Slider2=7" << "Slider2";
    QTest::newRow("slider fraction") << "Slider5=2.5" << "Slider5";
    QTest::newRow("slider empty") << "Slider13=" << "Slider13";
    QTest::newRow("check box 3") << "Check1=3" << "Check1";
    QTest::newRow("check box -1") << "Check22=-1" << "Check22";
    QTest::newRow("check box word") << "Check8=yes" << "Check8";
    QTest::newRow("option yes") << "Option1=yes" << "Option1";
    QTest::newRow("option 1") << "Option13=1" << "Option13";
    QTest::newRow("closed list 8") << "Combo6=8" << "Combo6";
    QTest::newRow("closed list 0") << "Combo17=0" << "Combo17";
    QTest::newRow("closed list blank") << "Combo7= 3" << "Combo7";
    QTest::newRow("no value") << "Check1" << "Check1";
    QTest::newRow("value with a line break") << "Check1=1\n2" << "Check1";
}

void TestCli::refusedValuesAreUsageErrors()
{
    QFETCH(QString, assignment);
    QFETCH(QString, control);
    const QString output = path("out.rms");
    const Run run = Generate({QStringLiteral("--set"), assignment, QStringLiteral("--output"), output});
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY(!QFile::exists(output));
    const QString err = ErrLine(run);
    QVERIFY2(!err.isEmpty() && !err.contains(QLatin1Char('\n')), qPrintable(err));
    QVERIFY2(err.contains(control), qPrintable(err));
}

void TestCli::oddValuesOfFreeTextsAreAccepted()
{
    // Free texts take anything; numbers far out of range are read without overflow.
    const Run run = Generate({"--set", "Check24=1", "--set", "Text10=1E400", "--set", "Text11=&HFFFFFFFFFFFF",
                              "--set", "Text12=" + QString(40, QLatin1Char('9')), "--set", "Text13=",
                              "--set", "Text14=-0", "--set", "Combo17=8", "--set", "Combo6=", "--set",
                              "Label55=  ", "--set", "Check1=2", "--set", "Slider2=30", "--date", "D"});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(Out(run).contains(Lines({"min_number_of_cliffs  281474976710655",
                                     "max_number_of_cliffs  1.79769313486232E+308", "min_length_of_cliff  0",
                                     "max_length_of_cliff  1E+40", "cliff_curliness  20",
                                     "min_distance_cliffs  0"})));
}

void TestCli::badSelectionsAndButtons_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");

    const QStringList twoLands = {"--click", "Command21", "--click", "Command21"};
    QTest::newRow("unknown button") << QStringList{"--click", "Command8"} << 2;
    QTest::newRow("navigation is no --click") << QStringList{"--click", "Command2"} << 2;
    QTest::newRow("button in lower case") << QStringList{"--click", "command21"} << 2;
    QTest::newRow("line past the end") << twoLands + QStringList{"--select", "Lst0=0,2"} << 2;
    QTest::newRow("negative line") << twoLands + QStringList{"--select", "Lst0=-1"} << 2;
    QTest::newRow("line of an empty list") << QStringList{"--select", "Lst2=0"} << 2;
    QTest::newRow("unknown list") << QStringList{"--select", "Lst3=0"} << 2;
    QTest::newRow("not a number") << twoLands + QStringList{"--select", "Lst0=a"} << 2;
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 2;
    QTest::newRow("stray argument") << QStringList{"now"} << 2;
    QTest::newRow("selections that fit") << twoLands + QStringList{"--select", "Lst0=1, 0", "--select", "Lst1="}
                                         << 0;
}

void TestCli::badSelectionsAndButtons()
{
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    const Run run = Generate(options);
    QCOMPARE(run.exitCode, exitCode);
    if (exitCode != 0) {
        QVERIFY(run.out.isEmpty());
        QVERIFY(!ErrLine(run).isEmpty());
    }
}

void TestCli::refusedClickWritesNothing_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message");

    QTest::newRow("no unit") << QStringList{"--set", "Label55=", "--click", "Command6"} << QStringLiteral("注意")
                             << QStringLiteral("请选择单位。");
    QTest::newRow("blank unit") << QStringList{"--set", "Label55= \t", "--click", "Command6"}
                                << QStringLiteral("注意") << QStringLiteral("请选择单位。");
    QTest::newRow("no land terrain") << QStringList{"--set", "Combo15=", "--click", "Command21"}
                                     << QStringLiteral("注意") << QStringLiteral("请选择地形。");
    QTest::newRow("no forest") << QStringList{"--set", "Option6=true", "--set", "Combo5=", "--click", "Command4"}
                               << QStringLiteral("注意") << QStringLiteral("请选择地形。");
}

void TestCli::refusedClickWritesNothing()
{
    QFETCH(QStringList, options);
    QFETCH(QString, title);
    QFETCH(QString, message);
    const QString output = path("refused.rms");
    const Run run = Generate(options + QStringList{"--output", output});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.out.isEmpty());
    QVERIFY(!QFile::exists(output));
    const QString err = ErrLine(run);
    QVERIFY2(err.contains(title) && err.contains(message), qPrintable(err));

    // Without --output nothing reaches standard output either.
    const Run printed = Generate(options);
    QCOMPARE(printed.exitCode, 1);
    QVERIFY(printed.out.isEmpty());
}

void TestCli::unitNumbersCountAcrossAdds()
{
    const Run run = Generate({"--set", "Combo15=沙漠", "--click", "Command21", "--set", "Label55=7", "--click",
                              "Command6", "--set", "Label55=7", "--click", "Command6", "--date", "D"});
    QCOMPARE(run.exitCode, 0);
    const QString script = Out(run);
    QVERIFY(script.contains(Lines({"}", "", "create_land /* 添加陆地：沙漠 */", "{", "terrain_type  DESERT",
                                   "land_percent  20", "base_size  10", "border_fuzziness  10",
                                   "clumping_factor  8", "other_zone_avoidance_distance  5", "", "}", "", "",
                                   "<OBJECTS_GENERATION>"})));
    const QString unit = Lines({"{", "number_of_objects  4", "min_distance_to_players  4",
                                "max_distance_to_players  10", "set_place_for_every_player", "", "}", ""});
    QVERIFY(script.endsWith(Lines({"<OBJECTS_GENERATION>", "/* 单位设置 */", "", "#const  X1  7",
                                   "create_object  X1 /* 添加单位：7 */"})
                            + unit + Lines({"#const  X2  7", "create_object  X2 /* 添加单位：7 */"}) + unit
                            + Lines({"", ""})));
}

void TestCli::optionsApplyInCommandLineOrder()
{
    // A later --set overrides an earlier one; restore defaults acts where it stands.
    Run run = Generate({"--set", "Check8=1", "--set", "Check8=0", "--set", "Slider1=70", "--click", "Command14",
                        "--set", "Slider2=20"});
    QCOMPARE(run.exitCode, 0);
    QString script = Out(run);
    QVERIFY(!script.contains(QStringLiteral("<OBJECTS_GENERATION>")));
    QVERIFY(script.contains(Lines({"land_percent  50", "base_size  20"})));

    // An add reads the frame as it is at that point, then resets it.
    run = Generate({"--set", "Slider13=64", "--click", "Command21", "--click", "Command21", "--set", "Slider13=2"});
    script = Out(run);
    QCOMPARE(script.count(QStringLiteral("land_percent  64\r\n")), 1);
    QCOMPARE(script.count(QStringLiteral("land_percent  20\r\n")), 1);
    QCOMPARE(script.count(QStringLiteral("land_percent  2\r\n")), 0);
}

void TestCli::selectAndDelete()
{
    const QStringList lands = {"--set", "Combo15=沙漠", "--click", "Command21", "--set", "Combo15=雪",
                               "--click", "Command21", "--set", "Combo15=冰", "--click", "Command21"};
    Run run = Generate(lands + QStringList{"--select", "Lst0=0,2", "--click", "Command20"});
    QCOMPARE(run.exitCode, 0);
    QString script = Out(run);
    QVERIFY(script.contains(QStringLiteral("create_land /* 添加陆地：雪 */")));
    QCOMPARE(script.count(QStringLiteral("create_land ")), 1);

    // An empty selection deletes nothing; select all, then none, likewise.
    run = Generate(lands + QStringList{"--select", "Lst0=1", "--select", "Lst0=", "--click", "Command20",
                                       "--click", "Command18", "--click", "Command19", "--click", "Command20"});
    QCOMPARE(Out(run).count(QStringLiteral("create_land ")), 3);

    run = Generate(lands + QStringList{"--click", "Command18", "--click", "Command20"});
    QCOMPARE(Out(run).count(QStringLiteral("create_land ")), 0);
}

void TestCli::dateIsWrittenVerbatim()
{
    const Run run = Generate({"--date", " 7. Dezember 2026 */x"});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(Out(run).contains(Lines({"/* 制作日期： 7. Dezember 2026 */x */"})));
}

void TestCli::outputFileIsGbkWithFinalLineBreak()
{
    // A name GBK cannot hold, typed as the base terrain, becomes GBK's replacement;
    // line breaks typed into a text come out as CR LF in the file and on the screen alike.
    const QStringList options = {"--set", "Combo1=丛林🌴", "--set", "Check22=1", "--set", "Check25=1", "--set",
                                 "Check26=1", "--set", "Check23=1", "--set", "Text8=1\r2\n3", "--date", "2026/12/7"};
    const QString output = path("map.rms");
    const Run written = Generate(options + QStringList{"--output", output});
    QCOMPARE(written.exitCode, 0);
    QVERIFY(written.out.isEmpty());
    QFile file(output);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();

    const Run printed = Generate(options);
    QCOMPARE(printed.exitCode, 0);
    const QString text = Out(printed);
    QVERIFY(text.contains(QStringLiteral("base_terrain  丛林🌴 /* 基本地形 */"))); // standard output is UTF-8

    QVERIFY(text.contains(Lines({"number_of_clumps  1", "2", "3", "number_of_tiles  1000"})));
    QVERIFY(bytes.endsWith("}\r\n\r\n\r\n"));
    QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
    QVERIFY(bytes.contains("/* \xB5\xD8\xCD\xBC\xC3\xFB\xA3\xBA  */\r\n")); // 地图名： in GBK
    QVERIFY(bytes.contains("base_terrain  \xB4\xD4\xC1\xD6?"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QCOMPARE(quorlin::FromGbk(bytes), QString(text).replace(QStringLiteral("🌴"), QStringLiteral("?")));
    QCOMPARE(bytes, quorlin::ScriptFileBytes(text.chopped(2)));
}

void TestCli::unwritableOutputLeavesNoFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("missing folder") << "missing/map.rms";
    QTest::newRow("a folder") << "folder";
}

void TestCli::unwritableOutputLeavesNoFile()
{
    QFETCH(QString, target);
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("folder")));
    const QString output = dir_->filePath(target);
    const Run run = Generate({"--set", "Check8=1", "--output", output});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.out.isEmpty());
    QVERIFY(!ErrLine(run).isEmpty());
    QVERIFY(!QFileInfo(output).isFile());
    QCOMPARE(QDir(dir_->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"folder"});
}

QTEST_GUILESS_MAIN(TestCli)

#include "test_cli.moc"
