// The contract of `quorlin generate`: options in order, exit codes, messages,
// standard output and the script file.
#include <QtTest>

#include "core/controls.h"
#include "core/text_files.h"
#include "script/script_file.h"
#include "test_script_support.h"

using testing::Lines;
using testing::Run;

namespace {

Run Generate(const QStringList &options)
{
    return testing::RunQuorlin(QStringList{QStringLiteral("generate")} + options);
}

QString Out(const Run &run) { return QString::fromUtf8(run.out); }

// Three lands: 沙漠, 雪, 冰.
const QStringList kLands = {"--set",   "Combo15=沙漠", "--click", "Command21",  "--set",   "Combo15=雪",
                            "--click", "Command21",    "--set",   "Combo15=冰", "--click", "Command21"};

} // namespace

class CliTest : public QObject {
    Q_OBJECT

private slots:
    void usageErrors_data();
    void usageErrors();
    void refusedClickWritesNothing_data();
    void refusedClickWritesNothing();
    void unitNumbersCountAcrossAdds();
    void optionsApplyInCommandLineOrder();
    void outputFileIsGbkWithFinalLineBreak();
    void unwritableOutputLeavesNoFile();
    void windowHelpNeedsNoDisplay();
    void listControls();
    void windowLivesInItsOwnModule();
};

void CliTest::usageErrors_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("named"); // what the one-line message must name

    const auto set = [](const char *assignment) { return QStringList{"--set", assignment}; };
    QTest::newRow("unknown control") << set("Slider99=5") << "Slider99";
    QTest::newRow("window-only control") << set("Txt=abc") << "Txt";
    QTest::newRow("slider above") << set("Slider1=101") << "Slider1";
    QTest::newRow("slider below") << set("Slider2=7") << "Slider2";
    QTest::newRow("slider fraction") << set("Slider5=2.5") << "Slider5";
    QTest::newRow("slider empty") << set("Slider13=") << "Slider13";
    QTest::newRow("check box 3") << set("Check1=3") << "Check1";
    QTest::newRow("check box -1") << set("Check22=-1") << "Check22";
    QTest::newRow("option yes") << set("Option1=yes") << "Option1";
    QTest::newRow("option 1") << set("Option13=1") << "Option13";
    QTest::newRow("closed list 8") << set("Combo6=8") << "Combo6";
    QTest::newRow("closed list 0") << set("Combo17=0") << "Combo17";
    QTest::newRow("closed list blank") << set("Combo7= 3") << "Combo7";
    QTest::newRow("no value") << set("Check1") << "Check1";
    QTest::newRow("value with a line break") << set("Check1=1\n2") << "Check1";
    QTest::newRow("unknown button") << QStringList{"--click", "Command8"} << "Command8";
    QTest::newRow("navigation is no --click") << QStringList{"--click", "Command2"} << "Command2";
    QTest::newRow("line past the end") << kLands + QStringList{"--select", "Lst0=0,3"} << "Lst0";
    QTest::newRow("negative line") << kLands + QStringList{"--select", "Lst0=-1"} << "Lst0";
    QTest::newRow("line of an empty list") << QStringList{"--select", "Lst2=0"} << "Lst2";
    QTest::newRow("unknown list") << QStringList{"--select", "Lst3=0"} << "Lst3";
    QTest::newRow("line not a number") << kLands + QStringList{"--select", "Lst0=a"} << "Lst0=a";
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << "frobnicate";
    QTest::newRow("stray argument") << QStringList{"now"} << "usage";
}

void CliTest::usageErrors()
{
    QFETCH(QStringList, options);
    QFETCH(QString, named);
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("out.rms"));
    const Run run = Generate(options + QStringList{"--output", output});
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY(!QFile::exists(output));
    const QString err = QString::fromUtf8(run.err);
    QVERIFY2(err.endsWith(QLatin1Char('\n')) && err.count(QLatin1Char('\n')) == 1, qPrintable(err));
    QVERIFY2(err.contains(named), qPrintable(err));
}

void CliTest::refusedClickWritesNothing_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("message");

    QTest::newRow("no unit") << QStringList{"--set", "Label55=", "--click", "Command6"} << "注意: 请选择单位。";
    QTest::newRow("blank unit") << QStringList{"--set", "Label55= \t", "--click", "Command6"} << "注意: 请选择单位。";
    QTest::newRow("no land terrain") << QStringList{"--set", "Combo15=", "--click", "Command21"}
                                     << "注意: 请选择地形。";
    QTest::newRow("no forest") << QStringList{"--set", "Option6=true", "--set", "Combo5=", "--click", "Command4"}
                               << "注意: 请选择地形。";
}

