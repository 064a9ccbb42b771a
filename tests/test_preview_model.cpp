// The preview's model of what published scripts rely on, each on a small
// script: terrain masks and layers, raised lands, the player circle, fixed
// places and borders that hold.
#include <QtTest>

#include "preview/map_sizes.h"
#include "preview/preview_engine.h"
#include "preview/script_plan.h"
#include "test_preview_support.h"
#include "preview/styles.h"

#include <cmath>

using namespace quorlin::preview;
using testing::Build;
using testing::Options;

namespace {

constexpr int kSeeds = 12;

QString LayerAt(const Grid &grid, int tile) { return grid.layer[tile] < 0 ? QString() : grid.terrainNames[grid.layer[tile]]; }

} // namespace

class PreviewModelTest : public QObject {
    Q_OBJECT

private slots:
    void masksLayALookOverOrAKindUnder();
    void raisedIslandsGetTheirBeaches();
    void circleRadiusPlacesThePlayers_data();
    void circleRadiusPlacesThePlayers();
    void directPlacementFixesPlayersLands();
    void lowFuzzinessKeepsARingOfBaseTerrain();
};

// Mask 1 leaves the tile grass in kind under a snow look; mask 2 makes it
// desert with the grass as its look; a patch asking for a layer finds only
// tiles carrying it; none of these words is listed as left out.
void PreviewModelTest::masksLayALookOverOrAKindUnder()
{
    const QString script = QStringLiteral("<LAND_GENERATION>\nbase_terrain GRASS\nbase_layer DIRT\n"
                                          "<TERRAIN_GENERATION>\n"
                                          "create_terrain DESERT { base_terrain GRASS land_percent 20 terrain_mask 2 }\n"
                                          "create_terrain SNOW { base_terrain GRASS land_percent 30 terrain_mask 1 }\n"
                                          "create_terrain WATER { base_layer SNOW land_percent 5 }\n");
    for (quint64 seed = 1; seed <= kSeeds; ++seed) {
        const PreviewResult result = Build(script, Options(seed));
        const Grid &grid = result.grid;
        QVERIFY(result.skipped.isEmpty());
        int snow = 0, desert = 0, water = 0;
        for (int tile = 0; tile < grid.tiles(); ++tile) {
            const QString kind = grid.terrainAt(tile), look = LayerAt(grid, tile);
            if (look == QLatin1String("SNOW")) {
                ++snow;
                QCOMPARE(kind, QStringLiteral("GRASS"));
            } else if (kind == QLatin1String("WATER")) {
                // Painted as a terrain, not as a look: the new terrain is both.
                ++water;
                QCOMPARE(look, QString());
            } else {
                QVERIFY(look == QLatin1String("DIRT") || look == QLatin1String("GRASS"));
            }
            if (kind == QLatin1String("DESERT")) {
                ++desert;
                QCOMPARE(look, QStringLiteral("GRASS"));
            }
        }
        QVERIFY2(qAbs(snow + water - 0.30 * grid.tiles()) < 0.04 * grid.tiles(), qPrintable(QString::number(snow)));
        QVERIFY(desert > 0.15 * grid.tiles());
        QVERIFY(water > 0.03 * grid.tiles() && water < 0.07 * grid.tiles());
    }
}

// An island raised to 4 stands at 4 inside and comes down to the water at
// its rim, where a beach with height_limits finds it; a water land is never
// raised.
void PreviewModelTest::raisedIslandsGetTheirBeaches()
{
    const QString script =
        QStringLiteral("<LAND_GENERATION>\nbase_terrain WATER\n"
                       "create_land { terrain_type GRASS land_percent 25 land_position 50 50 base_elevation 4 }\n"
                       "create_land { terrain_type DEEP_WATER land_percent 10 land_position 10 50 base_elevation 5 }\n"
                       "<TERRAIN_GENERATION>\n"
                       "create_terrain BEACH { base_terrain GRASS land_percent 100 height_limits 0 1 }\n");
    for (quint64 seed = 1; seed <= kSeeds; ++seed) {
        const PreviewResult result = Build(script, Options(seed, 2, int(seed % 6)));
        const Grid &grid = result.grid;
        QVERIFY(result.skipped.isEmpty());
        int top = 0, beach = 0;
        for (int tile = 0; tile < grid.tiles(); ++tile) {
            const QString kind = grid.terrainAt(tile);
            if (TerrainStyle(kind).water)
                QCOMPARE(int(grid.height[tile]), 0);
            if (kind == QLatin1String("BEACH")) {
                ++beach;
                QVERIFY(grid.height[tile] <= 1);
            }
            if (kind == QLatin1String("GRASS"))
                QVERIFY(grid.height[tile] >= 2);
            top += grid.height[tile] == 4;
        }
        // The rim is a ring a couple of tiles wide round most of the island.
        const double island = result.lands.value(0).tiles;
        QVERIFY2(top > island / 2 && beach > 2 * std::sqrt(island) && beach < island / 2,
                 qPrintable(QStringLiteral("%1 %2 %3").arg(island).arg(top).arg(beach)));
    }
}

