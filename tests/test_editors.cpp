// The block texts of the three add editors and of MakeObjectBlock, and what
// each add leaves behind in its frame.
#include <QtTest>

#include "items/editors.h"
#include "items/object_block.h"
#include "script/sections.h"
#include "test_script_support.h"
#include "wizard/settings.h"

using namespace quorlin;
using testing::Lines;

namespace {

Settings With(const QStringList &assignments)
{
    Settings s;
    for (const QString &a : assignments) {
        const int eq = a.indexOf(QLatin1Char('='));
        const QString error = s.setFromString(a.left(eq), a.mid(eq + 1));
        if (!error.isEmpty())
            qFatal("%s", qPrintable(error));
    }
    return s;
}

// The block that the unit editor adds for these settings.
QString UnitBlock(const QStringList &assignments, qint64 *xn = nullptr)
{
    Settings s = With(assignments);
    ItemStore units;
    qint64 counter = xn ? *xn : 0;
    if (AddUnit(s, units, counter))
        return QStringLiteral("(refused)");
    if (xn)
        *xn = counter;
    return units.block(0);
}

// The body lines between "{" and the closing "}" of a block, without the last empty one.
QStringList Body(const QString &block)
{
    QStringList lines = block.split(QStringLiteral("\r\n"));
    const int open = int(lines.indexOf(QStringLiteral("{")));
    const int close = int(lines.lastIndexOf(QStringLiteral("}")));
    return lines.mid(open + 1, close - open - 1);
}

} // namespace

class TestEditors : public QObject {
    Q_OBJECT

private slots:
    void defaultLandBlockUsesCurrentRadius();
    void landBorders_data();
    void landBorders();
    void landNumberAndPlayer_data();
    void landNumberAndPlayer();
    void landAddResetsItsFrame();

    void defaultForestBlock();
    void terrainGroundAndValues_data();
    void terrainGroundAndValues();
    void heightLimits_data();
    void heightLimits();
    void terrainAddResetsItsFrame();

    void makeObjectBlockExample();
    void readyMadeTownCentre();
    void unitNumbers_data();
    void unitNumbers();
    void unitEditorLines_data();
    void unitEditorLines();
    void unitAddResetsItsFrame();
};

void TestEditors::defaultLandBlockUsesCurrentRadius()
{
    const Settings s = With({QStringLiteral("Slider12=17")});
    QCOMPARE(LandBlock(s), Lines({"create_land /* 添加陆地：草1 */", "{", "terrain_type  GRASS", "land_percent  20",
                                  "base_size  17", "border_fuzziness  10", "clumping_factor  8",
                                  "other_zone_avoidance_distance  5", "", "}", ""}));
}

void TestEditors::landBorders_data()
{
    QTest::addColumn<QString>("check34");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("borders");

    QTest::newRow("wide") << "1" << QStringLiteral("宽") << "25 24 23 24";
    QTest::newRow("medium") << "1" << QStringLiteral("中") << "13 15 14 13";
    QTest::newRow("narrow") << "1" << QStringLiteral("窄") << "5 4 6 5";
    QTest::newRow("empty") << "1" << QString() << "0 0 0 0";
    QTest::newRow("typed word") << "1" << QStringLiteral("窄 ") << "0 0 0 0";
    QTest::newRow("not ticked") << "0" << QStringLiteral("宽") << "";
    QTest::newRow("grey") << "2" << QStringLiteral("宽") << "";
}

void TestEditors::landBorders()
{
    QFETCH(QString, check34);
    QFETCH(QString, width);
    QFETCH(QString, borders);
    const Settings s = With({QStringLiteral("Check34=") + check34, QStringLiteral("Combo16=") + width});
    QStringList expected = {QStringLiteral("terrain_type  GRASS"), QStringLiteral("land_percent  20"),
                            QStringLiteral("base_size  10")};
    const QStringList values = borders.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QStringList sides = {"left_border", "right_border", "top_border", "bottom_border"};
    for (int i = 0; i < values.size(); ++i)
        expected << sides[i] + QStringLiteral("  ") + values[i];
    expected << QStringLiteral("border_fuzziness  10") << QStringLiteral("clumping_factor  8")
             << QStringLiteral("other_zone_avoidance_distance  5") << QString();
    QCOMPARE(Body(LandBlock(s)), expected);
}

