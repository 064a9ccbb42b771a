// Whole scripts against golden files, and the edge cases of each section.
#include <QtTest>

#include "core/scripted_dialogs.h"
#include "core/text_files.h"
#include "script/script_file.h"
#include "test_script_support.h"
#include "wizard/wizard_model.h"

#include <QStringEncoder>

using namespace quorlin;
using testing::Lines;

namespace {

// The script of a model after "NAME=VALUE" settings and "!Button" presses, in order.
QString Script(const QStringList &steps)
{
    ScriptedDialogs dialogs;
    WizardModel model(&dialogs);
    model.setDate(QStringLiteral("D"));
    for (const QString &step : steps) {
        if (step.startsWith(QLatin1Char('!'))) {
            if (!model.click(step.mid(1)))
                qFatal("no button %s", qPrintable(step));
        } else if (const QString error = model.setValue(step.section('=', 0, 0), step.section('=', 1));
                   !error.isEmpty()) {
            qFatal("%s", qPrintable(error));
        }
    }
    return model.assemble();
}

QString Section(const QStringList &steps, const char *head)
{
    return testing::Section(Script(steps), QString::fromLatin1(head));
}

QStringList Heads(const QString &script)
{
    QStringList heads;
    for (const QString &line : script.split(QStringLiteral("\r\n")))
        if (line.startsWith(QLatin1Char('<')))
            heads << line;
    return heads;
}

} // namespace

class ScriptGoldenTest : public QObject {
    Q_OBJECT

private slots:
    void wholeScriptsFromTheCommandLine_data();
    void wholeScriptsFromTheCommandLine();
    void landSectionAloneWithoutPlayerZones();
    void playerLands_data();
    void playerLands();
    void terrainSection_data();
    void terrainSection();
    void objectsSection();
    void elevationAndCliffs_data();
    void elevationAndCliffs();
    void connections_data();
    void connections();
    void fileBytesAsFromTheWholeText();
};

void ScriptGoldenTest::wholeScriptsFromTheCommandLine_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("golden");

    QTest::newRow("defaults") << QStringList{"--date", "2026/12/7"} << "default.rms";
    // The second box of every pair (so each first stays clear) and the fish.
    QTest::newRow("partners") << QStringList{"Check13=1", "Check15=1", "Check18=1", "Check21=1",
                                             "Check19=1", "--date",    "D"}
                              << "partners.rms";
    // Every section: zones with borders, an added land, terrain and unit, mixed water,
    // "全部选择", elevation, swapped cliffs and both connection groups.
    QTest::newRow("everything")
        << QStringList{"Combo1=沙漠",  "Combo2=草2",  "Check1=1",     "Combo3=宽",     "Slider1=40", "Slider2=12",
                       "Slider3=20",   "Slider4=7",   "Slider5=3",    "Option4=true",  "Combo15=雪", "Check34=1",
                       "Combo16=中",   "Check35=1",   "Text16=3",     "Check36=1",     "Combo17=2",  "!Command21",
                       "Option6=true", "Combo5=竹林", "Combo14=沙漠", "Combo6=5",      "Combo7=1",   "Check3=1",
                       "!Command4",    "Check30=1",   "!Command5",    "Label55=民兵",  "Check5=1",   "Option12=true",
                       "Text15=2",     "!Command6",   "Check23=1",    "Combo9=草3",    "Check24=1",  "Text10=12",
                       "Text11=3",     "Check25=1",   "Check26=1",    "Option14=true", "Combo10=宽", "Check27=1",
                       "Option7=true", "Combo11=中",  "Check28=1",    "Option10=true", "Combo12=",   "Check29=1",
                       "Combo13=中",   "--date",      "2026/12/7"}
        << "everything.rms";
}

