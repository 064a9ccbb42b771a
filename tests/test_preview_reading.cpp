// How the preview reads a script as the game does: the lobby's labels,
// numbers written as formulas, names held by numbers, the map's side, and
// the notes it writes; bounded on absurd input.
#include <QtTest>

#include "preview/lobby_labels.h"
#include "preview/map_sizes.h"
#include "preview/preview_engine.h"
#include "preview/preview_text.h"
#include "preview/script_plan.h"
#include "preview/styles.h"

using namespace quorlin::preview;

namespace {

PreviewOptions Options(quint64 seed = 1, int players = 2, const QVector<int> &teams = {}, int size = 2)
{
    PreviewOptions options;
    options.seed = seed;
    options.players = players;
    options.teams = teams;
    options.sizeIndex = size;
    return options;
}

MapPlan Plan(const char *script, const PreviewOptions &options = Options())
{
    return PlanScript(QString::fromUtf8(script), options);
}

// The first argument of the last `name` in the first block of `blocks`.
QString First(const QVector<PlanBlock> &blocks, const char *name)
{
    return blocks.isEmpty() ? QString() : blocks[0].word(QString::fromLatin1(name));
}

double WaterShare(const PreviewResult &result)
{
    qint64 water = 0;
    for (int tile = 0; tile < result.grid.tiles(); ++tile)
        water += TerrainStyle(result.grid.terrainAt(tile)).water;
    return 100.0 * water / result.grid.tiles();
}

} // namespace

class PreviewReadingTest : public QObject {
    Q_OBJECT

private slots:
    void scriptBecomesThePlan();
    void namesHeldByNumbersAreThoseTerrainsAndObjects();
    void commandsByNumberAndBlocksInBranches();
    void lobbyLabelsFollowTheChoices_data();
    void lobbyLabelsFollowTheChoices();
    void numbersWrittenAsFormulas_data();
    void numbersWrittenAsFormulas();
    void rndIsDrawnWithTheSeed();
    void overrideMapSizeSetsTheSide();
    void notesSayWhatTheDesignerCanActOn();
    void absurdInputStaysBounded();
};

// Branches taken by size and #define, #const numbers, one random branch,
// the sections' words, and what is left out listed with its line.
void PreviewReadingTest::scriptBecomesThePlan()
{
    const char *script = "#const WIDE 12\n"
                         "#define RICH\n"
                         "<PLAYER_SETUP>\nrandom_placement\nnomad_resources\n"
                         "<LAND_GENERATION>\nbase_terrain DESERT\n"
                         "create_player_lands {\n"
                         "if TINY_MAP base_size 2 elseif RICH base_size WIDE else base_size 9 endif\n"
                         "}\n"
                         "<CLIFF_GENERATION>\n"
                         "<OBJECTS_GENERATION>\n"
                         "start_random percent_chance 50 create_object GOLD { }\n"
                         "percent_chance 50 create_object STONE { } end_random\n"
                         "create_object RELIC { frobnicate 3 }\n";
    QSet<QString> drawn;
    for (quint64 seed = 1; seed <= 16; ++seed) {
        const MapPlan plan = Plan(script, Options(seed));
        QCOMPARE(plan.baseTerrain, QStringLiteral("DESERT"));
        QCOMPARE(First(plan.lands, "base_size"), QStringLiteral("12"));
        QVERIFY(plan.section(QStringLiteral("<CLIFF_GENERATION>")));
        QVERIFY(plan.section(QStringLiteral("<PLAYER_SETUP>"))->has(QStringLiteral("nomad_resources")));
        QCOMPARE(plan.objects.size(), 2);
        drawn << plan.objects[0].args.value(0);
        QCOMPARE(plan.objects[1].args.value(0), QStringLiteral("RELIC"));
        QCOMPARE(Plan(script, Options(seed)).objects[0].args, plan.objects[0].args);
        const PreviewResult result = BuildPreview(plan, Options(seed));
        QCOMPARE(result.skipped.size(), 2);
        QCOMPARE(result.skipped[0].line, 5);  // nomad_resources
        QCOMPARE(result.skipped[1].line, 15); // frobnicate, an unknown word
    }
    QCOMPARE(drawn, (QSet<QString>{"GOLD", "STONE"}));
    QCOMPARE(First(Plan(script, Options(1, 2, {}, 0)).lands, "base_size"), QStringLiteral("2"));
}