void TestEditors::landNumberAndPlayer_data()
{
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QString>("ending"); // the block from its last slider line on

    const char *last = "other_zone_avoidance_distance  5\r\n";
    QTest::newRow("number 2.5") << QStringList{"Check35=1", "Text16=2.5"}
                                << last + QStringLiteral("land_id  2.5\r\n\r\n}\r\n\r\n");
    QTest::newRow("number read from text") << QStringList{"Check35=1", "Text16= 1 2abc"}
                                           << last + QStringLiteral("land_id  12\r\n\r\n}\r\n\r\n");
    QTest::newRow("number beyond 16 bits") << QStringList{"Check35=1", "Text16=40000"}
                                           << last + QStringLiteral("land_id  40000\r\n\r\n}\r\n\r\n");
    QTest::newRow("huge number") << QStringList{"Check35=1", "Text16=1E20"}
                                 << last + QStringLiteral("land_id  1E+20\r\n\r\n}\r\n\r\n");
    QTest::newRow("number 0") << QStringList{"Check35=1", "Text16=0"} << last + QStringLiteral("\r\n}\r\n\r\n");
    QTest::newRow("number empty") << QStringList{"Check35=1"} << last + QStringLiteral("\r\n}\r\n\r\n");
    QTest::newRow("negative number") << QStringList{"Check35=1", "Text16=-3"} << last + QStringLiteral("\r\n}\r\n\r\n");
    QTest::newRow("number not ticked") << QStringList{"Text16=4"} << last + QStringLiteral("\r\n}\r\n\r\n");
    // The player line has no line break of its own: no empty line before "}".
    QTest::newRow("player 3") << QStringList{"Check36=1", "Combo17=3"}
                              << last + QStringLiteral("assign_to_player  3\r\n}\r\n\r\n");
    QTest::newRow("number and player") << QStringList{"Check35=1", "Text16=7", "Check36=1", "Combo17=8"}
                                       << last + QStringLiteral("land_id  7\r\nassign_to_player  8\r\n}\r\n\r\n");
    QTest::newRow("player not chosen") << QStringList{"Check36=1"} << last + QStringLiteral("\r\n}\r\n\r\n");
    QTest::newRow("player not ticked") << QStringList{"Combo17=3"} << last + QStringLiteral("\r\n}\r\n\r\n");
    QTest::newRow("player grey") << QStringList{"Check36=2", "Combo17=3"} << last + QStringLiteral("\r\n}\r\n\r\n");
}

void TestEditors::landNumberAndPlayer()
{
    QFETCH(QStringList, settings);
    QFETCH(QString, ending);
    const QString block = LandBlock(With(settings));
    QVERIFY2(block.endsWith(ending), qPrintable(block));
}

void TestEditors::landAddResetsItsFrame()
{
    Settings s = With({"Combo15=雪", "Slider13=64", "Slider12=22", "Check34=1", "Combo16=宽", "Slider11=0",
                       "Slider9=15", "Slider10=40", "Check35=1", "Text16=9", "Check36=1", "Combo17=4"});
    ItemStore lands;
    QVERIFY(!AddLand(s, lands));
    QCOMPARE(lands.lines(), QStringList{QStringLiteral("雪")});
    QVERIFY(lands.block(0).startsWith(Lines({"create_land /* 添加陆地：雪 */", "{", "terrain_type  SNOW",
                                             "land_percent  64", "base_size  22", "left_border  25"})));

    const Settings defaults;
    for (const char *name : {"Combo15", "Slider13", "Check34", "Combo16", "Slider11", "Slider9", "Slider10",
                             "Check35", "Text16", "Check36"})
        QCOMPARE(s.toString(QString::fromLatin1(name)), defaults.toString(QString::fromLatin1(name)));
    QCOMPARE(s.slider(QStringLiteral("Slider12")), 22);
    QCOMPARE(s.text(QStringLiteral("Combo17")), QStringLiteral("4"));
    QVERIFY(!s.isEnabled(QStringLiteral("Combo16")) && !s.isEnabled(QStringLiteral("Text16")));

    // A refused add leaves the frame as it was.
    s = With({"Combo15=", "Slider13=64"});
    const auto refusal = AddLand(s, lands);
    QVERIFY(refusal);
    QCOMPARE(refusal->title, QStringLiteral("注意"));
    QCOMPARE(refusal->text, QStringLiteral("请选择地形。"));
    QCOMPARE(refusal->icon, MessageIcon::Warning);
    QCOMPARE(s.slider(QStringLiteral("Slider13")), 64);
    QCOMPARE(lands.count(), 1);
}

