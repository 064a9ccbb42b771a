// Whole scripts against golden files, and the edge cases of each section.
#include <QtTest>

#include "test_script_support.h"
#include "wizard/scripted_dialogs.h"
#include "wizard/wizard_model.h"

using namespace quorlin;
using testing::Lines;
using testing::Section;

namespace {

// A model with the given "NAME=VALUE" settings and button presses ("!Command21")
// applied in order.
class Scenario {
public:
    explicit Scenario(const QStringList &steps = {})
    {
        model.setDate(QStringLiteral("D"));
        apply(steps);
    }
    void apply(const QStringList &steps)
    {
        for (const QString &step : steps) {
            if (step.startsWith(QLatin1Char('!'))) {
                QVERIFY2(model.click(step.mid(1)), qPrintable(step));
                continue;
            }
            const int eq = step.indexOf(QLatin1Char('='));
            const QString error = model.setValue(step.left(eq), step.mid(eq + 1));
            QVERIFY2(error.isEmpty(), qPrintable(error));
        }
    }
    QString script() const { return model.assemble(); }
    QString section(const char *head) const { return Section(script(), QString::fromLatin1(head)); }

    ScriptedDialogs dialogs;
    WizardModel model{&dialogs};
};

const QStringList kSectionHeads = {
    QStringLiteral("<PLAYER_SETUP>"), QStringLiteral("<LAND_GENERATION>"),
    QStringLiteral("<TERRAIN_GENERATION>"), QStringLiteral("<OBJECTS_GENERATION>"),
    QStringLiteral("<ELEVATION_GENERATION>"), QStringLiteral("<CLIFF_GENERATION>"),
    QStringLiteral("<CONNECTION_GENERATION>"),
};

QStringList HeadsIn(const QString &script)
{
    QStringList heads;
    for (const QString &line : script.split(QStringLiteral("\r\n")))
        if (line.startsWith(QLatin1Char('<')))
            heads << line;
    return heads;
}

} // namespace

class TestScriptGolden : public QObject {
    Q_OBJECT

private slots:
    void wholeScriptsFromTheCommandLine_data();
    void wholeScriptsFromTheCommandLine();

    void landSectionAloneWithoutPlayerZones();
    void playerLandBorders_data();
    void playerLandBorders();
    void zoneDistributionLine_data();
    void zoneDistributionLine();
    void emptyTerrainNamesFallBackToGrass();

    void terrainSection_data();
    void terrainSection();

    void noObjectsSectionWithoutObjects();
    void singleReadyMadeBoxWithRegicide();
    void extraResourcesSixMapSizeGroups();
    void fishBlocksScaleToTheMap();
    void groupsFollowTheVisitingOrder_data();
    void groupsFollowTheVisitingOrder();
    void addedUnitsComeAfterReadyMadeText();

    void elevation_data();
    void elevation();
    void cliffsSwapTheirRanges();
    void connections_data();
    void connections();
    void sectionsInOrder();
};

void TestScriptGolden::wholeScriptsFromTheCommandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("golden");

    QTest::newRow("defaults") << QStringList{QStringLiteral("--date"), QStringLiteral("2026/12/7")}
                              << QStringLiteral("default.rms");

    // The second box of every pair (each pair's first stays clear) and the fish.
    QStringList partners;
    for (const char *box : {"Check13", "Check15", "Check18", "Check21", "Check19"})
        partners << QStringLiteral("--set") << QString::fromLatin1(box) + QStringLiteral("=1");
    QTest::newRow("partners") << (partners << QStringLiteral("--date") << QStringLiteral("D"))
                              << QStringLiteral("partners.rms");

    // Every section: zones with borders, an added land, terrain and unit, mixed
    // water, "select all" ready-made units, elevation, swapped cliffs and both
    // connection groups with their widths.
    const char *const everything[] = {
        "Combo1=沙漠", "Combo2=草2", "Check1=1", "Combo3=宽", "Slider1=40", "Slider2=12", "Slider3=20",
        "Slider4=7", "Slider5=3", "Option4=true",
        "Combo15=雪", "Check34=1", "Combo16=中", "Check35=1", "Text16=3", "Check36=1", "Combo17=2", "!Command21",
        "Option6=true", "Combo5=竹林", "Combo14=沙漠", "Combo6=5", "Combo7=1", "Check3=1", "!Command4",
        "Check30=1", "!Command5",
        "Label55=民兵", "Check5=1", "Option12=true", "Text15=2", "!Command6",
        "Check23=1", "Combo9=草3", "Check24=1", "Text10=12", "Text11=3",
        "Check25=1", "Check26=1", "Option14=true", "Combo10=宽", "Check27=1", "Option7=true", "Combo11=中",
        "Check28=1", "Option10=true", "Combo12=", "Check29=1", "Combo13=中",
    };
    QStringList arguments;
    for (const char *step : everything) {
        const QString s = QString::fromUtf8(step);
        if (s.startsWith(QLatin1Char('!')))
            arguments << QStringLiteral("--click") << s.mid(1);
        else
            arguments << QStringLiteral("--set") << s;
    }
    QTest::newRow("everything") << (arguments << QStringLiteral("--date") << QStringLiteral("2026/12/7"))
                                << QStringLiteral("everything.rms");
}

