// The block texts of the three add editors and of MakeObjectBlock, and what
// each add leaves behind in its frame.
#include <QtTest>

#include "core/settings.h"
#include "test_settings_support.h"
#include "editors/editors.h"
#include "script/item_blocks.h"
#include "script/object_block.h"
#include "test_script_support.h"

using namespace quorlin;
using testing::With;
using testing::Lines;

namespace {

// The body lines between "{" and "}", the last empty one left out.
QStringList Body(const QString &block)
{
    const QStringList lines = block.split(QStringLiteral("\r\n"));
    const int open = int(lines.indexOf(QStringLiteral("{")));
    return lines.mid(open + 1, int(lines.lastIndexOf(QStringLiteral("}"))) - open - 1);
}

// The unit editor's block for these settings, with `xn` raised as the editor raises it.
QString UnitBlock(const QStringList &assignments, qint64 &xn)
{
    Settings s = With(assignments);
    ItemStore units;
    return AddUnit(s, units, xn) ? units.block(0) : QStringLiteral("(refused)");
}

// Each named control holds its value of a new window.
void ExpectDefaults(const Settings &s, std::initializer_list<const char *> names)
{
    const Settings defaults;
    for (const char *name : names)
        QVERIFY2(s.toString(QString::fromLatin1(name)) == defaults.toString(QString::fromLatin1(name)), name);
}

} // namespace

class EditorsTest : public QObject {
    Q_OBJECT

private slots:
    void landBlock_data();
    void landBlock();
    void landAddResetsItsFrame();
    void terrainBlock_data();
    void terrainBlock();
    void heightLimits_data();
    void heightLimits();
    void terrainAddResetsItsFrame();
    void makeObjectBlock();
    void unitNumbers_data();
    void unitNumbers();
    void unitBlock_data();
    void unitBlock();
    void unitAddResetsItsFrame();
};

void EditorsTest::landBlock_data()
{
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QString>("block");

    const QString top =
        Lines({"create_land /* 添加陆地：草1 */", "{", "terrain_type  GRASS", "land_percent  20", "base_size  10"});
    const QString sliders = Lines({"border_fuzziness  10", "clumping_factor  8", "other_zone_avoidance_distance  5"});
    const QString end = Lines({"", "}", ""});
    const auto borders = [&](const char *values) {
        const QStringList v = QString::fromLatin1(values).split(' ');
        return top
               + QStringLiteral("left_border  %1\r\nright_border  %2\r\ntop_border  %3\r\nbottom_border  %4\r\n")
                     .arg(v[0], v[1], v[2], v[3])
               + sliders + end;
    };
    QTest::newRow("defaults, current radius")
        << QStringList{"Slider12=17"}
        << QString(top).replace(QStringLiteral("base_size  10"), QStringLiteral("base_size  17")) + sliders + end;
    QTest::newRow("wide") << QStringList{"Check34=1", "Combo16=宽"} << borders("25 24 23 24");
    QTest::newRow("narrow") << QStringList{"Check34=1"} << borders("5 4 6 5");
    QTest::newRow("empty width") << QStringList{"Check34=1", "Combo16="} << borders("0 0 0 0");
    QTest::newRow("grey border") << QStringList{"Check34=2", "Combo16=宽"} << top + sliders + end;
    QTest::newRow("number 2.5") << QStringList{"Check35=1", "Text16=2.5"}
                                << top + sliders + Lines({"land_id  2.5"}) + end;
    QTest::newRow("number beyond 16 bits")
        << QStringList{"Check35=1", "Text16=40000"} << top + sliders + Lines({"land_id  40000"}) + end;
    QTest::newRow("number 0") << QStringList{"Check35=1", "Text16=0"} << top + sliders + end;
    QTest::newRow("number empty") << QStringList{"Check35=1"} << top + sliders + end;
    QTest::newRow("number not ticked") << QStringList{"Text16=4"} << top + sliders + end;
    // The player line has no line break of its own: no empty line before "}".
    QTest::newRow("player 3") << QStringList{"Check36=1", "Combo17=3"}
                              << top + sliders + Lines({"assign_to_player  3", "}", ""});
    QTest::newRow("player not chosen") << QStringList{"Check36=1"} << top + sliders + end;
    QTest::newRow("player grey") << QStringList{"Check36=2", "Combo17=3"} << top + sliders + end;
}