void TestEditors::defaultForestBlock()
{
    const Settings s = With({QStringLiteral("Option6=true")});
    QCOMPARE(TerrainBlock(s), Lines({"create_terrain  FOREST /* 添加地形：森林 */", "{", "base_terrain  GRASS",
                                     "land_percent  8", "number_of_clumps  10", "set_scale_by_groups",
                                     "spacing_to_other_terrain_types  2", "set_avoid_player_start_areas",
                                     "clumping_factor  30", "}", ""}));
}

void TestEditors::terrainGroundAndValues_data()
{
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QStringList>("body");

    const auto body = [](const char *ground, const char *clumps, const char *spacing,
                         std::initializer_list<const char *> flags) {
        QStringList lines = {QStringLiteral("base_terrain  ") + QString::fromUtf8(ground),
                             QStringLiteral("land_percent  8"),
                             QStringLiteral("number_of_clumps  ") + QString::fromLatin1(clumps),
                             QStringLiteral("set_scale_by_groups"),
                             QStringLiteral("spacing_to_other_terrain_types  ") + QString::fromLatin1(spacing)};
        for (const char *flag : flags)
            lines << QString::fromLatin1(flag);
        return lines << QStringLiteral("clumping_factor  30");
    };
    const char *avoid = "set_avoid_player_start_areas";
    QTest::newRow("base terrain of the zone page") << QStringList{"Combo1=雪"} << body("SNOW", "10", "2", {avoid});
    QTest::newRow("own ground first") << QStringList{"Combo1=雪", "Combo14=沙漠"} << body("DESERT", "10", "2", {avoid});
    QTest::newRow("both empty") << QStringList{"Combo1="} << body("GRASS", "10", "2", {avoid});
    QTest::newRow("typed ground") << QStringList{"Combo14=GRASS3"} << body("GRASS3", "10", "2", {avoid});
    QTest::newRow("fraction of clumps") << QStringList{"Text2=2.5"} << body("GRASS", "2.5", "2", {avoid});
    QTest::newRow("texts without numbers") << QStringList{"Text2=many", "Text1="} << body("GRASS", "0", "0", {avoid});
    QTest::newRow("numbers as read") << QStringList{"Text2=&H1F", "Text1=+3.0"} << body("GRASS", "31", "3", {avoid});
    QTest::newRow("flat only") << QStringList{"Check2=0", "Check3=1"}
                               << body("GRASS", "10", "2", {"set_flat_terrain_only"});
    QTest::newRow("grey boxes") << QStringList{"Check2=2", "Check3=2"} << body("GRASS", "10", "2", {});
}

void TestEditors::terrainGroundAndValues()
{
    QFETCH(QStringList, settings);
    QFETCH(QStringList, body);
    QCOMPARE(Body(TerrainBlock(With(settings))), body);
}

void TestEditors::heightLimits_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("line");

    QTest::newRow("in order") << "2" << "5" << "height_limits  2  5";
    QTest::newRow("swapped") << "5" << "2" << "height_limits  2  5";
    QTest::newRow("first empty") << "" << "3" << "height_limits  0  3";
    QTest::newRow("second empty") << "3" << "" << "height_limits  0  3";
    QTest::newRow("both empty") << "" << "" << "";
    QTest::newRow("halves to even") << "2.5" << "3.5" << "height_limits  2  4";
    QTest::newRow("negative halves") << "-2.5" << "0.5" << "height_limits  -2  0";
    QTest::newRow("beyond 16 bits") << "40000" << "-40000" << "height_limits  -40000  40000";
    QTest::newRow("huge") << "1E20" << "7" << "height_limits  7  1E+20";
    QTest::newRow("overflowing text") << "1E400" << "&HFFFFFFFFFFFF"
                                      << "height_limits  281474976710655  1.79769313486232E+308";
    QTest::newRow("no number") << "high" << "" << "height_limits  0  0";
}