void TestScriptGolden::wholeScriptsFromTheCommandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, golden);
    const QByteArray expected = testing::Golden(golden);
    QVERIFY2(!expected.isEmpty(), qPrintable(golden));

    const testing::Run run = testing::RunQuorlin(QStringList{QStringLiteral("generate")} + arguments);
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.exitCode, 0);
    // Compare line by line first so that a failure names the line.
    const QList<QByteArray> got = run.out.split('\n');
    const QList<QByteArray> want = expected.split('\n');
    for (int i = 0; i < qMin(got.size(), want.size()); ++i)
        QVERIFY2(got[i] == want[i], qPrintable(QStringLiteral("line %1: got \"%2\", expected \"%3\"")
                                                   .arg(i + 1)
                                                   .arg(QString::fromUtf8(got[i].trimmed()), QString::fromUtf8(want[i].trimmed()))));
    QCOMPARE(run.out, expected);
}

void TestScriptGolden::landSectionAloneWithoutPlayerZones()
{
    // Without the uniform zones nothing of Frame2 reaches the script.
    Scenario s({QStringLiteral("Check33=0"), QStringLiteral("Check1=1"), QStringLiteral("Combo3=宽"),
                QStringLiteral("Slider1=90"), QStringLiteral("Option3=true")});
    const QString script = s.script();
    QCOMPARE(Section(script, QStringLiteral("<LAND_GENERATION>")),
             Lines({"<LAND_GENERATION>", "/* 区域设置 */", "", "base_terrain  GRASS /* 基本地形 */", "", ""}));
    QCOMPARE(HeadsIn(script), kSectionHeads.mid(0, 2));
    QVERIFY(script.endsWith(Lines({"#const  WHITE_SPOTS  728", "", "<LAND_GENERATION>", "/* 区域设置 */", "",
                                   "base_terrain  GRASS /* 基本地形 */", "", ""})));

    // A grey box is not ticked for the script either.
    s.apply({QStringLiteral("Check33=2")});
    QVERIFY(!s.script().contains(QStringLiteral("create_player_lands")));
}

void TestScriptGolden::playerLandBorders_data()
{
    QTest::addColumn<QString>("check1");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("borders"); // left right top bottom, or empty for no lines

    QTest::newRow("wide") << "1" << QStringLiteral("宽") << "25 24 23 24";
    QTest::newRow("medium") << "1" << QStringLiteral("中") << "13 15 14 13";
    QTest::newRow("narrow") << "1" << QStringLiteral("窄") << "5 4 6 5";
    QTest::newRow("empty") << "1" << QString() << "0 0 0 0";
    QTest::newRow("unknown word") << "1" << QStringLiteral("很宽") << "0 0 0 0";
    QTest::newRow("not ticked") << "0" << QStringLiteral("宽") << "";
    QTest::newRow("grey") << "2" << QStringLiteral("宽") << "";
}

