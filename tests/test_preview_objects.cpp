// Objects on the preview keep to the places their rules allow, are left out
// (and said so) when none is left, and never hide the terrain.
#include <QtTest>

#include "preview/preview_drawing.h"
#include "preview/preview_engine.h"
#include "preview/preview_text.h"
#include "preview/script_plan.h"
#include "test_preview_support.h"
#include "preview/styles.h"

using namespace quorlin::preview;
using testing::Build;
using testing::Options;

namespace {

// The tiles of the objects of the block at `line`.
QVector<int> TilesOf(const PreviewResult &result, int line)
{
    QVector<int> tiles;
    for (const PlacedObject &object : result.objects) {
        if (result.objectBlocks[object.block].line == line)
            tiles << object.tile;
    }
    return tiles;
}

// Distance to the nearest tile for which `is` holds.
template <class Is>
int NearestWhere(const Grid &grid, int tile, Is &&is)
{
    int best = INT_MAX;
    for (int other = 0; other < grid.tiles(); ++other) {
        if (is(other))
            best = qMin(best, SquareDistance(grid, tile, other));
    }
    return best;
}

} // namespace

class PreviewObjectsTest : public QObject {
    Q_OBJECT

private slots:
    void objectsKeepToTheirPlaces();
    void landIdsKeepTheirObjects();
    void noPlaceLeavesThemOutAndSaysSo();
    void terrainStaysVisible();
};

void PreviewObjectsTest::objectsKeepToTheirPlaces()
{
    const QString script = QStringLiteral(
        "<LAND_GENERATION>\nbase_terrain GRASS\n<TERRAIN_GENERATION>\n"
        "create_terrain SNOW { base_terrain GRASS land_percent 20 number_of_clumps 4 terrain_mask 1 }\n"
        "create_terrain FOREST { base_terrain GRASS land_percent 15 number_of_clumps 6 }\n"
        "<OBJECTS_GENERATION>\n"
        "create_object GOLD { number_of_objects 30 layer_to_place_on SNOW }\n"           // 7
        "create_object DEER { number_of_objects 30 place_on_forest_zone }\n"             // 8
        "create_object STONE { number_of_objects 30 avoid_forest_zone 3 }\n"             // 9
        "create_object BOAR { number_of_objects 30 min_distance_to_map_edge 20 }\n"      // 10
        "create_object RELIC { number_of_objects 3 actor_area 7 actor_area_radius 5 }\n" // 11
        "create_object FORAGE { number_of_objects 20 actor_area_to_place_in 7 }\n"       // 12
        "create_object SHEEP { number_of_objects 40 avoid_actor_area 7 }\n"              // 13
        "create_object TURKEY { number_of_objects 40 temp_min_distance_group_placement 6 }\n"); // 14
    for (quint64 seed = 1; seed <= 6; ++seed) {
        const PreviewResult result = Build(script, Options(seed));
        const Grid &grid = result.grid;
        QVERIFY(result.skipped.isEmpty());
        const auto forest = [&](int t) { return grid.terrainAt(t) == QLatin1String("FOREST"); };
        const QVector<int> relics = TilesOf(result, 11);
        const auto nearRelic = [&](int tile) {
            return std::any_of(relics.begin(), relics.end(), [&](int r) { return SquareDistance(grid, tile, r) <= 5; });
        };
        for (int tile : TilesOf(result, 7))
            QCOMPARE(grid.terrainNames.value(grid.layer[tile]), QStringLiteral("SNOW"));
        for (int tile : TilesOf(result, 8))
            QCOMPARE(NearestWhere(grid, tile, forest), 1);
        for (int tile : TilesOf(result, 9))
            QVERIFY(NearestWhere(grid, tile, forest) > 3);
        for (int tile : TilesOf(result, 10))
            QVERIFY(qMin(qMin(grid.x(tile), grid.y(tile)), grid.side - 1 - qMax(grid.x(tile), grid.y(tile))) >= 20);
        for (int tile : TilesOf(result, 12))
            QVERIFY(nearRelic(tile));
        for (int tile : TilesOf(result, 13))
            QVERIFY(!nearRelic(tile));
        const QVector<int> turkeys = TilesOf(result, 14);
        for (int a = 0; a < turkeys.size(); ++a) {
            for (int b = a + 1; b < turkeys.size(); ++b)
                QVERIFY(SquareDistance(grid, turkeys[a], turkeys[b]) > 6);
        }
        for (int line : {7, 8, 9, 10, 12, 13})
            QVERIFY2(TilesOf(result, line).size() >= 15, qPrintable(QString::number(line)));
        QCOMPARE(relics.size(), 3);
    }
}