void EditorsTest::landBlock()
{
    QFETCH(QStringList, settings);
    QFETCH(QString, block);
    QCOMPARE(LandBlock(With(settings)), block);
}

void EditorsTest::landAddResetsItsFrame()
{
    Settings s = With({"Combo15=雪", "Slider13=64", "Slider12=22", "Check34=1", "Combo16=宽", "Slider11=0",
                       "Slider9=15", "Slider10=40", "Check35=1", "Text16=9", "Check36=1", "Combo17=4"});
    ItemStore lands;
    QVERIFY(AddLand(s, lands));
    QCOMPARE(lands.lines(), QStringList{QStringLiteral("雪")});
    QVERIFY(lands.block(0).startsWith(Lines({"create_land /* 添加陆地：雪 */", "{", "terrain_type  SNOW",
                                             "land_percent  64", "base_size  22", "left_border  25"})));
    ExpectDefaults(s, {"Combo15", "Slider13", "Check34", "Combo16", "Slider11", "Slider9", "Slider10", "Check35",
                       "Text16", "Check36"});
    QCOMPARE(s.slider(QStringLiteral("Slider12")), 22);
    QCOMPARE(s.text(QStringLiteral("Combo17")), QStringLiteral("4"));
    QVERIFY(!s.isEnabled(QStringLiteral("Combo16")) && !s.isEnabled(QStringLiteral("Text16")));

    // A refused add leaves the frame as it was.
    s = With({"Combo15=", "Slider13=64"});
    const Outcome refused = AddLand(s, lands);
    QVERIFY(!refused && refused.refusal().title == QStringLiteral("注意")
            && refused.refusal().text == QStringLiteral("请选择地形。"));
    QCOMPARE(refused.refusal().icon, MessageIcon::Warning);
    QCOMPARE(s.slider(QStringLiteral("Slider13")), 64);
    QCOMPARE(lands.count(), 1);
}

void EditorsTest::terrainBlock_data()
{
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QString>("body"); // lines joined by "|"

    const QString flags =
        QStringLiteral("set_scale_by_groups|spacing_to_other_terrain_types  2|set_avoid_player_start_areas|");
    const QString tail = QStringLiteral("clumping_factor  30|");
    QTest::newRow("base terrain of the zone page")
        << QStringList{"Combo1=雪"} << "base_terrain  SNOW|land_percent  8|number_of_clumps  10|" + flags + tail;
    QTest::newRow("own ground first") << QStringList{"Combo1=雪", "Combo14=沙漠"}
                                      << "base_terrain  DESERT|land_percent  8|number_of_clumps  10|" + flags + tail;
    QTest::newRow("both empty") << QStringList{"Combo1="}
                                << "base_terrain  GRASS|land_percent  8|number_of_clumps  10|" + flags + tail;
    QTest::newRow("fraction of clumps") << QStringList{"Text2=2.5", "Slider6=0"}
                                        << "base_terrain  GRASS|land_percent  0|number_of_clumps  2.5|" + flags + tail;
    QTest::newRow("numbers as read")
        << QStringList{"Text2=&H1F", "Text1=+3.0x", "Slider7=100"}
        << QStringLiteral("base_terrain  GRASS|land_percent  8|number_of_clumps  31|set_scale_by_groups|"
                          "spacing_to_other_terrain_types  3|set_avoid_player_start_areas|clumping_factor  100|");
    QTest::newRow("no numbers, flat only")
        << QStringList{"Text2=many", "Text1=", "Check2=0", "Check3=1"}
        << QStringLiteral("base_terrain  GRASS|land_percent  8|number_of_clumps  0|set_scale_by_groups|"
                          "spacing_to_other_terrain_types  0|set_flat_terrain_only|")
               + tail;
    QTest::newRow("grey boxes") << QStringList{"Check2=2", "Check3=2"}
                                << QStringLiteral(
                                       "base_terrain  GRASS|land_percent  8|number_of_clumps  10|set_scale_by_groups|"
                                       "spacing_to_other_terrain_types  2|")
                                       + tail;
}