void CliTest::refusedClickWritesNothing()
{
    QFETCH(QStringList, options);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("refused.rms"));
    for (const QStringList &target : {QStringList{"--output", output}, QStringList()}) {
        const Run run = Generate(options + QStringList{"--set", "Check8=1"} + target);
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.out.isEmpty());
        QVERIFY(!QFile::exists(output));
        QVERIFY2(QString::fromUtf8(run.err).contains(message), run.err.constData());
    }
}

void CliTest::unitNumbersCountAcrossAdds()
{
    const Run run = Generate({"--set", "Combo15=沙漠", "--click", "Command21", "--set", "Label55=7", "--click",
                              "Command6", "--set", "Label55=7", "--click", "Command6", "--date", "D"});
    QCOMPARE(run.exitCode, 0);
    const QString script = Out(run);
    QVERIFY(script.contains(Lines({"}", "", "create_land /* 添加陆地：沙漠 */", "{", "terrain_type  DESERT",
                                   "land_percent  20", "base_size  10", "border_fuzziness  10", "clumping_factor  8",
                                   "other_zone_avoidance_distance  5", "", "}", "", "", "<OBJECTS_GENERATION>"})));
    const QString unit = Lines({"{", "number_of_objects  4", "min_distance_to_players  4",
                                "max_distance_to_players  10", "set_place_for_every_player", "", "}", ""});
    QVERIFY(script.endsWith(
        Lines({"<OBJECTS_GENERATION>", "/* 单位设置 */", "", "#const  X1  7", "create_object  X1 /* 添加单位：7 */"})
        + unit + Lines({"#const  X2  7", "create_object  X2 /* 添加单位：7 */"}) + unit + Lines({"", ""})));
}

void CliTest::optionsApplyInCommandLineOrder()
{
    // A later --set overrides an earlier one; restore defaults acts where it stands;
    // the date is written as given.
    const Run run = Generate({"--set", "Check8=1", "--set", "Check8=0", "--set", "Slider1=70", "--click", "Command14",
                              "--set", "Slider2=20", "--date", " 7. Dezember 2026 */x"});
    QCOMPARE(run.exitCode, 0);
    const QString script = Out(run);
    QVERIFY(!script.contains(QStringLiteral("<OBJECTS_GENERATION>")));
    QVERIFY(script.contains(Lines({"land_percent  50", "base_size  20"})));
    QVERIFY(script.contains(Lines({"/* 制作日期： 7. Dezember 2026 */x */"})));

    // An empty date is written as given too.
    QVERIFY(Out(Generate({"--date", ""})).contains(Lines({"/* 制作日期： */"})));

    // Selections act on the lines there are when they are given.
    const auto lands = [](const QStringList &options) {
        QStringList names;
        for (const QString &line : Out(Generate(kLands + options)).split(QStringLiteral("\r\n")))
            if (line.startsWith(QStringLiteral("create_land ")))
                names << line.section(QStringLiteral("："), 1).chopped(3);
        return names.join(QLatin1Char(' '));
    };
    QCOMPARE(lands({"--select", "Lst0=0, 2", "--click", "Command20"}), QStringLiteral("雪"));
    QCOMPARE(lands({"--select", "Lst0=1", "--select", "Lst0=", "--click", "Command20"}), QStringLiteral("沙漠 雪 冰"));
    QCOMPARE(lands({"--click", "Command18", "--click", "Command19", "--click", "Command20"}),
             QStringLiteral("沙漠 雪 冰"));
    QCOMPARE(lands({"--click", "Command18", "--click", "Command20", "--click", "Command21"}), QStringLiteral("草1"));
}

void CliTest::outputFileIsGbkWithFinalLineBreak()
{
    // A name GBK cannot hold becomes GBK's replacement; line breaks typed into a
    // text come out as CR LF in the file and on the screen alike.
    const QStringList options = {"--set",     "Combo1=丛林🌴",  "--set",     "Check22=1", "--set",
                                 "Check25=1", "--set",         "Check26=1", "--set",     "Check23=1",
                                 "--set",     "Text8=1\r2\n3", "--date",    "2026/12/7"};
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("map.rms"));
    const Run written = Generate(options + QStringList{"--output", output});
    QCOMPARE(written.exitCode, 0);
    QVERIFY(written.out.isEmpty());
    const QByteArray bytes = testing::ReadFile(output);

    const Run printed = Generate(options);
    QCOMPARE(printed.exitCode, 0);
    const QString text = Out(printed); // standard output is UTF-8
    QVERIFY(text.contains(QStringLiteral("base_terrain  丛林🌴 /* 基本地形 */")));
    QVERIFY(text.contains(Lines({"number_of_clumps  1", "2", "3", "number_of_tiles  1000"})));

    QVERIFY(bytes.endsWith("}\r\n\r\n\r\n"));
    QVERIFY(bytes.startsWith("/* \xB5\xD8\xCD\xBC\xC3\xFB\xA3\xBA  */\r\n")); // 地图名： in GBK, no byte-order mark
    QVERIFY(bytes.contains("base_terrain  \xB4\xD4\xC1\xD6?"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QCOMPARE(quorlin::FromGbk(bytes), QString(text).replace(QStringLiteral("🌴"), QStringLiteral("?")));
    QCOMPARE(bytes, quorlin::ScriptFileBytes(text.chopped(2)));
}

void CliTest::unwritableOutputLeavesNoFile()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    for (const char *target : {"missing/map.rms", "folder"}) {
        const Run run = Generate({"--set", "Check8=1", "--output", dir.filePath(QString::fromLatin1(target))});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.out.isEmpty());
        QVERIFY(!run.err.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"folder"});
        QVERIFY(QDir(dir.filePath(QStringLiteral("folder"))).isEmpty());
    }
}