void TestScriptGolden::playerLandBorders()
{
    QFETCH(QString, check1);
    QFETCH(QString, width);
    QFETCH(QString, borders);
    Scenario s({QStringLiteral("Check1=") + check1, QStringLiteral("Combo3=") + width});
    QString expected = Lines({"base_size  10"});
    const QStringList values = borders.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const char *const sides[] = {"left_border", "right_border", "top_border", "bottom_border"};
    for (int i = 0; i < values.size(); ++i)
        expected += QString::fromLatin1(sides[i]) + QStringLiteral("  ") + values[i] + QStringLiteral("\r\n");
    expected += Lines({"border_fuzziness  10"});
    QVERIFY2(s.section("<LAND_GENERATION>").contains(expected), qPrintable(s.section("<LAND_GENERATION>")));
}

void TestScriptGolden::zoneDistributionLine_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("line");
    QTest::newRow("separate zones") << "Option1" << "";
    QTest::newRow("by team") << "Option2" << "set_zone_by_team\r\n";
    QTest::newRow("one zone") << "Option3" << "zone  1\r\n";
    QTest::newRow("random") << "Option4" << "set_zone_randomly\r\n";
}

void TestScriptGolden::zoneDistributionLine()
{
    QFETCH(QString, option);
    QFETCH(QString, line);
    Scenario s({option + QStringLiteral("=true")});
    QVERIFY(s.section("<LAND_GENERATION>").contains(Lines({"clumping_factor  8"}) + line + Lines({"}", "", ""})));
}

void TestScriptGolden::emptyTerrainNamesFallBackToGrass()
{
    Scenario s({QStringLiteral("Combo1="), QStringLiteral("Combo2=")});
    QString land = s.section("<LAND_GENERATION>");
    QVERIFY(land.contains(Lines({"base_terrain  GRASS /* 基本地形 */"})));
    QVERIFY(land.contains(Lines({"terrain_type  GRASS"})));

    // Typed text that names no terrain reaches the script as typed.
    s.apply({QStringLiteral("Combo1=DIRT_SNOW"), QStringLiteral("Combo2= 森林")});
    land = s.section("<LAND_GENERATION>");
    QVERIFY(land.contains(Lines({"base_terrain  DIRT_SNOW /* 基本地形 */"})));
    QVERIFY(land.contains(Lines({"terrain_type   森林"})));
}

void TestScriptGolden::terrainSection_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("expected");

    const QString mixedWater = Lines({
        "/* 混合水域 */",
        "create_terrain MED_WATER", "{", "base_terrain WATER", "number_of_clumps 10",
        "spacing_to_other_terrain_types 2", "land_percent 40", "}", "",
        "create_terrain MED_WATER", "{", "base_terrain WATER", "number_of_clumps 30",
        "spacing_to_other_terrain_types 1", "land_percent 1", "}", "",
        "create_terrain DEEP_WATER", "{", "base_terrain MED_WATER", "number_of_clumps 8",
        "spacing_to_other_terrain_types 3", "land_percent 20", "}", "",
        "create_terrain DEEP_WATER", "{", "base_terrain MED_WATER", "number_of_clumps 30",
        "spacing_to_other_terrain_types 1", "land_percent 1", "}", "",
        "create_terrain MED_WATER", "{", "base_terrain DEEP_WATER", "number_of_clumps 30",
        "spacing_to_other_terrain_types 1", "land_percent 1", "}", "",
        "create_terrain WATER", "{", "base_terrain MED_WATER", "number_of_clumps 30",
        "spacing_to_other_terrain_types 1", "land_percent 1", "}", "",
    });
    const QString head = Lines({"<TERRAIN_GENERATION>", "/* 地形设置 */", ""});
    const QString dirt = Lines({"create_terrain  DIRT /* 添加地形：泥地1 */", "{", "base_terrain  GRASS",
                                "land_percent  8", "number_of_clumps  10", "set_scale_by_groups",
                                "spacing_to_other_terrain_types  2", "set_avoid_player_start_areas",
                                "clumping_factor  30", "}", ""});
    const QString ice = QString(dirt).replace(QStringLiteral("DIRT /* 添加地形：泥地1"),
                                              QStringLiteral("ICE /* 添加地形：冰"));

    QTest::newRow("nothing") << QStringList() << QString();
    QTest::newRow("grey mixed water") << QStringList{"Check30=2"} << QString();
    QTest::newRow("mixed water only") << QStringList{"Check30=1"} << head + Lines({""}) + mixedWater + Lines({""});
    QTest::newRow("added terrains only")
        << QStringList{"!Command4", "Combo4=冰", "!Command4"} << head + dirt + ice + Lines({"", ""});
    QTest::newRow("added terrains before mixed water")
        << QStringList{"!Command4", "Check30=1"} << head + dirt + Lines({""}) + mixedWater + Lines({""});
}