void EditorsTest::terrainBlock()
{
    QFETCH(QStringList, settings);
    QFETCH(QString, body);
    const QString block = TerrainBlock(With(settings));
    QVERIFY(block.startsWith(Lines({"create_terrain  DIRT /* 添加地形：泥地1 */", "{"})));
    QVERIFY(block.endsWith(Lines({"}", ""})));
    QCOMPARE(Body(block).join(QLatin1Char('|')) + QLatin1Char('|'), body);

    // The forest example, with every other setting at its default.
    QCOMPARE(TerrainBlock(With({"Option6=true"})),
             Lines({"create_terrain  FOREST /* 添加地形：森林 */", "{", "base_terrain  GRASS", "land_percent  8",
                    "number_of_clumps  10", "set_scale_by_groups", "spacing_to_other_terrain_types  2",
                    "set_avoid_player_start_areas", "clumping_factor  30", "}", ""}));
}

void EditorsTest::heightLimits_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("line");

    QTest::newRow("swapped") << "5"
                             << "2"
                             << "height_limits  2  5";
    QTest::newRow("first empty") << ""
                                 << "3"
                                 << "height_limits  0  3";
    QTest::newRow("both empty") << ""
                                << ""
                                << "";
    QTest::newRow("halves to even") << "2.5"
                                    << "3.5"
                                    << "height_limits  2  4";
    QTest::newRow("beyond 16 bits") << "40000"
                                    << "-40000"
                                    << "height_limits  -40000  40000";
    QTest::newRow("huge") << "1E20"
                          << "7"
                          << "height_limits  7  1E+20";
    QTest::newRow("overflowing texts") << "1E400"
                                       << "&HFFFFFFFFFFFF"
                                       << "height_limits  281474976710655  1.79769313486232E+308";
}

void EditorsTest::heightLimits()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, line);
    QCOMPARE(HeightLimitsLine(from, to), line.isEmpty() ? QString() : line + QStringLiteral("\r\n"));
}

void EditorsTest::terrainAddResetsItsFrame()
{
    Settings s = With({"Option6=true", "Combo5=竹林", "Combo4=冰", "Combo14=雪", "Slider6=50", "Text2=3", "Text1=9",
                       "Check2=0", "Check3=1", "Slider7=70", "Combo6=5", "Combo7=2"});
    ItemStore terrains;
    QVERIFY(AddTerrain(s, terrains));
    QCOMPARE(terrains.lines(), QStringList{QStringLiteral("竹林")});
    QVERIFY(terrains.block(0).startsWith(QStringLiteral("create_terrain  BAMBOO /* 添加地形：竹林 */\r\n")));
    ExpectDefaults(s, {"Option5", "Option6", "Combo4", "Combo5", "Combo14", "Slider6", "Text2", "Text1", "Check2",
                       "Check3", "Slider7"});
    QCOMPARE(s.text(QStringLiteral("Combo6")) + s.text(QStringLiteral("Combo7")), QStringLiteral("52"));
    QVERIFY(s.isVisible(QStringLiteral("Combo4")) && !s.isVisible(QStringLiteral("Combo5")));

    // The list read is the land list while "土地" is chosen, the forests otherwise;
    // an empty one is refused and the frame keeps its values.
    for (const QStringList &empty :
         {QStringList{"Combo4=", "Combo5=森林"}, QStringList{"Option6=true", "Combo5=", "Combo4=冰"}}) {
        s = With(empty + QStringList{"Text2=77"});
        const Outcome refused = AddTerrain(s, terrains);
        QVERIFY(!refused && refused.refusal().text == QStringLiteral("请选择地形。")
                && refused.refusal().title == QStringLiteral("注意"));
        QCOMPARE(s.text(QStringLiteral("Text2")), QStringLiteral("77"));
        QCOMPARE(terrains.count(), 1);
    }
}