void TestEditors::heightLimits()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, line);
    QCOMPARE(HeightLimitsLine(from, to), line.isEmpty() ? QString() : line + QStringLiteral("\r\n"));
}

void TestEditors::terrainAddResetsItsFrame()
{
    Settings s = With({"Option6=true", "Combo5=竹林", "Combo4=冰", "Combo14=雪", "Slider6=50", "Text2=3",
                       "Text1=9", "Check2=0", "Check3=1", "Slider7=70", "Combo6=5", "Combo7=2"});
    ItemStore terrains;
    QVERIFY(!AddTerrain(s, terrains));
    QCOMPARE(terrains.lines(), QStringList{QStringLiteral("竹林")});
    QVERIFY(terrains.block(0).endsWith(Lines({"clumping_factor  70", "height_limits  2  5", "}", ""})));

    const Settings defaults;
    for (const char *name : {"Option5", "Option6", "Combo4", "Combo5", "Combo14", "Slider6", "Text2", "Text1",
                             "Check2", "Check3", "Slider7"})
        QCOMPARE(s.toString(QString::fromLatin1(name)), defaults.toString(QString::fromLatin1(name)));
    QCOMPARE(s.text(QStringLiteral("Combo6")), QStringLiteral("5"));
    QCOMPARE(s.text(QStringLiteral("Combo7")), QStringLiteral("2"));
    QVERIFY(s.isVisible(QStringLiteral("Combo4")) && !s.isVisible(QStringLiteral("Combo5")));

    // The land list is the one read while "土地" is chosen, the forests otherwise.
    for (const char *option : {"Option5", "Option6"}) {
        s = With({QString::fromLatin1(option) + QStringLiteral("=true"),
                  QString::fromLatin1(option) == QLatin1String("Option5") ? "Combo4=" : "Combo5=",
                  "Text2=77"});
        const auto refusal = AddTerrain(s, terrains);
        QVERIFY(refusal && refusal->text == QStringLiteral("请选择地形。") && refusal->title == QStringLiteral("注意"));
        QCOMPARE(s.text(QStringLiteral("Text2")), QStringLiteral("77"));
        QCOMPARE(terrains.count(), 1);
    }
}

void TestEditors::makeObjectBlockExample()
{
    ObjectArgs a;
    a.a1 = 4, a.a2 = 1, a.a3 = 4, a.a4 = 10, a.a5 = -1, a.a7 = 1, a.a8 = 0, a.a9 = -1, a.a10 = -1, a.a11 = 0,
    a.a12 = 0;
    qint64 xn = 5;
    QCOMPARE(MakeObjectBlock(QStringLiteral("民兵"), a, xn),
             Lines({"create_object  MILITIA /* 添加单位：民兵 */", "{", "number_of_objects  4",
                    "min_distance_to_players  4", "max_distance_to_players  10", "set_place_for_every_player", "",
                    "}", ""}));
    QCOMPARE(xn, qint64(5));

    // Every line at once, in the writing order (groups right after the count).
    ObjectArgs all;
    all.a1 = 2.5, all.a2 = 3, all.a3 = 0, all.a4 = 0, all.a5 = 0, all.a6 = QStringLiteral("紧"), all.a7 = 1,
    all.a8 = 1, all.a9 = 0, all.a10 = 0, all.a11 = 1E20, all.a12 = 0.5, all.a13 = QStringLiteral("x y");
    QCOMPARE(Body(MakeObjectBlock(QStringLiteral("精锐长弓手"), all, xn)),
             (QStringList{"number_of_objects  2.5", "number_of_groups  1E+20", "group_variance  3",
                          "min_distance_to_players  0", "max_distance_to_players  0", "group_placement_radius  0",
                          "set_tight_grouping", "set_place_for_every_player", "set_gaia_object_only",
                          "min_distance_group_placement  0", "max_distance_to_other_zones  0",
                          "place_on_specific_land_id  0.5", "x y"}));
    QVERIFY(MakeObjectBlock(QStringLiteral("精锐长弓手"), all, xn)
                .startsWith(QStringLiteral("create_object  ELITE_LONGBOWMAN /* 添加单位：精锐长弓手 */\r\n")));
}