void TestScriptGolden::terrainSection()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, expected);
    Scenario s(steps);
    QCOMPARE(s.section("<TERRAIN_GENERATION>"), expected);
}

void TestScriptGolden::noObjectsSectionWithoutObjects()
{
    // Grey boxes (from a draft) write nothing either.
    Scenario s({QStringLiteral("Check8=2"), QStringLiteral("Check22=2")});
    const QString script = s.script();
    QVERIFY(!script.contains(QStringLiteral("<OBJECTS_GENERATION>")));
    QVERIFY(!script.contains(QStringLiteral("REGICIDE")));
}

void TestScriptGolden::singleReadyMadeBoxWithRegicide()
{
    Scenario s({QStringLiteral("Check22=1")});
    QCOMPARE(s.section("<OBJECTS_GENERATION>"),
             Lines({"<OBJECTS_GENERATION>", "/* 单位设置 */", "",
                    "create_object  RELIC /* 添加单位：遗迹 */", "{", "number_of_objects  5",
                    "min_distance_to_players  25", "temp_min_distance_group_placement 20", "}", "",
                    "if REGICIDE", "/* 判断弑君模式 */",
                    "create_object  VILLAGER /* 添加单位：村民 */", "{", "number_of_objects  7",
                    "min_distance_to_players  6", "max_distance_to_players  6", "set_place_for_every_player", "",
                    "}", "",
                    "create_object  KING /* 添加单位：国王 */", "{", "min_distance_to_players  6",
                    "max_distance_to_players  6", "set_place_for_every_player", "", "}", "",
                    "create_object  CASTLE /* 添加单位：城堡 */", "{", "min_distance_to_players  10",
                    "max_distance_to_players  10", "set_place_for_every_player", "", "}", "",
                    "endif", "", ""}));
}

void TestScriptGolden::extraResourcesSixMapSizeGroups()
{
    Scenario s({QStringLiteral("Check11=1")});
    const QString objects = s.section("<OBJECTS_GENERATION>");
    const QStringList lines = objects.split(QStringLiteral("\r\n"));

    const int begin = int(lines.indexOf(QStringLiteral("/* 额外资源开始 */")));
    const int end = int(lines.indexOf(QStringLiteral("/* 额外资源结束 */")));
    QVERIFY(begin == 3 && end > begin);
    QCOMPARE(lines.value(end + 1), QString());
    QCOMPARE(lines.value(end + 2), QStringLiteral("if REGICIDE"));

    // Between the comments: six groups, each condition ... "endif" and a blank line;
    // the forage block only on large, huge and gigantic maps.
    const QStringList sizes = {"TINY", "SMALL", "MEDIUM", "LARGE", "HUGE", "GIGANTIC"};
    const QList<int> blocks = {2, 2, 2, 3, 3, 3};
    int at = begin + 1;
    for (int g = 0; g < sizes.size(); ++g) {
        QCOMPARE(lines.value(at), QStringLiteral("if %1_MAP").arg(sizes[g]));
        int close = int(lines.indexOf(QStringLiteral("endif"), at));
        const QStringList group = lines.mid(at + 1, close - at - 1);
        int heads = 0;
        for (const QString &line : group)
            heads += line.startsWith(QStringLiteral("create_object  ")) ? 1 : 0;
        QCOMPARE(heads, blocks[g]);
        QCOMPARE(group.contains(QStringLiteral("create_object  FORAGE /* 添加单位：草料丛 */")), g >= 3);
        QCOMPARE(lines.value(close + 1), QString());
        at = close + 2;
    }
    QCOMPARE(at, end);
}