void CliTest::windowHelpNeedsNoDisplay()
{
    QProcessEnvironment headless = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        headless.remove(QString::fromLatin1(name));
    const Run help = testing::RunQuorlin({"--help"}, headless);
    QCOMPARE(help.exitCode, 0);
    QVERIFY2(Out(help).contains(QStringLiteral("quorlin generate"))
                 && !Out(help).contains(QStringLiteral("screenshots")),
             help.out.constData());
    for (const QStringList &wrong : {QStringList{"--frobnicate"}, QStringList{"a.qlx", "b.qlx"}})
        QCOMPARE(testing::RunQuorlin(wrong, headless).exitCode, 2);
}

void CliTest::listControls()
{
    // One line of five fields per control of the table, in its order, each
    // with a meaning.
    const Run run = Generate({"--list-controls"});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.isEmpty());
    QStringList lines = Out(run).split(QLatin1Char('\n'));
    QCOMPARE(lines.takeLast(), QString());
    const auto &table = quorlin::ControlTable();
    QCOMPARE(lines.size(), table.size());
    QHash<QString, QString> rows;
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList fields = lines[i].split(QLatin1Char('\t'));
        QVERIFY2(fields.size() == 5 && fields[0] == QLatin1String(table[i].name) && !fields[4].isEmpty(),
                 qPrintable(lines[i]));
        rows.insert(fields[0], lines[i]);
    }
    QVERIFY(rows["Slider1"].startsWith(QStringLiteral("Slider1\tslider\t0..100 step 2/20\t50\t")));
    QVERIFY(rows["Combo17"].startsWith(QStringLiteral("Combo17\tclosed list\t1|2|3|4|5|6|7|8\t\t")));
    QVERIFY(rows["Option14"].startsWith(QStringLiteral("Option14\toption button\ttrue|false\tfalse\t")));
    QVERIFY(Out(Generate({"--help"})).contains(QStringLiteral("--list-controls")));
}

void CliTest::windowLivesInItsOwnModule()
{
    // The executable needs Qt Core alone; the display's libraries come with the window's module.
    const Run ldd = testing::RunProgram(QStringLiteral("ldd"), {QStringLiteral(QUORLIN_BINARY)});
    QCOMPARE(ldd.exitCode, 0);
    QVERIFY2(ldd.out.contains("libQt6Core"), ldd.out.constData());
    for (const char *library : {"libQt6Gui", "libQt6Widgets", "libX11", "libxcb", "libGL"})
        QVERIFY2(!ldd.out.contains(library), ldd.out.constData());

    // Beside the executable the module opens the window.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QUORLIN_STARTUP_TIMING"), QStringLiteral("1"));
    const Run window = testing::RunQuorlin({"--quit-after-show"}, environment);
    QCOMPARE(window.exitCode, 0);
    QVERIFY2(window.err.contains("first page painted after"), window.err.constData());

    // Without it the command line works as ever, and the window says why it cannot open.
    QTemporaryDir dir;
    const QString alone = dir.filePath(QStringLiteral("quorlin"));
    QVERIFY(QFile::copy(QStringLiteral(QUORLIN_BINARY), alone));
    const QStringList options = {"generate", "--set", "Check8=1", "--date", "D"};
    const Run generated = testing::RunProgram(alone, options);
    QCOMPARE(generated.exitCode, 0);
    QCOMPARE(generated.out, testing::RunQuorlin(options).out);
    QCOMPARE(testing::RunProgram(alone, {"--help"}).exitCode, 0);
    for (const QStringList &arguments : {QStringList(), QStringList{"--quit-after-show"}}) {
        const Run refused = testing::RunProgram(alone, arguments);
        QCOMPARE(refused.exitCode, 1);
        QVERIFY(refused.out.isEmpty());
        const QString err = QString::fromUtf8(refused.err);
        QVERIFY2(err.count(QLatin1Char('\n')) == 1 && err.contains(dir.path()), qPrintable(err));
    }
}

QTEST_GUILESS_MAIN(CliTest)

#include "test_cli.moc"
