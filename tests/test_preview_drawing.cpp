// Drawing the preview: tiles to the picture and back at any size, objects
// large enough to see on the largest map, and what a tile says about the
// script lines that made it; the picture's file keeps every pixel.
#include <QtTest>

#include "preview/map_sizes.h"
#include "preview/picture_file.h"
#include "preview/preview_drawing.h"
#include "preview/preview_text.h"
#include "preview/styles.h"

using namespace quorlin::preview;

namespace {

// Line numbers matter: the tests below name them.
const char kScript[] = "<LAND_GENERATION>\n" // 1
                       "base_terrain SNOW\n" // 2
                       "create_land\n"       // 3
                       "{\n"                 // 4
                       "  terrain_type DESERT\n"
                       "  land_percent 50\n"
                       "}\n"
                       "<TERRAIN_GENERATION>\n"
                       "create_terrain FOREST\n" // 9
                       "{\n"
                       "  base_terrain DESERT\n"
                       "  land_percent 10\n"
                       "}\n"
                       "<OBJECTS_GENERATION>\n"
                       "create_object GOLD\n" // 15
                       "{\n"
                       "  number_of_objects 40\n"
                       "}\n";

PreviewResult Build(const char *size)
{
    PreviewOptions options;
    options.sizeIndex = MapSizeIndex(QString::fromLatin1(size));
    return BuildScriptPreview(QString::fromLatin1(kScript), options);
}

} // namespace

class PreviewDrawingTest : public QObject {
    Q_OBJECT

private slots:
    void tilesGoToThePictureAndBack();
    void objectsShowOnTheLargestMap();
    void eachTileKnowsTheLinesThatMadeIt();
    void theFileKeepsEveryPixel();
};

void PreviewDrawingTest::tilesGoToThePictureAndBack()
{
    const PreviewResult result = Build("tiny");
    const int n = result.grid.side;
    for (bool square : {false, true}) {
        for (const QRectF &area : {QRectF(0, 0, 200, 100), QRectF(10, 20, 333, 777), QRectF(0, 0, 1900, 1000)}) {
            const QTransform toPicture = MapTransform(n, square, area);
            // Every tile the same size, the map inside the area and touching two of its sides.
            QCOMPARE(qAbs(toPicture.m11()), qAbs(square ? toPicture.m22() : 2 * toPicture.m22()));
            const QRectF map = toPicture.mapRect(QRectF(0, 0, n, n));
            QVERIFY(area.adjusted(-0.01, -0.01, 0.01, 0.01).contains(map));
            QVERIFY(qFuzzyCompare(map.width(), area.width()) || qFuzzyCompare(map.height(), area.height()));
            for (int tile : {0, n - 1, n * (n - 1), n * n - 1, n * (n / 2) + n / 3}) {
                const QPointF centre(result.grid.x(tile) + 0.5, result.grid.y(tile) + 0.5);
                QCOMPARE(TileAt(result, toPicture, toPicture.map(centre)), tile);
            }
            QCOMPARE(TileAt(result, toPicture, toPicture.map(QPointF(-0.5, 0.5))), -1);
            QCOMPARE(TileAt(result, toPicture, toPicture.map(QPointF(0.5, n + 0.5))), -1);
        }
    }
}

void PreviewDrawingTest::objectsShowOnTheLargestMap()
{
    const PreviewResult result = Build("giant");
    QVERIFY(result.objects.size() > 10);
    const QImage picture = DrawPreview(result, false, false);
    const QRgb gold = 0xFF000000 | result.objectBlocks.first().style.rgb;
    // Drawn as DrawPreview lays the map out: a margin of 8, then the map.
    const QTransform toPicture =
        MapTransform(result.grid.side, false, QRectF(8, 8, picture.width() - 16, picture.height() - 16));
    int framed = 0;
    for (const PlacedObject &object : result.objects) {
        const QPoint at =
            toPicture.map(QPointF(result.grid.x(object.tile) + 0.5, result.grid.y(object.tile) + 0.5)).toPoint();
        int golden = 0;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                golden += picture.pixel(at + QPoint(dx, dy)) == gold;
        QVERIFY(golden >= 4); // at least three pixels across, a neighbour's frame may overlap
        // The frame: a dark ring on light snow and desert.
        framed += qGray(picture.pixel(at + QPoint(-2, 0))) < 40 || qGray(picture.pixel(at + QPoint(2, 0))) < 40;
    }
    QVERIFY(framed > result.objects.size() / 2);
}

void PreviewDrawingTest::eachTileKnowsTheLinesThatMadeIt()
{
    const PreviewResult result = Build("tiny");
    const Grid &grid = result.grid;
    QSet<int> lines;
    for (int tile = 0; tile < grid.tiles(); ++tile) {
        const QString terrain = grid.terrainAt(tile);
        const int expected = terrain == QLatin1String("SNOW") ? 2 : terrain == QLatin1String("DESERT") ? 3 : 9;
        QCOMPARE(grid.terrainLine[tile], expected);
        lines << expected;
    }
    QCOMPARE(lines.size(), 3);
    const int tile = result.objects.first().tile;
    const QString report = TileReport(result, tile);
    QVERIFY2(report.contains(QStringLiteral("GOLD（第 15 行）")), qPrintable(report));
    QVERIFY2(report.contains(QStringLiteral("（第 %1 行）").arg(grid.terrainLine[tile])), qPrintable(report));
    QVERIFY(TileReport(result, -1).isEmpty());
    QVERIFY(TileReport(result, grid.tiles()).isEmpty());
}

void PreviewDrawingTest::theFileKeepsEveryPixel()
{
    const QImage opaque = DrawPreview(Build("tiny"), false);
    QImage clear(7, 5, QImage::Format_ARGB32);
    clear.fill(QColor(10, 200, 30, 90));
    clear.setPixelColor(6, 4, Qt::transparent);
    // Large enough to be deflated in two halves, in a format read through a
    // converted copy, with rows that differ from each other.
    QImage large(701, 503, QImage::Format_RGB888);
    for (int y = 0; y < large.height(); ++y)
        for (int x = 0; x < large.width(); ++x)
            large.setPixel(x, y, qRgb(x * 7 + y, x ^ y, (x * y) >> 3));
    for (const QImage &image : {opaque, clear, large}) {
        const QImage back = QImage::fromData(PngBytes(image), "PNG");
        QCOMPARE(back.size(), image.size());
        QCOMPARE(back.hasAlphaChannel(), image.hasAlphaChannel());
        QCOMPARE(back.convertToFormat(QImage::Format_ARGB32), image.convertToFormat(QImage::Format_ARGB32));
    }
    QVERIFY(PngBytes(QImage()).isEmpty());
}

QTEST_MAIN(PreviewDrawingTest)
#include "test_preview_drawing.moc"