void TestScriptGolden::fishBlocksScaleToTheMap()
{
    Scenario s({QStringLiteral("Check19=1")});
    const QString objects = s.section("<OBJECTS_GENERATION>");
    for (const char *fish : {"SHORE_FISH /* 添加单位：海滨捕鱼 */", "TUNA /* 添加单位：金枪鱼 */",
                             "MARLIN1 /* 添加单位：海豚 */"}) {
        const qsizetype head = objects.indexOf(QStringLiteral("create_object  ") + QString::fromUtf8(fish));
        QVERIFY2(head >= 0, fish);
        const qsizetype close = objects.indexOf(QStringLiteral("\r\n}\r\n"), head);
        QVERIFY(objects.mid(head, close - head).endsWith(QStringLiteral("\r\nset_scaling_to_map_size")));
    }
    // The dolphin block: "-1" as grouping writes none, and groups come right after the count.
    QVERIFY(objects.contains(Lines({"create_object  MARLIN1 /* 添加单位：海豚 */", "{", "number_of_objects  1",
                                    "number_of_groups  5", "set_gaia_object_only",
                                    "min_distance_group_placement  10", "max_distance_to_other_zones  7",
                                    "set_scaling_to_map_size", "}", ""})));
}

void TestScriptGolden::groupsFollowTheVisitingOrder_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("constants"); // in the order they must appear

    QTest::newRow("turkey before deer") << QStringList{"Check16=1", "Check13=1"}
                                        << QStringList{"TURKEY", "TURKEY", "DEER", "VILLAGER"};
    QTest::newRow("deer before boar") << QStringList{"Check14=1", "Check16=1"}
                                      << QStringList{"DEER", "BOAR", "BOAR"};
    QTest::newRow("hawk before fish") << QStringList{"Check19=1", "Check20=1"}
                                      << QStringList{"HAWK", "SHORE_FISH", "TUNA", "MARLIN1"};
    QTest::newRow("macaw before fish, relic, walls last")
        << QStringList{"Check31=1", "Check22=1", "Check19=1", "Check21=1"}
        << QStringList{"MACAW", "SHORE_FISH", "TUNA", "MARLIN1", "RELIC", "WALL", "VILLAGER", "KING", "CASTLE"};
    QTest::newRow("town centre, villagers, scout")
        << QStringList{"Check9=1", "Check8=1"} << QStringList{"TOWN_CENTER", "VILLAGER", "SCOUT", "VILLAGER"};
}

void TestScriptGolden::groupsFollowTheVisitingOrder()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, constants);
    Scenario s(steps);
    QStringList found;
    for (const QString &line : s.section("<OBJECTS_GENERATION>").split(QStringLiteral("\r\n")))
        if (line.startsWith(QStringLiteral("create_object  ")))
            found << line.mid(15).section(QLatin1Char(' '), 0, 0);
    QCOMPARE(found.mid(0, constants.size()), constants);
}

void TestScriptGolden::addedUnitsComeAfterReadyMadeText()
{
    // Only added units: their blocks, no regicide group.
    Scenario s({QStringLiteral("Label55=长弓手"), QStringLiteral("!Command6")});
    const QString unit = Lines({"create_object  LONGBOWMAN /* 添加单位：长弓手 */", "{", "number_of_objects  4",
                                "min_distance_to_players  4", "max_distance_to_players  10",
                                "set_place_for_every_player", "", "}", ""});
    QCOMPARE(s.section("<OBJECTS_GENERATION>"),
             Lines({"<OBJECTS_GENERATION>", "/* 单位设置 */", ""}) + unit + Lines({""}));

    s.apply({QStringLiteral("Check8=1")});
    const QString objects = s.section("<OBJECTS_GENERATION>");
    QVERIFY(objects.indexOf(QStringLiteral("TOWN_CENTER")) < objects.indexOf(QStringLiteral("REGICIDE")));
    QVERIFY(objects.endsWith(Lines({"endif", ""}) + unit + Lines({""})));
}

void TestScriptGolden::elevation_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("expected");

    const auto elevation = [](const char *height, const char *terrain, const char *clumps, const char *tiles) {
        return Lines({"<ELEVATION_GENERATION>", "/* 高地 */"}) + QStringLiteral("create_elevation  %1\r\n").arg(QString::fromUtf8(height))
            + Lines({"{"}) + QStringLiteral("base_terrain  %1\r\nnumber_of_clumps  %2\r\nnumber_of_tiles  %3\r\n")
                                 .arg(QString::fromUtf8(terrain), QString::fromUtf8(clumps), QString::fromUtf8(tiles))
            + Lines({"set_scale_by_groups", "set_scale_by_size", "}", ""});
    };
    QTest::newRow("not ticked") << QStringList() << QString();
    QTest::newRow("grey") << QStringList{"Check23=2"} << QString();
    QTest::newRow("empty height") << QStringList{"Check23=1", "Combo8="} << QString();
    QTest::newRow("defaults") << QStringList{"Check23=1"} << elevation("7", "GRASS", "12", "1000");
    // The texts are written exactly as typed, numbers or not.
    QTest::newRow("as typed") << QStringList{"Check23=1", "Combo8=9", "Combo9=浅滩", "Text8=abc", "Text9="}
                              << elevation("9", "SHALLOW", "abc", "");
    QTest::newRow("empty terrain") << QStringList{"Check23=1", "Combo9="} << elevation("7", "", "12", "1000");
}