// A lake of a terrain named by number is water; a base terrain and an
// object named by number are theirs too.
void PreviewReadingTest::namesHeldByNumbersAreThoseTerrainsAndObjects()
{
    const char *script = "#const MYWATER 23\n#const SAND 14\n#const MYGOLD 66\n"
                         "<LAND_GENERATION>\nbase_terrain SAND\n"
                         "<TERRAIN_GENERATION>\n"
                         "create_terrain MYWATER { base_terrain SAND land_percent 40 number_of_clumps 2 }\n"
                         "<OBJECTS_GENERATION>\ncreate_object MYGOLD { terrain_to_place_on SAND }\n";
    const MapPlan plan = Plan(script);
    QCOMPARE(plan.baseTerrain, QStringLiteral("DESERT"));
    QCOMPARE(plan.terrains.value(0).args, QStringList{"MED_WATER"});
    QCOMPARE(First(plan.terrains, "base_terrain"), QStringLiteral("DESERT"));
    QCOMPARE(plan.objects.value(0).args, QStringList{"GOLD"});
    QCOMPARE(First(plan.objects, "terrain_to_place_on"), QStringLiteral("DESERT"));
    const double water = WaterShare(BuildPreview(plan, Options()));
    QVERIFY2(water > 30 && water < 50, qPrintable(QString::number(water)));

    // A land's terrain too; and the jungle's grounds are grounds, not forest.
    const MapPlan land = Plan("#const ISLE 1\n#const JUNGLE_ROAD 61\n<LAND_GENERATION>\nbase_terrain JUNGLE_ROAD\n"
                              "create_land { terrain_type ISLE land_percent 30 }\n");
    QCOMPARE(First(land.lands, "terrain_type"), QStringLiteral("WATER"));
    QCOMPARE(land.baseTerrain, QStringLiteral("DLC_JUNGLEROAD"));
    QVERIFY(TerrainStyle(QStringLiteral("JUNGLE")).forest);
    for (const char *ground : {"DLC_JUNGLEROAD", "DLC_JUNGLEGRASS", "DLC_JUNGLELEAVES"})
        QVERIFY2(!TerrainStyle(QString::fromLatin1(ground)).forest, ground);
}

// `L` bound to create_land's number is create_land; a block written in both
// branches of an `if` belongs to the command before it; arithmetic with
// blanks is one number.
void PreviewReadingTest::commandsByNumberAndBlocksInBranches()
{
    const char *script = "#const L 32\n#const LENGTH 200\n<LAND_GENERATION>\n"
                         "L { terrain_type DIRT land_percent ( LENGTH / 20 ) }\n"
                         "<ELEVATION_GENERATION>\ncreate_elevation 3\n"
                         "if TINY_MAP { number_of_tiles 1000 } else { number_of_tiles ( LENGTH * 10 ) } endif\n";
    for (int size : {0, 2}) {
        const MapPlan plan = Plan(script, Options(1, 2, {}, size));
        QCOMPARE(plan.lands.size(), 1);
        QCOMPARE(plan.lands[0].command, QStringLiteral("create_land"));
        QCOMPARE(First(plan.lands, "land_percent"), QStringLiteral("10"));
        QCOMPARE(plan.elevations.size(), 1);
        QCOMPARE(First(plan.elevations, "number_of_tiles"), QString::number(size == 0 ? 1000 : 2000));
        QVERIFY(plan.skipped.isEmpty());
    }
}