void PreviewModelTest::circleRadiusPlacesThePlayers_data()
{
    QTest::addColumn<QString>("circle");
    QTest::addColumn<double>("low"); // percent of the side from the centre
    QTest::addColumn<double>("high");
    QTest::newRow("perfect, near the centre") << "circle_radius 10 0" << 9.0 << 11.0;
    QTest::newRow("with variance") << "circle_radius 30 10" << 26.0 << 34.0;
    QTest::newRow("without it") << "" << 31.0 << 49.0;
}

// Origins lie on the circle written, whatever the borders say.
void PreviewModelTest::circleRadiusPlacesThePlayers()
{
    QFETCH(QString, circle);
    QFETCH(double, low);
    QFETCH(double, high);
    const QString script =
        QStringLiteral("create_player_lands { %1 land_percent 50 left_border 20 top_border 20 }\n").arg(circle);
    for (quint64 seed = 1; seed <= kSeeds; ++seed) {
        const PreviewResult result = Build(script, Options(seed, int(seed % 8) + 1, int(seed % 6)));
        const Grid &grid = result.grid;
        const double centre = (grid.side - 1) / 2.0;
        for (int origin : result.playerOrigins) {
            const double d = 100 * std::hypot(grid.x(origin) - centre, grid.y(origin) - centre) / grid.side;
            QVERIFY2(d >= low - 1.5 && d <= high + 1.5, qPrintable(QString::number(d)));
        }
    }
}

// With direct_placement a player's land_position is exact (0 0 the west
// corner, 99 0 the north); without it the circle wins. A land given to a
// player not in the game is not made, and one placed past its border (left:
// the north-west edge) keeps to its first square.
void PreviewModelTest::directPlacementFixesPlayersLands()
{
    const QString lands =
        QStringLiteral("create_land { terrain_type DIRT land_percent 10 assign_to_player 1 land_position 0 0 }\n"
                       "create_land { terrain_type DIRT land_percent 10 assign_to AT_PLAYER 2 0 0 land_position 99 0 }\n"
                       "create_land { terrain_type SNOW land_percent 10 assign_to_player 5 }\n"
                       "create_land { terrain_type ROAD land_percent 30 land_position 50 5 left_border 20 }\n");
    for (quint64 seed = 1; seed <= kSeeds; ++seed) {
        const PreviewResult direct =
            Build(QStringLiteral("<PLAYER_SETUP>\ndirect_placement\n<LAND_GENERATION>\n") + lands, Options(seed));
        const Grid &grid = direct.grid;
        const int n = grid.side - 1;
        QVERIFY(direct.skipped.isEmpty());
        QCOMPARE(direct.playerOrigins, (QVector<int>{n * grid.side, 0}));
        QCOMPARE(direct.lands.size(), 3);
        QCOMPARE(direct.lands[2].tiles, 7 * 7);
        QVERIFY(!direct.grid.terrainNames.contains(QStringLiteral("SNOW")));
        const PreviewResult circle = Build(lands, Options(seed));
        QVERIFY(circle.playerOrigins != direct.playerOrigins);
    }
    // By colour, and by team: the team's first player without a land.
    PreviewOptions teams = Options(1, 4);
    teams.teams = {1, 1, 2, 2};
    const PreviewResult given = Build(QStringLiteral("<PLAYER_SETUP>\ndirect_placement\n<LAND_GENERATION>\n"
                                                     "create_land { assign_to AT_TEAM 2 0 0 land_position 99 99 }\n"
                                                     "create_land { assign_to AT_COLOR 2 0 0 land_position 0 99 }\n"),
                                      teams);
    const int n = given.grid.side - 1;
    QCOMPARE(given.playerOrigins, (QVector<int>{-1, n * given.grid.side + n, n, -1}));
}

// Lands stopped 18 % from every edge by a low fuzziness fill the square
// inside and leave a ring of the base terrain, however large their budget.
void PreviewModelTest::lowFuzzinessKeepsARingOfBaseTerrain()
{
    const QString script = QStringLiteral("<LAND_GENERATION>\nbase_terrain WATER\n"
                                          "create_player_lands { terrain_type GRASS land_percent 100 circle_radius 20 0 "
                                          "left_border 18 right_border 18 top_border 18 bottom_border 18 "
                                          "border_fuzziness 5 }\n");
    for (quint64 seed = 1; seed <= kSeeds; ++seed) {
        const PreviewResult result = Build(script, Options(seed, int(seed % 8) + 1, int(seed % 6)));
        const Grid &grid = result.grid;
        const int border = 18 * grid.side / 100;
        int inside = 0, land = 0;
        for (int tile = 0; tile < grid.tiles(); ++tile) {
            const int fromEdge = qMin(qMin(grid.x(tile), grid.y(tile)),
                                      qMin(grid.side - 1 - grid.x(tile), grid.side - 1 - grid.y(tile)));
            if (fromEdge < border - 3)
                QCOMPARE(grid.terrainAt(tile), QStringLiteral("WATER"));
            if (fromEdge >= border) {
                ++inside;
                land += grid.land[tile] >= 0;
            }
        }
        QVERIFY2(land > 0.95 * inside, qPrintable(QStringLiteral("%1 of %2").arg(land).arg(inside)));
    }
}

QTEST_GUILESS_MAIN(PreviewModelTest)
#include "test_preview_model.moc"