void TestScriptGolden::elevation()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, expected);
    QCOMPARE(Scenario(steps).section("<ELEVATION_GENERATION>"), expected);
}

void TestScriptGolden::cliffsSwapTheirRanges()
{
    Scenario s({QStringLiteral("Check24=1"), QStringLiteral("Text10=10"), QStringLiteral("Text11=4"),
                QStringLiteral("Text12=20"), QStringLiteral("Text13=3"), QStringLiteral("Slider8=0"),
                QStringLiteral("Text14=x")});
    QCOMPARE(s.section("<CLIFF_GENERATION>"),
             Lines({"<CLIFF_GENERATION>", "/* 悬崖 */", "min_number_of_cliffs  4", "max_number_of_cliffs  10",
                    "min_length_of_cliff  3", "max_length_of_cliff  20", "cliff_curliness  0",
                    "min_distance_cliffs  0", ""}));

    // Numbers are read by the reading rule and written in plain decimal.
    s.apply({QStringLiteral("Text10= 2.50"), QStringLiteral("Text11=&H10"), QStringLiteral("Text12=1E20"),
             QStringLiteral("Text13=-7abc"), QStringLiteral("Text14=3 0")});
    const QString cliffs = s.section("<CLIFF_GENERATION>");
    QVERIFY(cliffs.contains(Lines({"min_number_of_cliffs  2.5", "max_number_of_cliffs  16",
                                   "min_length_of_cliff  -7", "max_length_of_cliff  1E+20"})));
    QVERIFY(cliffs.contains(Lines({"min_distance_cliffs  30", ""})));
}