void PreviewReadingTest::lobbyLabelsFollowTheChoices_data()
{
    QTest::addColumn<int>("players");
    QTest::addColumn<QVector<int>>("teams");
    QTest::addColumn<QStringList>("holding");
    QTest::addColumn<QStringList>("notHolding");
    QTest::newRow("two alone") << 2 << QVector<int>{} << QStringList{"2_PLAYER_GAME", "0_TEAM_GAME", "TEAM0_SIZE2",
                                                                     "PLAYER2_TEAM0", "MEDIUM_MAP",  "MAPSIZE_MEDIUM"}
                               << QStringList{"3_PLAYER_GAME", "1_TEAM_GAME", "LARGE_MAP"};
    QTest::newRow("two against two") << 4 << QVector<int>{1, 1, 2, 2}
                                     << QStringList{"4_PLAYER_GAME", "2_TEAM_GAME", "TEAM1_SIZE2",
                                                    "TEAM2_SIZE2",   "TEAM0_SIZE0", "PLAYER3_TEAM2"}
                                     << QStringList{"TEAM0_SIZE4", "PLAYER3_TEAM1"};
    // Teams are numbered in lobby order, and a team of one is no team.
    QTest::newRow("numbered in lobby order")
        << 5 << QVector<int>{3, 4, 3, 1, 0}
        << QStringList{"1_TEAM_GAME", "TEAM1_SIZE2", "TEAM0_SIZE3", "PLAYER1_TEAM1", "PLAYER3_TEAM1", "PLAYER2_TEAM0"}
        << QStringList{"TEAM3_SIZE2", "2_TEAM_GAME"};
}

void PreviewReadingTest::lobbyLabelsFollowTheChoices()
{
    QFETCH(int, players);
    QFETCH(QVector<int>, teams);
    QFETCH(QStringList, holding);
    QFETCH(QStringList, notHolding);
    const QSet<QString> labels = LobbyLabels(Options(1, players, teams));
    for (const QString &label : holding)
        QVERIFY2(labels.contains(label), qPrintable(label));
    for (const QString &label : notHolding)
        QVERIFY2(!labels.contains(label), qPrintable(label));
    // And the script takes the branch they choose.
    const QByteArray script =
        "<LAND_GENERATION>\nif " + holding.first().toLatin1() + " base_terrain WATER else base_terrain DIRT endif\n";
    QCOMPARE(Plan(script.constData(), Options(1, players, teams)).baseTerrain, QStringLiteral("WATER"));
}

void PreviewReadingTest::numbersWrittenAsFormulas_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("value");
    QTest::newRow("precedence") << "(2+3*4)"
                                << "14";
    QTest::newRow("nested") << "((1+2)*(7-3))"
                            << "12";
    QTest::newRow("division truncates") << "(10/3)"
                                        << "3";
    QTest::newRow("signs") << "(-4+-WIDE)"
                           << "-16";
    QTest::newRow("#const of a formula") << "TWICE"
                                         << "24";
    QTest::newRow("huge stays bounded") << "(999999999999*999999999999)"
                                        << "1000000000000";
    QTest::newRow("by zero: the default") << "(1/0)"
                                          << "(1/0)";
    QTest::newRow("not a number: the default") << "(1+ZEBRA)"
                                               << "(1+ZEBRA)";
}

void PreviewReadingTest::numbersWrittenAsFormulas()
{
    QFETCH(QString, written);
    QFETCH(QString, value);
    const QString script = QStringLiteral("#const WIDE 12\n#const TWICE (WIDE*2)\n<LAND_GENERATION>\n"
                                          "create_land { land_percent %1 }\n")
                               .arg(written);
    const MapPlan plan = PlanScript(script, Options());
    QCOMPARE(First(plan.lands, "land_percent"), value);
    QCOMPARE(plan.skipped.size(), value == written ? 1 : 0);
}

void PreviewReadingTest::rndIsDrawnWithTheSeed()
{
    const char *script = "#const R rnd(10,20)\n<LAND_GENERATION>\n"
                         "create_land { land_percent rnd(1,5) base_size R }\n";
    QSet<QString> drawn;
    for (quint64 seed = 1; seed <= 40; ++seed) {
        const MapPlan plan = Plan(script, Options(seed));
        const int percent = First(plan.lands, "land_percent").toInt();
        const int size = First(plan.lands, "base_size").toInt();
        QVERIFY(percent >= 1 && percent <= 5);
        QVERIFY(size >= 10 && size <= 20);
        QCOMPARE(Plan(script, Options(seed)).lands[0].attributes[0].args, plan.lands[0].attributes[0].args);
        drawn << QString::number(percent);
    }
    QCOMPARE(drawn.size(), 5);
}