void TestEditors::readyMadeTownCentre()
{
    const Settings s = With({QStringLiteral("Check8=1")});
    QVERIFY(ObjectsSection(s, ItemStore())
                .startsWith(Lines({"<OBJECTS_GENERATION>", "/* 单位设置 */", "",
                                   "create_object  TOWN_CENTER /* 添加单位：城镇中心 */", "{",
                                   "min_distance_to_players  0", "max_distance_to_players  0",
                                   "group_placement_radius  18", "set_place_for_every_player", "", "}", "",
                                   "if REGICIDE"})));
}

void TestEditors::unitNumbers_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("head"); // with the X number given by an xn of 41

    QTest::newRow("12") << "12" << "#const  X42  12\r\ncreate_object  X42 /* 添加单位：12 */";
    QTest::newRow("0") << "0" << "#const  X42  0\r\ncreate_object  X42 /* 添加单位：0 */";
    QTest::newRow("fraction") << "1.5" << "#const  X42  1.5\r\ncreate_object  X42 /* 添加单位：1.5 */";
    QTest::newRow("blanks around") << " 12 " << "#const  X42   12 \r\ncreate_object  X42 /* 添加单位： 12  */";
    QTest::newRow("leading zero") << "01" << "create_object  01 /* 添加单位：01 */";
    QTest::newRow("trailing letter") << "12a" << "create_object  12a /* 添加单位：12a */";
    QTest::newRow("exponent") << "1e3" << "create_object  1e3 /* 添加单位：1e3 */";
    QTest::newRow("hexadecimal") << "&H10" << "create_object  &H10 /* 添加单位：&H10 */";
    QTest::newRow("display name") << QStringLiteral("蒙古包3") << QStringLiteral("create_object  YURT3 /* 添加单位：蒙古包3 */");
}

void TestEditors::unitNumbers()
{
    QFETCH(QString, name);
    QFETCH(QString, head);
    qint64 xn = 41;
    const QString block = UnitBlock({QStringLiteral("Label55=") + name}, &xn);
    QVERIFY2(block.startsWith(head + QStringLiteral("\r\n{\r\n")), qPrintable(block));
    QCOMPARE(xn, head.startsWith(QLatin1Char('#')) ? qint64(42) : qint64(41));
}

