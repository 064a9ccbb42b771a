// The map preview's engine, each property over many seeds, on plans built here.
#include <QtTest>

#include "preview/map_sizes.h"
#include "preview/preview_engine.h"

using namespace quorlin::preview;

namespace {

constexpr int kSeeds = 24;

PlanAttribute A(const char *name, const QStringList &args = {}, int line = 0)
{
    return {QString::fromLatin1(name), args, line};
}

PlanBlock B(const char *command, const QStringList &args, const QVector<PlanAttribute> &attributes)
{
    return {QString::fromLatin1(command), args, 1, attributes};
}

PreviewOptions Options(quint64 seed, int players = 4, int size = 0)
{
    PreviewOptions options;
    options.seed = seed;
    options.players = players;
    options.sizeIndex = size;
    return options;
}

// Players on grass over desert, a forest on their grass, gold for each player.
MapPlan Sample()
{
    MapPlan plan;
    plan.baseTerrain = "DESERT";
    plan.lands << B("create_player_lands", {}, {A("terrain_type", {"GRASS"}), A("land_percent", {"60"})});
    plan.terrains << B("create_terrain", {"FOREST"},
                       {A("base_terrain", {"GRASS"}), A("land_percent", {"10"}), A("number_of_clumps", {"6"})});
    plan.sections << B("<CLIFF_GENERATION>", {}, {});
    plan.objects << B("create_object", {"GOLD"},
                      {A("number_of_objects", {"5"}), A("group_placement_radius", {"2"}),
                       A("set_place_for_every_player"), A("min_distance_to_players", {"12"}),
                       A("max_distance_to_players", {"18"}), A("set_tight_grouping")});
    return plan;
}

qint64 Count(const QVector<qint16> &cells, int value) { return std::count(cells.begin(), cells.end(), value); }

} // namespace

class PreviewTest : public QObject {
    Q_OBJECT

private slots:
    void sameSeedSameMapAndSeedsDiffer();
    void playersEachGetTheirOwnOrigin();
    void landsCoverTheirShare_data();
    void landsCoverTheirShare();
    void bordersHoldAtFullFuzziness();
    void terrainsPaintOnlyTheirBaseAndLandsStayPut();
    void connectionsJoinEveryPlayer();
    void objectsKeepTheirDistanceFromTheirPlayer();
    void baseTerrainAloneCoversTheMap();
    void absurdNumbersStayBounded();
};

void PreviewTest::sameSeedSameMapAndSeedsDiffer()
{
    const MapPlan plan = Sample();
    QSet<QVector<quint8>> terrains;
    for (quint64 seed = 1; seed <= kSeeds; ++seed) {
        const PreviewResult a = BuildPreview(plan, Options(seed));
        const PreviewResult b = BuildPreview(plan, Options(seed));
        QCOMPARE(a.grid.terrain, b.grid.terrain);
        QCOMPARE(a.grid.land, b.grid.land);
        QCOMPARE(a.grid.object, b.grid.object);
        QCOMPARE(a.grid.cliff, b.grid.cliff);
        terrains.insert(a.grid.terrain);
    }
    QCOMPARE(terrains.size(), kSeeds);
}

void PreviewTest::playersEachGetTheirOwnOrigin()
{
    for (int players = 1; players <= 8; ++players) {
        for (quint64 seed = 1; seed <= kSeeds; ++seed) {
            const PreviewResult result = BuildPreview(Sample(), Options(seed, players, int(seed % 6)));
            QCOMPARE(result.playerOrigins.size(), players);
            const QSet<int> distinct(result.playerOrigins.begin(), result.playerOrigins.end());
            QCOMPARE(distinct.size(), players);
            QVERIFY(!distinct.contains(-1));
        }
    }
}

void PreviewTest::landsCoverTheirShare_data()
{
    QTest::addColumn<QList<int>>("percents");
    QTest::addColumn<QList<double>>("shares"); // of the map, in percent
    QTest::newRow("room for all") << QList<int>{30, 20, 10} << QList<double>{30, 20, 10};
    QTest::newRow("over 100 shrinks") << QList<int>{80, 60, 20} << QList<double>{50, 37.5, 12.5};
}

// Within two points of the map, or 15 % of the land's share when that is more:
// when the lands fill the whole map the last free tiles may lie out of reach.
void PreviewTest::landsCoverTheirShare()
{
    QFETCH(QList<int>, percents);
    QFETCH(QList<double>, shares);
    MapPlan plan;
    for (int percent : percents)
        plan.lands << B("create_land", {}, {A("land_percent", {QString::number(percent)})});
    for (quint64 seed = 1; seed <= kSeeds; ++seed) {
        const PreviewResult result = BuildPreview(plan, Options(seed, 2, int(seed % 6)));
        for (int i = 0; i < percents.size(); ++i) {
            const double share = 100.0 * Count(result.grid.land, i) / result.grid.tiles();
            QVERIFY2(qAbs(share - shares[i]) <= qMax(2.0, shares[i] * 0.15),
                     qPrintable(QStringLiteral("seed %1 land %2: %3 %").arg(seed).arg(i).arg(share)));
        }
    }
}