void PreviewReadingTest::overrideMapSizeSetsTheSide()
{
    const MapPlan plan = Plan("<PLAYER_SETUP>\noverride_map_size (100+50)\n<LAND_GENERATION>\nbase_terrain WATER\n"
                              "create_land { land_percent 25 }\n<TERRAIN_GENERATION>\n"
                              "create_terrain DESERT { base_terrain WATER number_of_tiles 100 set_scale_by_size }\n");
    QCOMPARE(plan.side, 150);
    // What follows scales to the new side.
    const PreviewResult result = BuildPreview(plan, Options());
    QCOMPARE(result.grid.side, 150);
    QCOMPARE(result.lands.value(0).tiles, 150 * 150 / 4);
    QCOMPARE(std::count(result.grid.terrain.begin(), result.grid.terrain.end(),
                        result.grid.terrainNames.indexOf(QStringLiteral("DESERT"))),
             225);
    QCOMPARE(Plan("create_land { }\n").side, 0);
    const MapPlan huge = Plan("override_map_size 100000\n");
    QCOMPARE(huge.side, kMaxOverrideSide);
    QCOMPARE(huge.skipped.size(), 1);
    QVERIFY(huge.skipped[0].unread && huge.skipped[0].what.contains(QLatin1String("480")));
}

void PreviewReadingTest::notesSayWhatTheDesignerCanActOn()
{
    PreviewResult result;
    auto report = [](int line, const char *name, int groups, int placed, bool grouped, int sets) {
        ObjectBlockReport block;
        block.line = line;
        block.name = QString::fromLatin1(name);
        block.groups = groups;
        block.groupsPlaced = placed;
        block.grouped = grouped;
        block.sets = sets;
        return block;
    };
    result.objectBlocks << report(172, "GOLD", 14, 4, false, 2) << report(180, "DEER", 10, 7, true, 1)
                        << report(190, "BOAR", 3, 1, false, 2) << report(200, "STONE", 4, 4, false, 2);
    QCOMPARE(PreviewWarnings(result),
             (QStringList{QStringLiteral("第 172 行 GOLD：7 个中有 5 个没有放下（每位游戏者）"),
                          QStringLiteral("第 180 行 DEER：10 组中有 3 组没有放下"),
                          QStringLiteral("第 190 行 BOAR：3 个中有 2 个没有放下（2 位游戏者合计）")}));
    result.skipped << Skipped{2062, QStringLiteral("create_land"), false, 367}
                   << Skipped{9, QStringLiteral("nomad_resources")} << Skipped{30, QStringLiteral("nomad_resources")};
    QCOMPARE(SkippedLines(result), (QStringList{QStringLiteral("第 2062 行起 367 个陆地块超出预览上限，没有画出"),
                                                QStringLiteral("第 9 行等 2 处：nomad_resources 未模拟")}));
}

// Each finishes at once and leaves a note where it could not read.
void PreviewReadingTest::absurdInputStaysBounded()
{
    const MapPlan tiles = Plan("<TERRAIN_GENERATION>\ncreate_terrain WATER { number_of_tiles rnd(1,2000000000) }\n");
    QVERIFY(First(tiles.terrains, "number_of_tiles").toLongLong() >= 1);
    QCOMPARE(BuildPreview(tiles, Options(1, 2, {}, 0)).grid.side, MapSizes()[0].side);

    const MapPlan cycle = Plan("#const A B\n#const B A\n<LAND_GENERATION>\nbase_terrain A\n"
                               "create_land { land_percent A }\n");
    QCOMPARE(cycle.baseTerrain, QStringLiteral("B"));
    QCOMPARE(cycle.skipped.size(), 1);

    const int deep = 100000;
    const QString nested = QString(deep, QLatin1Char('(')) + QLatin1Char('1') + QString(deep, QLatin1Char(')'));
    const MapPlan plan =
        PlanScript(QStringLiteral("#const D %1\ncreate_land { land_percent %1 }\n").arg(nested), Options());
    QCOMPARE(plan.skipped.size(), 2);
    QVERIFY(plan.skipped[0].what.contains(QString::number(64)));
    BuildPreview(plan, Options());
}

QTEST_GUILESS_MAIN(PreviewReadingTest)
#include "test_preview_reading.moc"