void EditorsTest::makeObjectBlock()
{
    // Every line at once, in the writing order: groups right after the count.
    ObjectArgs all;
    all.a1 = 2.5, all.a2 = 3, all.a3 = 0, all.a4 = 0, all.a5 = 0, all.a6 = QStringLiteral("紧"), all.a7 = 1, all.a8 = 1,
    all.a9 = 0, all.a10 = 0, all.a11 = 1E20, all.a12 = 0.5, all.a13 = QStringLiteral("x y");
    qint64 xn = 5;
    const QString block = MakeObjectBlock(QStringLiteral("精锐长弓手"), all, xn);
    QCOMPARE(xn, qint64(5));
    QVERIFY(block.startsWith(QStringLiteral("create_object  ELITE_LONGBOWMAN /* 添加单位：精锐长弓手 */\r\n")));
    QCOMPARE(Body(block), (QStringList{"number_of_objects  2.5", "number_of_groups  1E+20", "group_variance  3",
                                       "min_distance_to_players  0", "max_distance_to_players  0",
                                       "group_placement_radius  0", "set_tight_grouping", "set_place_for_every_player",
                                       "set_gaia_object_only", "min_distance_group_placement  0",
                                       "max_distance_to_other_zones  0", "place_on_specific_land_id  0.5", "x y"}));
}

void EditorsTest::unitNumbers_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("head"); // with the X number that follows an xn of 41

    QTest::newRow("12") << "12"
                        << "#const  X42  12\r\ncreate_object  X42 /* 添加单位：12 */";
    // The comment keeps the name as typed; the definition takes the bare number.
    QTest::newRow("blanks around") << " 12 "
                                   << "#const  X42  12\r\ncreate_object  X42 /* 添加单位： 12  */";
    QTest::newRow("blank inside") << "1 2"
                                  << "#const  X42  12\r\ncreate_object  X42 /* 添加单位：1 2 */";
    QTest::newRow("leading zero") << "01"
                                  << "create_object  01 /* 添加单位：01 */";
    QTest::newRow("trailing letter") << "12a"
                                     << "create_object  12a /* 添加单位：12a */";
    QTest::newRow("display name") << QStringLiteral("蒙古包3")
                                  << QStringLiteral("create_object  YURT3 /* 添加单位：蒙古包3 */");
}

void EditorsTest::unitNumbers()
{
    QFETCH(QString, name);
    QFETCH(QString, head);
    qint64 xn = 41;
    const QString block = UnitBlock({QStringLiteral("Label55=") + name}, xn);
    QVERIFY2(block.startsWith(head + QStringLiteral("\r\n{\r\n")), qPrintable(block));
    QCOMPARE(xn, head.startsWith(QLatin1Char('#')) ? qint64(42) : qint64(41));
}

void EditorsTest::unitBlock_data()
{
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QString>("body"); // the lines between the count and "set_place_for_every_player", by "|"

    QTest::newRow("defaults") << QStringList() << "min_distance_to_players  4|max_distance_to_players  10";
    QTest::newRow("no groups, any variance")
        << QStringList{"Text15=0", "Text7=5"} << "min_distance_to_players  4|max_distance_to_players  10";
    QTest::newRow("groups without variance")
        << QStringList{"Text15=2", "Text7=0"}
        << "number_of_groups  2|min_distance_to_players  4|max_distance_to_players  10";
    QTest::newRow("groups with variance")
        << QStringList{"Text15=2", "Text7=1"}
        << "number_of_groups  2|group_variance  1|min_distance_to_players  4|max_distance_to_players  10";
    QTest::newRow("no distances") << QStringList{"Check32=0", "Text3=1"} << "";
    QTest::newRow("distances of 0") << QStringList{"Text3=0", "Text4="}
                                    << "min_distance_to_players  0|max_distance_to_players  0";
    QTest::newRow("radius") << QStringList{"Check32=0", "Check4=1", "Text5=2.5"} << "group_placement_radius  2.5";
    QTest::newRow("distribution not ticked") << QStringList{"Check32=0", "Option12=true"} << "";
    QTest::newRow("tight") << QStringList{"Check32=0", "Check5=1"} << "set_tight_grouping";
    QTest::newRow("loose") << QStringList{"Check32=0", "Check5=1", "Option12=true"} << "set_loose_grouping";
    QTest::newRow("values far out of range")
        << QStringList{"Check32=0", "Text15=" + QString(40, QLatin1Char('1')), "Text7=&HFFFFFFFFFFFF"}
        << "number_of_groups  1.11111111111111E+39|group_variance  281474976710655";
}