// On the lands of that id, all of them; an id no land has places nothing,
// -1 included (lands without an id carry none).
void PreviewObjectsTest::landIdsKeepTheirObjects()
{
    const QString script = QStringLiteral(
        "create_land { land_percent 10 land_position 20 20 land_id 5 }\n"
        "create_land { land_percent 10 land_position 80 80 land_id 5 }\n"
        "create_land { land_percent 10 land_position 50 50 }\n"
        "create_object GOLD { number_of_objects 40 place_on_specific_land_id 5 }\n"   // 4
        "create_object STONE { number_of_objects 5 place_on_specific_land_id 7 }\n"   // 5
        "create_object DEER { number_of_objects 5 place_on_specific_land_id -1 }\n"); // 6
    for (quint64 seed = 1; seed <= 6; ++seed) {
        const PreviewResult result = Build(script, Options(seed));
        QSet<int> lands;
        for (int tile : TilesOf(result, 4))
            lands << result.grid.land[tile];
        QCOMPARE(lands, (QSet<int>{0, 1}));
        QVERIFY(TilesOf(result, 5).isEmpty());
        QVERIFY(TilesOf(result, 6).isEmpty());
    }
}

// What no tile allows is left out, counted in objects or groups, each
// player's; a phase past its cap or its time says from which line on.
void PreviewObjectsTest::noPlaceLeavesThemOutAndSaysSo()
{
    const QString script = QStringLiteral(
        "create_player_lands { land_percent 60 }\n"
        "create_object GOLD { number_of_objects 7 terrain_to_place_on ICE set_place_for_every_player }\n"
        "create_object STONE { number_of_objects 30 number_of_groups 2 group_placement_radius 1 "
        "set_tight_grouping }\n"
        "create_object DEER { number_of_objects 4 set_place_for_every_player min_distance_to_players 5 "
        "max_distance_to_players 3 }\n");
    const PreviewResult result = Build(script, Options(1));
    QVERIFY(TilesOf(result, 2).isEmpty());
    QCOMPARE(TilesOf(result, 3).size(), 18);
    QCOMPARE(PreviewWarnings(result),
             (QStringList{QStringLiteral("第 2 行 GOLD：7 个中有 7 个没有放下（每位游戏者）"),
                          QStringLiteral("第 3 行 STONE：60 个中有 42 个没有放下"),
                          QStringLiteral("第 4 行 DEER：4 个中有 4 个没有放下（每位游戏者）")}));

    QString many;
    for (int i = 0; i < 70; ++i)
        many += QStringLiteral("create_connect_all_lands { }\n");
    for (int i = 0; i < 800; ++i)
        many += QStringLiteral("create_object GOLD { terrain_to_place_on ICE temp_min_distance_group_placement 1 }\n");
    const PreviewResult cut = Build(many, Options(1));
    QVERIFY(SkippedLines(cut).contains(QStringLiteral("第 65 行起 6 个连接块超出预览上限，没有画出")));
    const QString last = PreviewWarnings(cut).last();
    QVERIFY2(last.endsWith(QStringLiteral("个单位块超出预览时限，没有全部放下")), qPrintable(last));
    QVERIFY(PreviewWarnings(cut).size() < 800);
}

// Markers and decoration are not drawn; a map full of small objects still
// shows its terrain over nineteen twentieths of the picture; villagers of
// every trade stand on land.
void PreviewObjectsTest::terrainStaysVisible()
{
    const QString bare = QStringLiteral("<LAND_GENERATION>\nbase_terrain DESERT\n");
    const QString marked = bare + QStringLiteral("create_object INVISIBLE_OBJECT { number_of_objects 400 }\n"
                                                 "create_object SHIPWRECK { number_of_objects 50 }\n"
                                                 "create_object OLD_STONE_HEAD { number_of_objects 50 }\n");
    QVERIFY(!ObjectStyle(QStringLiteral("VILLAGER_FISHER_F")).water);
    const QString crowded = bare + QStringLiteral("create_object DEER { number_of_objects 2500 }\n");
    const PreviewOptions giant = Options(3, 2, 5);
    const QImage plain = DrawPreview(Build(bare, giant), false, false);
    const PreviewResult markers = Build(marked, giant);
    QCOMPARE(markers.objects.size(), 500);
    QCOMPARE(DrawPreview(markers, false, false), plain);
    const QImage full = DrawPreview(Build(crowded, giant), false, false);
    qint64 changed = 0, map = 0;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            map += plain.pixel(x, y) == plain.pixel(plain.width() / 2, plain.height() / 2);
            changed += full.pixel(x, y) != plain.pixel(x, y);
        }
    }
    QVERIFY2(changed > 0 && changed <= map / 20, qPrintable(QStringLiteral("%1 of %2").arg(changed).arg(map)));
}

QTEST_MAIN(PreviewObjectsTest)
#include "test_preview_objects.moc"
