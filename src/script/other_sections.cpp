#include "core/numbers.h"
#include "core/settings.h"
#include "names/terrain_names.h"
#include "script/sections.h"

#include <utility>

namespace quorlin {

namespace {

struct Cost {
    const char *terrain;
    int cost;
};

// The land terrains a road may replace, with the cost of building over each.
// clang-format off
const Cost kRoadCosts[] = {
    {"DESERT", 4},          {"DIRT", 3},
    {"DIRT2", 3},           {"DIRT3", 3},
    {"GRASS", 2},           {"GRASS2", 3},
    {"GRASS3", 3},          {"SNOW", 4},
    {"GRASS_SNOW", 5},      {"DIRT_SNOW", 5},
    {"LEAVES", 4},          {"FARMS_UNPLANTED", 5},
    {"FARMS_SMALL_PLANTS", 5}, {"FARMS_LARGER_PLANTS", 5},
    {"FARMS_PLANTED", 5},   {"FARMS_EXPIRED", 5},
};
// clang-format on

const Cost kWaterCosts[] = {{"WATER", 7}, {"MED_WATER", 10}, {"DEEP_WATER", 15}};

struct Size {
    const char *width;
    int size, variance;
};

// An empty width is narrow for a crossing but medium for a road.
const Size kWaterSizes[] = {{"宽", 8, 2}, {"中", 4, 1}, {"窄", 2, 1}, {"", 2, 1}};
const Size kRoadSizes[] = {{"宽", 10, 2}, {"中", 5, 1}, {"", 5, 1}, {"窄", 2, 1}};

template <size_t n>
const Size *SizeFor(const Size (&sizes)[n], const QString &width)
{
    for (const Size &s : sizes)
        if (width == QString::fromUtf8(s.width))
            return &s;
    return nullptr;
}

struct Connection {
    const char *head;
    const char *landCheck, *roadCheck;
    const char *shallowOption, *waterWidth;
    const char *roadOptions[4]; // ROAD, ROAD2, ROAD3, ROAD4
    const char *roadWidth;
};

// clang-format off
const Connection kConnections[] = {
    {"create_connect_all_players_land", "Check26", "Check27", "Option13", "Combo10",
     {"Option16", "Option15", "Option7", "Option8"}, "Combo11"},
    {"create_connect_teams_lands", "Check29", "Check28", "Option20", "Combo13",
     {"Option17", "Option18", "Option9", "Option10"}, "Combo12"},
};
// clang-format on

const char *const kRoadNames[] = {"ROAD", "ROAD2", "ROAD3", "ROAD4"};

QString Name(const char *s) { return QString::fromLatin1(s); }

QString Elevation(const Settings &s)
{
    const QString height = s.text(QStringLiteral("Combo8"));
    if (!s.isOne(QStringLiteral("Check23")) || height.isEmpty())
        return QString();
    const QString &en = En();
    return QStringLiteral("<ELEVATION_GENERATION>") + en + QStringLiteral("/* 高地 */") + en
           + KeywordLine(QStringLiteral("create_elevation"), height) + QStringLiteral("{") + en
           + KeywordLine(QStringLiteral("base_terrain"), TerrainConst(s.text(QStringLiteral("Combo9"))))
           + KeywordLine(QStringLiteral("number_of_clumps"), s.text(QStringLiteral("Text8")))
           + KeywordLine(QStringLiteral("number_of_tiles"), s.text(QStringLiteral("Text9")))
           + QStringLiteral("set_scale_by_groups") + en + QStringLiteral("set_scale_by_size") + en + QStringLiteral("}")
           + en + en;
}

// The two numbers of a from-to pair of fields, smaller first.
std::pair<double, double> Range(const Settings &s, const char *from, const char *to)
{
    double a = ReadNumber(s.text(Name(from)));
    double b = ReadNumber(s.text(Name(to)));
    if (a > b)
        std::swap(a, b);
    return {a, b};
}

QString Cliffs(const Settings &s)
{
    if (!s.isOne(QStringLiteral("Check24")))
        return QString();
    const QString &en = En();
    const auto count = Range(s, "Text10", "Text11");
    const auto length = Range(s, "Text12", "Text13");
    return QStringLiteral("<CLIFF_GENERATION>") + en + QStringLiteral("/* 悬崖 */") + en
           + KeywordLine(QStringLiteral("min_number_of_cliffs"), PlainDecimal(count.first))
           + KeywordLine(QStringLiteral("max_number_of_cliffs"), PlainDecimal(count.second))
           + KeywordLine(QStringLiteral("min_length_of_cliff"), PlainDecimal(length.first))
           + KeywordLine(QStringLiteral("max_length_of_cliff"), PlainDecimal(length.second))
           + KeywordLine(QStringLiteral("cliff_curliness"), QString::number(s.slider(QStringLiteral("Slider8"))))
           + KeywordLine(QStringLiteral("min_distance_cliffs"),
                         PlainDecimal(ReadNumber(s.text(QStringLiteral("Text14")))))
           + en;
}

QString Connections(const Settings &s)
{
    if (!s.isOne(QStringLiteral("Check25")))
        return QString();
    QString body;
    const QString &en = En();
    for (const Connection &c : kConnections) {
        const bool land = s.isOne(Name(c.landCheck));
        const bool road = s.isOne(Name(c.roadCheck));
        if (!land && !road)
            continue;
        body += Name(c.head) + en + QStringLiteral("{") + en;
        if (land)
            body += WaterReplaceBlock(s.option(Name(c.shallowOption)), s.text(Name(c.waterWidth)));
        if (road) {
            QString constant;
            for (int i = 0; i < 4; ++i)
                if (s.option(Name(c.roadOptions[i])))
                    constant = Name(kRoadNames[i]);
            body += LandReplaceBlock(constant, s.text(Name(c.roadWidth)));
        }
        body += QStringLiteral("}") + en + en;
    }
    if (body.isEmpty())
        return QString();
    return QStringLiteral("<CONNECTION_GENERATION>") + en + QStringLiteral("/* 连接 */") + en + body;
}

} // namespace

QString ReplaceTerrainLine(const QString &from, const QString &to)
{
    return KeywordLine("replace_terrain", from + QStringLiteral("  ") + to);
}

QString TerrainCostLine(const QString &terrain, int cost)
{
    return KeywordLine("terrain_cost", terrain + QStringLiteral("  ") + QString::number(cost));
}

QString TerrainSizeLine(const QString &terrain, int size, int variance)
{
    return KeywordLine("terrain_size", terrain + QStringLiteral("  ") + QString::number(size) + QStringLiteral("  ")
                                           + QString::number(variance));
}

QString WaterReplaceBlock(bool shallow, const QString &width)
{
    const QString crossing = shallow ? QStringLiteral("SHALLOW") : QStringLiteral("ICE");
    QString b = QStringLiteral("/* 将后者替换前者 */") + En();
    for (const Cost &w : kWaterCosts)
        b += ReplaceTerrainLine(Name(w.terrain), crossing);
    for (const Cost &w : kWaterCosts)
        b += TerrainCostLine(Name(w.terrain), w.cost);
    if (const Size *size = SizeFor(kWaterSizes, width))
        for (const Cost &w : kWaterCosts)
            b += TerrainSizeLine(Name(w.terrain), size->size, size->variance);
    return b;
}

QString LandReplaceBlock(const QString &road, const QString &width)
{
    QString b = QStringLiteral("/* 将后者替换前者 */") + En();
    for (const Cost &t : kRoadCosts)
        b += ReplaceTerrainLine(Name(t.terrain), road);
    for (const Cost &t : kRoadCosts)
        b += TerrainCostLine(Name(t.terrain), t.cost);
    if (const Size *size = SizeFor(kRoadSizes, width))
        b += TerrainSizeLine(road, size->size, size->variance);
    return b;
}

QString ElevationCliffConnectionSections(const Settings &s) { return Elevation(s) + Cliffs(s) + Connections(s); }

} // namespace quorlin