void ScriptGoldenTest::wholeScriptsFromTheCommandLine()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, golden);
    QStringList arguments = {QStringLiteral("generate")};
    for (const QString &step : steps) {
        if (step.startsWith(QLatin1Char('!')))
            arguments << QStringLiteral("--click") << step.mid(1);
        else if (step.contains(QLatin1Char('=')))
            arguments << QStringLiteral("--set") << step;
        else
            arguments << step;
    }
    const QByteArray expected = testing::Golden(golden);
    QVERIFY(!expected.isEmpty());
    const testing::Run run = testing::RunQuorlin(arguments);
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.exitCode, 0);
    // Line by line first, so that a failure names the line.
    const QList<QByteArray> got = run.out.split('\n'), want = expected.split('\n');
    for (int i = 0; i < qMin(got.size(), want.size()); ++i)
        QVERIFY2(got[i] == want[i],
                 qPrintable(QStringLiteral("line %1: \"%2\", expected \"%3\"")
                                .arg(i + 1)
                                .arg(QString::fromUtf8(got[i].trimmed()), QString::fromUtf8(want[i].trimmed()))));
    QCOMPARE(run.out, expected);
}

void ScriptGoldenTest::landSectionAloneWithoutPlayerZones()
{
    // Without uniform zones (or with a grey box) nothing of their frame reaches the script.
    for (const char *check33 : {"Check33=0", "Check33=2"}) {
        const QString script = Script({check33, "Check1=1", "Combo3=宽", "Slider1=90", "Option3=true"});
        QVERIFY(script.endsWith(Lines({"#const  WHITE_SPOTS  728", "", "<LAND_GENERATION>", "/* 区域设置 */", "",
                                       "base_terrain  GRASS /* 基本地形 */", "", ""})));
        QCOMPARE(Heads(script), (QStringList{"<PLAYER_SETUP>", "<LAND_GENERATION>"}));
    }
}

void ScriptGoldenTest::playerLands_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("part"); // a run of lines the land section must hold

    const auto borders = [](const char *l, const char *r, const char *t, const char *b) {
        return QStringLiteral("base_size  10\r\nleft_border  %1\r\nright_border  %2\r\ntop_border  %3\r\n"
                              "bottom_border  %4\r\nborder_fuzziness  10\r\n")
            .arg(QString::fromLatin1(l), QString::fromLatin1(r), QString::fromLatin1(t), QString::fromLatin1(b));
    };
    const QString none = Lines({"base_size  10", "border_fuzziness  10"});
    QTest::newRow("medium") << QStringList{"Check1=1", "Combo3=中"} << borders("13", "15", "14", "13");
    QTest::newRow("narrow") << QStringList{"Check1=1"} << borders("5", "4", "6", "5");
    QTest::newRow("empty width") << QStringList{"Check1=1", "Combo3="} << borders("0", "0", "0", "0");
    QTest::newRow("unknown width") << QStringList{"Check1=1", "Combo3=很宽"} << borders("0", "0", "0", "0");
    QTest::newRow("no border") << QStringList{"Combo3=宽"} << none;
    QTest::newRow("grey border") << QStringList{"Check1=2"} << none;

    const QString zone = Lines({"clumping_factor  8"}) + QStringLiteral("%1") + Lines({"}", "", ""});
    QTest::newRow("by team") << QStringList{"Option2=true"} << zone.arg("set_zone_by_team\r\n");
    QTest::newRow("one zone") << QStringList{"Option3=true"} << zone.arg("zone  1\r\n");

    QTest::newRow("empty names") << QStringList{"Combo1=", "Combo2="}
                                 << Lines({"base_terrain  GRASS /* 基本地形 */", "",
                                           "create_player_lands   /* 游戏者区域 */", "{", "terrain_type  GRASS"});
    QTest::newRow("typed names") << QStringList{"Combo1=DIRT_SNOW", "Combo2= 森林"}
                                 << Lines({"base_terrain  DIRT_SNOW /* 基本地形 */", "",
                                           "create_player_lands   /* 游戏者区域 */", "{", "terrain_type   森林"});
}

void ScriptGoldenTest::playerLands()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, part);
    const QString land = Section(steps, "<LAND_GENERATION>");
    QVERIFY2(land.contains(part), qPrintable(land));
}