void PreviewTest::bordersHoldAtFullFuzziness()
{
    MapPlan plan;
    plan.lands << B("create_player_lands", {},
                    {A("land_percent", {"90"}), A("left_border", {"10"}), A("right_border", {"20"}),
                     A("top_border", {"15"}), A("bottom_border", {"5"}), A("border_fuzziness", {"100"})});
    for (quint64 seed = 1; seed <= kSeeds; ++seed) {
        const PreviewResult result = BuildPreview(plan, Options(seed, int(seed % 8) + 1, int(seed % 6)));
        const Grid &grid = result.grid;
        const int n = grid.side;
        // Borders do not move the players' origins, so a land whose origin
        // lies past one keeps its first square and grows no further.
        for (int tile = 0; tile < grid.tiles(); ++tile) {
            if (grid.land[tile] < 0 || SquareDistance(grid, tile, result.lands[grid.land[tile]].origin) <= 3)
                continue;
            QVERIFY(grid.x(tile) >= 10 * n / 100 && grid.x(tile) <= n - 1 - 20 * n / 100);
            QVERIFY(grid.y(tile) >= 15 * n / 100 && grid.y(tile) <= n - 1 - 5 * n / 100);
        }
    }
}

void PreviewTest::terrainsPaintOnlyTheirBaseAndLandsStayPut()
{
    MapPlan bare = Sample();
    bare.terrains.clear();
    const MapPlan painted = Sample();
    for (quint64 seed = 1; seed <= kSeeds; ++seed) {
        const PreviewResult before = BuildPreview(bare, Options(seed));
        const PreviewResult after = BuildPreview(painted, Options(seed));
        QCOMPARE(after.grid.land, before.grid.land);
        int forest = 0;
        for (int tile = 0; tile < after.grid.tiles(); ++tile) {
            if (after.grid.terrainAt(tile) == QLatin1String("FOREST")) {
                QCOMPARE(before.grid.terrainAt(tile), QStringLiteral("GRASS"));
                ++forest;
            }
        }
        QVERIFY(forest > 0);
    }
}

void PreviewTest::connectionsJoinEveryPlayer()
{
    MapPlan plan = Sample();
    plan.terrains[0].attributes << A("land_percent", {"40"});
    plan.connections << B("create_connect_all_players_land", {},
                          {A("replace_terrain", {"FOREST", "ROAD"}), A("terrain_cost", {"FOREST", "7"})});
    for (quint64 seed = 1; seed <= kSeeds; ++seed) {
        const PreviewResult result = BuildPreview(plan, Options(seed, int(seed % 8) + 1, int(seed % 6)));
        const Grid &grid = result.grid;
        // Every origin is reached from the first over tiles of the paths.
        QVector<bool> seen(grid.tiles());
        QVector<int> queue{result.playerOrigins[0]};
        seen[queue[0]] = true;
        for (int head = 0; head < queue.size(); ++head) {
            const int x = grid.x(queue[head]), y = grid.y(queue[head]);
            for (const QPoint &n : {QPoint(x - 1, y), QPoint(x + 1, y), QPoint(x, y - 1), QPoint(x, y + 1)}) {
                const int tile = n.y() * grid.side + n.x();
                if (grid.inside(n.x(), n.y()) && grid.path[tile] && !seen[tile]) {
                    seen[tile] = true;
                    queue << tile;
                }
            }
        }
        for (int origin : result.playerOrigins)
            QVERIFY(seen[origin]);
    }
}

void PreviewTest::objectsKeepTheirDistanceFromTheirPlayer()
{
    for (quint64 seed = 1; seed <= kSeeds; ++seed) {
        const PreviewResult result = BuildPreview(Sample(), Options(seed, int(seed % 8) + 1, int(seed % 6)));
        QVERIFY(!result.objects.isEmpty());
        for (const PlacedObject &object : result.objects) {
            const int d = SquareDistance(result.grid, object.tile, result.playerOrigins[object.player - 1]);
            QVERIFY2(d >= 12 && d <= 18, qPrintable(QString::number(d)));
        }
    }
}

void PreviewTest::baseTerrainAloneCoversTheMap()
{
    MapPlan plan;
    plan.baseTerrain = "SNOW";
    for (quint64 seed = 1; seed <= 4; ++seed) {
        const PreviewResult result = BuildPreview(plan, Options(seed, 8, int(seed % 6)));
        QCOMPARE(result.grid.terrainNames, QStringList{"SNOW"});
        QVERIFY(std::all_of(result.grid.terrain.begin(), result.grid.terrain.end(), [](quint8 t) { return t == 0; }));
        QVERIFY(result.objects.isEmpty());
    }
}

void PreviewTest::absurdNumbersStayBounded()
{
    MapPlan plan = Sample();
    plan.lands[0].attributes << A("land_percent", {"100000"}) << A("base_size", {"500"});
    plan.terrains[0].attributes << A("number_of_clumps", {"99999999"}) << A("spacing_to_other_terrain_types", {"-4"});
    plan.objects << B("create_object", {"GOLD"},
                      {A("number_of_objects", {"99999999"}), A("number_of_groups", {"99999999"}),
                       A("group_placement_radius", {"99999"}), A("frobnicate", {"1"}, 42)});
    const PreviewResult result = BuildPreview(plan, Options(1, 8, 5));
    QCOMPARE(result.grid.tiles(), kMaxSide * kMaxSide);
    QVERIFY(result.objects.size() <= result.grid.tiles());
    QCOMPARE(result.skipped.value(0).line, 42);
    QCOMPARE(QSet<int>(result.playerOrigins.begin(), result.playerOrigins.end()).size(), 8);
}

QTEST_GUILESS_MAIN(PreviewTest)
#include "test_preview.moc"
