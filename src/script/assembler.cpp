#include "script/assembler.h"

#include "core/item_store.h"
#include "core/settings.h"
#include "names/terrain_names.h"
#include "script/item_blocks.h"
#include "script/sections.h"

#include <QDate>
#include <QLocale>

namespace quorlin {

namespace {

struct HiddenConstant {
    const char *name;
    int number;
};

struct HiddenGroup {
    const char *comment;
    QVector<HiddenConstant> constants;
};

// Names the game knows by number only; the script defines them so that the
// name tables can use them like built-in constants.
// clang-format off
const QVector<HiddenGroup> kHiddenGroups = {
    {"/* 定义隐藏地形 */",
     {{"FARMS_UNPLANTED", 29}, {"FARMS_SMALL_PLANTS", 30}, {"FARMS_LARGER_PLANTS", 31}, {"FARMS_PLANTED", 7},
      {"FARMS_EXPIRED", 8}, {"ROAD3", 39}, {"ROAD4", 38}}},
    {"/* 定义隐藏兵种 */",
     {{"HEAVY_CROSSBOWMAN", 493}, {"HEAVY_SWORDSMAN", 76}, {"NEW_BERSERK", 94}, {"RCARC", 577},
      {"RCSWD", 575}, {"RFARC", 571}, {"RFSWD", 573}, {"INFILTRATOR", 299}, {"OUTLW", 158},
      {"MONK_WITH_RELIC", 286}, {"PMANG", 479}, {"PTWC", 444}, {"COBRA", 748},
      {"FURIOUS_THE_MONKEY_BOY", 860}, {"VMDL", 206}, {"CANOE", 61}, {"JUNK", 15}, {"OMTBO", 436},
      {"BDGAL", 535}, {"ABGAL", 536}, {"TWAL", 208}, {"PORT", 446}, {"SEA_TOWER", 785}, {"SWAL", 788}}},
    {"/* 定义隐藏盖亚单位 */",
     {{"FLDOG", 544}, {"STORMY_DOG", 862}, {"RUBBLE_4_X_4", 146}, {"RUBBLE_OF_PYRAMID", 147},
      {"RUBBLE_8_X_8", 148}, {"RELIC_CART", 159}, {"FTRAP_D", 278}, {"PART_OF_CLIFF", 273},
      {"STUMP1", 415}, {"STUMP2", 809}, {"STUMP3", 737}, {"OREMN", 352}, {"PILE_OF_FOOD", 262},
      {"PILE_OF_GOLD", 252}, {"PILE_OF_STONE", 248}, {"PILE_OF_WOOD", 253}, {"POREX", 249},
      {"PURPLE_SPOTS", 447}, {"WHITE_SPOTS", 728}}},
};
// clang-format on

// The zone distribution line of the players' lands; the first chosen wins.
struct ZoneLine {
    const char *option;
    const char *line;
};
// clang-format off
const ZoneLine kZoneLines[] = {
    {"Option2", "set_zone_by_team"},
    {"Option3", "zone  1"},
    {"Option4", "set_zone_randomly"},
};
// clang-format on

QString OrGrass(const QString &name) { return name.isEmpty() ? QStringLiteral("草1") : name; }

QString PlayerLands(const Settings &s)
{
    const QString &en = En();
    auto slider = [&](const char *name) { return QString::number(s.slider(QString::fromLatin1(name))); };
    QString b = QStringLiteral("create_player_lands   /* 游戏者区域 */") + en + QStringLiteral("{") + en;
    b += KeywordLine(QStringLiteral("terrain_type"), TerrainConst(OrGrass(s.text(QStringLiteral("Combo2")))));
    b += KeywordLine(QStringLiteral("land_percent"), slider("Slider1"));
    b += KeywordLine(QStringLiteral("base_size"), slider("Slider2"));
    if (s.isOne(QStringLiteral("Check1"))) {
        // A width word we do not know writes 0, as the land editor does.
        const Borders w = BordersFor(s.text(QStringLiteral("Combo3")));
        b += KeywordLine(QStringLiteral("left_border"), QString::number(w.left));
        b += KeywordLine(QStringLiteral("right_border"), QString::number(w.right));
        b += KeywordLine(QStringLiteral("top_border"), QString::number(w.top));
        b += KeywordLine(QStringLiteral("bottom_border"), QString::number(w.bottom));
    }
    b += KeywordLine(QStringLiteral("border_fuzziness"), slider("Slider3"));
    b += KeywordLine(QStringLiteral("other_zone_avoidance_distance"), slider("Slider4"));
    b += KeywordLine(QStringLiteral("clumping_factor"), slider("Slider5"));
    for (const ZoneLine &zone : kZoneLines) {
        if (s.option(QString::fromLatin1(zone.option))) {
            b += QString::fromLatin1(zone.line) + en;
            break;
        }
    }
    b += QStringLiteral("}") + en + en;
    return b;
}

} // namespace

QString HiddenConstants()
{
    QString text;
    for (const HiddenGroup &group : kHiddenGroups) {
        text += QString::fromUtf8(group.comment) + En();
        for (const HiddenConstant &c : group.constants)
            text += QStringLiteral("#const  ") + QString::fromLatin1(c.name) + QStringLiteral("  ")
                    + QString::number(c.number) + En();
        text += En();
    }
    return text;
}

QString LandSection(const Settings &s, const ItemStore &lands)
{
    const QString &en = En();
    const QString base = TerrainConst(OrGrass(s.text(QStringLiteral("Combo1"))));
    QString land = QStringLiteral("<LAND_GENERATION>") + en + QStringLiteral("/* 区域设置 */") + en + en;
    land += QStringLiteral("base_terrain  ") + base + QStringLiteral(" /* 基本地形 */") + en + en;
    if (s.isOne(QStringLiteral("Check33")))
        land += PlayerLands(s);
    qsizetype size = land.size() + en.size();
    for (const QString &block : lands.blocks())
        size += block.size();
    land.reserve(size);
    for (const QString &block : lands.blocks())
        land += block;
    return land + en;
}

QString AssembleScript(const Settings &s, const ItemStore &lands, const ItemStore &terrains, const ItemStore &units,
                       const QString &date)
{
    const QString &en = En();
    QString text = QStringLiteral("/* 地图名：  */") + en;
    text += QStringLiteral("/* 制作日期：") + date + QStringLiteral(" */") + en;
    text += QStringLiteral("/* 制作者：  */") + en + en;
    text += QStringLiteral("<PLAYER_SETUP>") + en + QStringLiteral("random_placement") + en + en;
    // The sections first, so that the script is made in room of its size
    // rather than grown and copied section by section.
    const QString sections[] = {HiddenConstants(), LandSection(s, lands), TerrainSection(s, terrains),
                                ObjectsSection(s, units), ElevationCliffConnectionSections(s)};
    qsizetype size = text.size();
    for (const QString &section : sections)
        size += section.size();
    text.reserve(size);
    for (const QString &section : sections)
        text += section;
    return text;
}

QString TodayShortDate() { return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat); }

} // namespace quorlin