void ScriptGoldenTest::terrainSection_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("expected");

    // The mixed water groups as the "everything" script writes them after its added terrain.
    const QString whole =
        testing::Section(QString::fromUtf8(testing::Golden("everything.rms")), "<TERRAIN_GENERATION>");
    const QString water = whole.mid(whole.indexOf(QStringLiteral("/* 混合水域 */")));
    const QString head = Lines({"<TERRAIN_GENERATION>", "/* 地形设置 */", ""});
    const QString dirt =
        Lines({"create_terrain  DIRT /* 添加地形：泥地1 */", "{", "base_terrain  GRASS", "land_percent  8",
               "number_of_clumps  10", "set_scale_by_groups", "spacing_to_other_terrain_types  2",
               "set_avoid_player_start_areas", "clumping_factor  30", "}", ""});
    const QString ice =
        QString(dirt).replace(QStringLiteral("DIRT /* 添加地形：泥地1"), QStringLiteral("ICE /* 添加地形：冰"));

    QTest::newRow("nothing") << QStringList() << QString();
    QTest::newRow("grey mixed water") << QStringList{"Check30=2"} << QString();
    QTest::newRow("mixed water only") << QStringList{"Check30=1"} << head + Lines({""}) + water;
    QTest::newRow("added terrains") << QStringList{"!Command4", "Combo4=冰", "!Command4"}
                                    << head + dirt + ice + Lines({"", ""});
}

void ScriptGoldenTest::terrainSection()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, expected);
    QCOMPARE(Section(steps, "<TERRAIN_GENERATION>"), expected);
}

void ScriptGoldenTest::objectsSection()
{
    // Grey ready-made boxes write nothing, not even the section head.
    QVERIFY(!Script({"Check8=2", "Check22=2"}).contains(QStringLiteral("<OBJECTS_GENERATION>")));

    // Added units alone: no regicide group.
    const QString script = Script({"Label55=长弓手", "!Command6"});
    QCOMPARE(testing::Section(script, QStringLiteral("<OBJECTS_GENERATION>")),
             Lines({"<OBJECTS_GENERATION>", "/* 单位设置 */", "", "create_object  LONGBOWMAN /* 添加单位：长弓手 */",
                    "{", "number_of_objects  4", "min_distance_to_players  4", "max_distance_to_players  10",
                    "set_place_for_every_player", "", "}", "", ""}));
    QVERIFY(!script.contains(QStringLiteral("REGICIDE")));

    // A second box of a pair takes the place of the first: turkey before deer.
    QStringList found;
    for (const QString &line :
         Section({"Check16=1", "Check13=1"}, "<OBJECTS_GENERATION>").split(QStringLiteral("\r\n")))
        if (line.startsWith(QStringLiteral("create_object  ")))
            found << line.section(QLatin1Char(' '), 2, 2);
    QCOMPARE(found.mid(0, 4).join(QLatin1Char(' ')), QStringLiteral("TURKEY TURKEY DEER VILLAGER"));
}