void TestScriptGolden::connections_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("expected");

    const QString head = Lines({"<CONNECTION_GENERATION>", "/* 连接 */"});
    const auto water = [](const char *crossing, const char *size) {
        QString t = Lines({"/* 将后者替换前者 */"});
        for (const char *w : {"WATER", "MED_WATER", "DEEP_WATER"})
            t += QStringLiteral("replace_terrain  %1  %2\r\n").arg(QString::fromLatin1(w), QString::fromLatin1(crossing));
        t += Lines({"terrain_cost  WATER  7", "terrain_cost  MED_WATER  10", "terrain_cost  DEEP_WATER  15"});
        if (*size)
            for (const char *w : {"WATER", "MED_WATER", "DEEP_WATER"})
                t += QStringLiteral("terrain_size  %1  %2\r\n").arg(QString::fromLatin1(w), QString::fromLatin1(size));
        return t;
    };
    const auto road = [](const char *constant, const char *size) {
        const char *const lands[] = {"DESERT", "DIRT", "DIRT2", "DIRT3", "GRASS", "GRASS2", "GRASS3", "SNOW",
                                     "GRASS_SNOW", "DIRT_SNOW", "LEAVES", "FARMS_UNPLANTED",
                                     "FARMS_SMALL_PLANTS", "FARMS_LARGER_PLANTS", "FARMS_PLANTED",
                                     "FARMS_EXPIRED"};
        const int costs[] = {4, 3, 3, 3, 2, 3, 3, 4, 5, 5, 4, 5, 5, 5, 5, 5};
        QString t = Lines({"/* 将后者替换前者 */"});
        for (const char *land : lands)
            t += QStringLiteral("replace_terrain  %1  %2\r\n").arg(QString::fromLatin1(land), QString::fromLatin1(constant));
        for (int i = 0; i < 16; ++i)
            t += QStringLiteral("terrain_cost  %1  %2\r\n").arg(QString::fromLatin1(lands[i])).arg(costs[i]);
        if (*size)
            t += QStringLiteral("terrain_size  %1  %2\r\n").arg(QString::fromLatin1(constant), QString::fromLatin1(size));
        return t;
    };
    const auto all = [](const QString &body) { return Lines({"create_connect_all_players_land", "{"}) + body + Lines({"}", ""}); };
    const auto teams = [](const QString &body) { return Lines({"create_connect_teams_lands", "{"}) + body + Lines({"}", ""}); };

    QTest::newRow("frame without a group") << QStringList{"Check25=1"} << QString();
    QTest::newRow("groups without the frame")
        << QStringList{"Check26=1", "Check27=1", "Check28=1", "Check29=1"} << QString();
    QTest::newRow("grey frame") << QStringList{"Check25=2", "Check27=1"} << QString();
    QTest::newRow("roads of all players only")
        << QStringList{"Check25=1", "Check27=1"} << head + all(road("ROAD", "2  1"));
    QTest::newRow("duckweed")
        << QStringList{"Check25=1", "Check26=1"} << head + all(water("SHALLOW", "2  1"));
    QTest::newRow("ice, wide")
        << QStringList{"Check25=1", "Check26=1", "Option14=true", "Combo10=宽"} << head + all(water("ICE", "8  2"));
    QTest::newRow("water medium, empty and unknown widths")
        << QStringList{"Check25=1", "Check26=1", "Combo10=中", "Check29=1", "Combo13=", "Check28=1", "Combo12=x"}
        << head + all(water("SHALLOW", "4  1")) + teams(water("SHALLOW", "2  1") + road("ROAD", ""));
    QTest::newRow("road widths wide, medium, empty")
        << QStringList{"Check25=1", "Check27=1", "Combo11=宽", "Option15=true", "Check28=1", "Combo12=",
                       "Option9=true"}
        << head + all(road("ROAD2", "10  2")) + teams(road("ROAD3", "5  1"));
    QTest::newRow("unknown water width, medium road")
        << QStringList{"Check25=1", "Check29=1", "Combo13=wide", "Option19=true", "Check28=1", "Option18=true",
                       "Combo12=中"}
        << head + teams(water("ICE", "") + road("ROAD2", "5  1"));
    QTest::newRow("snow roads of both groups")
        << QStringList{"Check25=1", "Check27=1", "Option8=true", "Check28=1", "Option10=true", "Option17=true"}
        << head + all(road("ROAD4", "2  1")) + teams(road("ROAD", "2  1"));
    QTest::newRow("mushroom road of all players")
        << QStringList{"Check25=1", "Check27=1", "Option7=true"} << head + all(road("ROAD3", "2  1"));
}

void TestScriptGolden::connections()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, expected);
    QCOMPARE(Scenario(steps).section("<CONNECTION_GENERATION>"), expected);
}

void TestScriptGolden::sectionsInOrder()
{
    Scenario s({QStringLiteral("Check23=1"), QStringLiteral("Check24=1"), QStringLiteral("Check25=1"),
                QStringLiteral("Check27=1"), QStringLiteral("Check30=1"), QStringLiteral("Check8=1")});
    const QString script = s.script();
    QCOMPARE(HeadsIn(script), kSectionHeads);
    QVERIFY(script.startsWith(Lines({"/* 地图名：  */", "/* 制作日期：D */", "/* 制作者：  */", "",
                                     "<PLAYER_SETUP>", "random_placement", "", "/* 定义隐藏地形 */"})));
    // Each of the last three sections ends with a blank line and the next follows at once.
    QVERIFY(script.contains(Lines({"}", "", "<CLIFF_GENERATION>"})));
    QVERIFY(script.contains(Lines({"min_distance_cliffs  5", "", "<CONNECTION_GENERATION>"})));
    QVERIFY(script.endsWith(Lines({"terrain_size  ROAD  2  1", "}", ""})));

    // Start over and build again: the same script.
    for (int i = 0; i < 5; ++i)
        s.model.next();
    QCOMPARE(s.model.script(), script);
    s.model.back();
    for (int i = 0; i < 5; ++i)
        s.model.next();
    QCOMPARE(s.model.script(), script);
}

QTEST_GUILESS_MAIN(TestScriptGolden)

#include "test_script_golden.moc"