void TestEditors::unitEditorLines_data()
{
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QStringList>("body");

    const QString count = QStringLiteral("number_of_objects  4");
    const QString near = QStringLiteral("min_distance_to_players  4");
    const QString far = QStringLiteral("max_distance_to_players  10");
    const QString every = QStringLiteral("set_place_for_every_player");
    QTest::newRow("defaults") << QStringList() << QStringList{count, near, far, every, ""};
    QTest::newRow("no groups whatever the variance") << QStringList{"Text15=0", "Text7=5"}
                                                     << QStringList{count, near, far, every, ""};
    QTest::newRow("groups without variance") << QStringList{"Text15=2", "Text7=0"}
                                             << QStringList{count, "number_of_groups  2", near, far, every, ""};
    QTest::newRow("groups with variance")
        << QStringList{"Text15=2", "Text7=1"}
        << QStringList{count, "number_of_groups  2", "group_variance  1", near, far, every, ""};
    QTest::newRow("no distances") << QStringList{"Check32=0"} << QStringList{count, every, ""};
    QTest::newRow("distances of 0") << QStringList{"Text3=0", "Text4="}
                                    << QStringList{count, "min_distance_to_players  0", "max_distance_to_players  0",
                                                   every, ""};
    QTest::newRow("radius") << QStringList{"Check4=1", "Text5=2.5"}
                            << QStringList{count, near, far, "group_placement_radius  2.5", every, ""};
    QTest::newRow("radius not ticked") << QStringList{"Text5=9"} << QStringList{count, near, far, every, ""};
    QTest::newRow("distribution not ticked") << QStringList{"Option12=true"}
                                             << QStringList{count, near, far, every, ""};
    QTest::newRow("tight") << QStringList{"Check5=1"} << QStringList{count, near, far, "set_tight_grouping", every, ""};
    QTest::newRow("loose") << QStringList{"Check5=1", "Option12=true"}
                           << QStringList{count, near, far, "set_loose_grouping", every, ""};
    QTest::newRow("gaia, not every player") << QStringList{"Check6=0", "Check7=1"}
                                            << QStringList{count, near, far, "set_gaia_object_only", ""};
    QTest::newRow("grey boxes count as clear") << QStringList{"Check6=2", "Check32=2", "Check5=2", "Check37=2",
                                                              "Text17=4"}
                                               << QStringList{count, ""};
    QTest::newRow("land number") << QStringList{"Check37=1", "Text17=3"}
                                 << QStringList{count, near, far, every, "place_on_specific_land_id  3", ""};
    QTest::newRow("land number 0") << QStringList{"Check37=1", "Text17=0"} << QStringList{count, near, far, every, ""};
    QTest::newRow("land number empty") << QStringList{"Check37=1"} << QStringList{count, near, far, every, ""};
    QTest::newRow("land number not ticked") << QStringList{"Text17=3"} << QStringList{count, near, far, every, ""};
    QTest::newRow("no count, negative distance") << QStringList{"Text6=0", "Text3=-1", "Text4=abc"}
                                                 << QStringList{"max_distance_to_players  0", every, ""};
    QTest::newRow("values far out of range")
        << QStringList{"Text6=1E400", "Text15=" + QString(40, QLatin1Char('1')), "Text7=&HFFFFFFFFFFFF"}
        << QStringList{"number_of_objects  1.79769313486232E+308", "number_of_groups  1.11111111111111E+39",
                       "group_variance  281474976710655", near, far, every, ""};
}

void TestEditors::unitEditorLines()
{
    QFETCH(QStringList, settings);
    QFETCH(QStringList, body);
    QCOMPARE(Body(UnitBlock(QStringList{QStringLiteral("Label55=民兵")} + settings)), body);
}

void TestEditors::unitAddResetsItsFrame()
{
    Settings s = With({"Label55=骑士", "Text6=9", "Text15=3", "Text7=2", "Check32=0", "Text3=7", "Text4=8",
                       "Check4=1", "Text5=1", "Check5=1", "Option12=true", "Check6=0", "Check7=1", "Check37=1",
                       "Text17=2"});
    ItemStore units;
    qint64 xn = 0;
    QVERIFY(!AddUnit(s, units, xn));
    QCOMPARE(units.lines(), QStringList{QStringLiteral("骑士")});
    const Settings defaults;
    for (const char *name : {"Label55", "Text6", "Text15", "Text7", "Check32", "Text3", "Text4", "Check4", "Text5",
                             "Check5", "Option11", "Option12", "Check6", "Check7", "Check37", "Text17"})
        QCOMPARE(s.toString(QString::fromLatin1(name)), defaults.toString(QString::fromLatin1(name)));
    QVERIFY(s.isEnabled(QStringLiteral("Text3")) && !s.isEnabled(QStringLiteral("Text5")));

    // Refused: nothing chosen, or a caption of blanks only; the frame keeps its values.
    for (const char *caption : {"", " \t "}) {
        s = With({QStringLiteral("Label55=") + QString::fromLatin1(caption), "Text6=9"});
        const auto refusal = AddUnit(s, units, xn);
        QVERIFY(refusal && refusal->title == QStringLiteral("注意") && refusal->text == QStringLiteral("请选择单位。"));
        QCOMPARE(refusal->icon, MessageIcon::Warning);
        QCOMPARE(s.text(QStringLiteral("Text6")), QStringLiteral("9"));
        QCOMPARE(units.count(), 1);
    }
}

QTEST_APPLESS_MAIN(TestEditors)

#include "test_editors.moc"