void ScriptGoldenTest::elevationAndCliffs_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("expected"); // the last three sections

    const auto elevation = [](const char *height, const char *terrain, const char *clumps, const char *tiles) {
        return QStringLiteral(
                   "<ELEVATION_GENERATION>\r\n/* 高地 */\r\ncreate_elevation  %1\r\n{\r\nbase_terrain  %2\r\n"
                   "number_of_clumps  %3\r\nnumber_of_tiles  %4\r\n")
                   .arg(QString::fromUtf8(height), QString::fromUtf8(terrain), QString::fromUtf8(clumps),
                        QString::fromUtf8(tiles))
               + Lines({"set_scale_by_groups", "set_scale_by_size", "}", ""});
    };
    const auto cliffs = [](const char *numbers, const char *lengths, const char *distance) {
        const QStringList n = QString::fromLatin1(numbers).split(' '), l = QString::fromLatin1(lengths).split(' ');
        return QStringLiteral(
                   "<CLIFF_GENERATION>\r\n/* 悬崖 */\r\nmin_number_of_cliffs  %1\r\nmax_number_of_cliffs  %2\r\n"
                   "min_length_of_cliff  %3\r\nmax_length_of_cliff  %4\r\ncliff_curliness  20\r\n"
                   "min_distance_cliffs  %5\r\n\r\n")
            .arg(n[0], n[1], l[0], l[1], QString::fromLatin1(distance));
    };
    QTest::newRow("grey boxes") << QStringList{"Check23=2", "Check24=2"} << QString();
    QTest::newRow("empty height") << QStringList{"Check23=1", "Combo8="} << QString();
    QTest::newRow("elevation") << QStringList{"Check23=1"} << elevation("7", "GRASS", "12", "1000");
    // Elevation texts are written as typed, numbers or not.
    QTest::newRow("elevation as typed") << QStringList{"Check23=1", "Combo8=9", "Combo9=浅滩", "Text8=abc", "Text9="}
                                        << elevation("9", "SHALLOW", "abc", "");
    QTest::newRow("elevation on no terrain") << QStringList{"Check23=1", "Combo9="} << elevation("7", "", "12", "1000");
    QTest::newRow("cliffs") << QStringList{"Check24=1"} << cliffs("4 10", "5 11", "5");
    QTest::newRow("cliffs swapped") << QStringList{"Check24=1", "Text10=10", "Text11=4", "Text12=20", "Text13=3"}
                                    << cliffs("4 10", "3 20", "5");
    // Cliff texts are read as numbers and written in plain decimal.
    QTest::newRow("cliffs read as numbers")
        << QStringList{"Check24=1", "Text10= 2.50", "Text11=&H10", "Text12=1E20", "Text13=-7abc", "Text14=3 0"}
        << cliffs("2.5 16", "-7 1E+20", "30");
}

void ScriptGoldenTest::elevationAndCliffs()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, expected);
    const QString script = Script(steps);
    const qsizetype start = script.indexOf(QStringLiteral("<ELEVATION_GENERATION>")) >= 0
                                ? script.indexOf(QStringLiteral("<ELEVATION_GENERATION>"))
                                : script.indexOf(QStringLiteral("<CLIFF_GENERATION>"));
    QCOMPARE(start < 0 ? QString() : script.mid(start), expected);
}