void EditorsTest::unitBlock()
{
    QFETCH(QStringList, settings);
    QFETCH(QString, body);
    qint64 xn = 0;
    QStringList lines = Body(UnitBlock(QStringList{QStringLiteral("Label55=民兵")} + settings, xn));
    QCOMPARE(lines.takeFirst(), QStringLiteral("number_of_objects  4"));
    QCOMPARE(lines.mid(lines.size() - 2), (QStringList{"set_place_for_every_player", ""}));
    QCOMPARE(lines.mid(0, lines.size() - 2).join(QLatin1Char('|')), body);
}

void EditorsTest::unitAddResetsItsFrame()
{
    Settings s =
        With({"Label55=骑士", "Text6=1E400", "Text15=3", "Text7=2", "Check32=0", "Text3=7", "Text4=8", "Check4=1",
              "Text5=1", "Check5=1", "Option12=true", "Check6=0", "Check7=1", "Check37=1", "Text17=2"});
    ItemStore units;
    qint64 xn = 0;
    QVERIFY(AddUnit(s, units, xn));
    QCOMPARE(units.lines(), QStringList{QStringLiteral("骑士")});
    QCOMPARE(Body(units.block(0)), (QStringList{"number_of_objects  1.79769313486232E+308", "number_of_groups  3",
                                                "group_variance  2", "group_placement_radius  1", "set_loose_grouping",
                                                "set_gaia_object_only", "place_on_specific_land_id  2", ""}));
    ExpectDefaults(s, {"Label55", "Text6", "Text15", "Text7", "Check32", "Text3", "Text4", "Check4", "Text5", "Check5",
                       "Option11", "Option12", "Check6", "Check7", "Check37", "Text17"});
    QVERIFY(s.isEnabled(QStringLiteral("Text3")) && !s.isEnabled(QStringLiteral("Text5")));

    // The land number only when ticked and above 0; grey boxes count as clear.
    for (const QStringList &none : {QStringList{"Text17=3"}, QStringList{"Check37=1", "Text17=0"},
                                    QStringList{"Check37=1"}, QStringList{"Check37=2", "Text17=3"}})
        QVERIFY(!UnitBlock(QStringList{"Label55=鹿"} + none, xn).contains(QStringLiteral("place_on_specific_land_id")));
    QCOMPARE(Body(UnitBlock({"Label55=鹿", "Check6=2", "Check32=2", "Check5=2", "Check4=2"}, xn)),
             (QStringList{"number_of_objects  4", ""}));

    // Refused: nothing chosen, or blanks only; the frame keeps its values.
    for (const char *caption : {"", " \t "}) {
        s = With({QStringLiteral("Label55=") + QString::fromLatin1(caption), "Text6=9"});
        const Outcome refused = AddUnit(s, units, xn);
        QVERIFY(!refused && refused.refusal().title == QStringLiteral("注意")
                && refused.refusal().text == QStringLiteral("请选择单位。"));
        QCOMPARE(refused.refusal().icon, MessageIcon::Warning);
        QCOMPARE(s.text(QStringLiteral("Text6")), QStringLiteral("9"));
        QCOMPARE(units.count(), 1);
    }
}

QTEST_APPLESS_MAIN(EditorsTest)

#include "test_editors.moc"