void ScriptGoldenTest::connections_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("expected");

    const auto water = [](const char *crossing, const char *size) {
        QString t = Lines({"/* 将后者替换前者 */"});
        for (const char *w : {"WATER", "MED_WATER", "DEEP_WATER"})
            t += QStringLiteral("replace_terrain  %1  %2\r\n")
                     .arg(QString::fromLatin1(w), QString::fromLatin1(crossing));
        t += Lines({"terrain_cost  WATER  7", "terrain_cost  MED_WATER  10", "terrain_cost  DEEP_WATER  15"});
        for (const char *w : {"WATER", "MED_WATER", "DEEP_WATER"})
            if (*size)
                t += QStringLiteral("terrain_size  %1  %2\r\n").arg(QString::fromLatin1(w), QString::fromLatin1(size));
        return t;
    };
    const auto road = [](const char *constant, const char *size) {
        const QStringList lands =
            QStringLiteral("DESERT 4 DIRT 3 DIRT2 3 DIRT3 3 GRASS 2 GRASS2 3 GRASS3 3 SNOW 4 "
                           "GRASS_SNOW 5 DIRT_SNOW 5 LEAVES 4 FARMS_UNPLANTED 5 FARMS_SMALL_PLANTS 5 "
                           "FARMS_LARGER_PLANTS 5 FARMS_PLANTED 5 FARMS_EXPIRED 5")
                .split(' ');
        QString replace, cost;
        for (int i = 0; i < lands.size(); i += 2) {
            replace += QStringLiteral("replace_terrain  %1  %2\r\n").arg(lands[i], QString::fromLatin1(constant));
            cost += QStringLiteral("terrain_cost  %1  %2\r\n").arg(lands[i], lands[i + 1]);
        }
        const QString sizeLine = *size ? QStringLiteral("terrain_size  %1  %2\r\n")
                                             .arg(QString::fromLatin1(constant), QString::fromLatin1(size))
                                       : QString();
        return Lines({"/* 将后者替换前者 */"}) + replace + cost + sizeLine;
    };
    const QString head = Lines({"<CONNECTION_GENERATION>", "/* 连接 */"});
    const auto all = [](const QString &body) {
        return Lines({"create_connect_all_players_land", "{"}) + body + Lines({"}", ""});
    };
    const auto teams = [](const QString &body) {
        return Lines({"create_connect_teams_lands", "{"}) + body + Lines({"}", ""});
    };

    QTest::newRow("frame without a group") << QStringList{"Check25=1"} << QString();
    QTest::newRow("groups without the frame")
        << QStringList{"Check26=1", "Check27=1", "Check28=1", "Check29=1"} << QString();
    QTest::newRow("grey frame") << QStringList{"Check25=2", "Check27=1"} << QString();
    QTest::newRow("roads of all players only")
        << QStringList{"Check25=1", "Check27=1"} << head + all(road("ROAD", "2  1"));
    QTest::newRow("water medium, empty; unknown road width")
        << QStringList{"Check25=1", "Check26=1", "Combo10=中", "Check29=1", "Combo13=", "Check28=1", "Combo12=x"}
        << head + all(water("SHALLOW", "4  1")) + teams(water("SHALLOW", "2  1") + road("ROAD", ""));
    QTest::newRow("road widths wide, empty")
        << QStringList{"Check25=1", "Check27=1", "Combo11=宽", "Option15=true", "Check28=1", "Combo12=", "Option9=true"}
        << head + all(road("ROAD2", "10  2")) + teams(road("ROAD3", "5  1"));
    QTest::newRow("unknown water width, medium road")
        << QStringList{"Check25=1", "Check29=1",     "Combo13=wide", "Option19=true",
                       "Check28=1", "Option18=true", "Combo12=中"}
        << head + teams(water("ICE", "") + road("ROAD2", "5  1"));
    QTest::newRow("snow road, then road again")
        << QStringList{"Check25=1", "Check27=1", "Option8=true", "Check28=1", "Option10=true", "Option17=true"}
        << head + all(road("ROAD4", "2  1")) + teams(road("ROAD", "2  1"));
}

void ScriptGoldenTest::connections()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, expected);
    QCOMPARE(Section(steps, "<CONNECTION_GENERATION>"), expected);
}

void ScriptGoldenTest::fileBytesAsFromTheWholeText()
{
    // The script file's bytes are made in one pass, with ASCII copied past the
    // converter; they must be what normalizing the line ends and converting
    // the whole text at once gives, at every seam between ASCII and the rest:
    // characters GBK lacks, lone surrogates, every kind of line end.
    const auto wholeText = [](QString text) {
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        return text + QStringLiteral("\r\n");
    };
    const auto wholeGbk = [](const QString &text) -> QByteArray {
        QStringEncoder gbk("GBK");
        return gbk.encode(text);
    };
    const QString pool[] = {QStringLiteral("a"),  QStringLiteral(" "), QStringLiteral("\r"),     QStringLiteral("\n"),
                            QStringLiteral("中"), QStringLiteral("🌴"), QString(QChar(0xD83C)),   QString(QChar(0xDF34)),
                            QStringLiteral("€"),  QStringLiteral("é"), QStringLiteral("\u2603"), QString(QChar(0))};
    QRandomGenerator random(7);
    for (int k = 0; k < 2000; ++k) {
        QString text;
        for (int n = int(random.bounded(12)); n > 0; --n)
            text += pool[random.bounded(int(std::size(pool)))];
        QCOMPARE(ScriptFileText(text), wholeText(text));
        QCOMPARE(ScriptFileBytes(text), wholeGbk(wholeText(text)));
        QCOMPARE(ToGbk(text), wholeGbk(text));
    }
}

QTEST_GUILESS_MAIN(ScriptGoldenTest)

#include "test_script_golden.moc"
