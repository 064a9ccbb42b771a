#include "names/object_names.h"

#include <QHash>

#include <cstddef>

namespace quorlin {
namespace {

struct ObjectRow {
    const char *name;
    const char *constant;
};

// The groups follow the picker's categories. Some rows look irregular but
// are deliberate: "帐篷1" and "帐篷3" both give PAVILION, "海豚"
// gives MARLIN1, "浅滩" and "冰块" give PURPLE_SPOTS and
// WHITE_SPOTS. "丛林" gives JUNGLE_TREE here but JUNGLE as a terrain; the two
// tables are separate. In keys, "×" is U+00D7 and parentheses are ASCII.

// "兵营单位" (barracks units).
// clang-format off
constexpr ObjectRow kBarracks[] = {
    {"民兵", "MILITIA"},
    {"剑士", "MAN_AT_ARMS"},
    {"长剑士", "LONG_SWORDSMAN"},
    {"双手剑士", "TWO_HANDED_SWORDSMAN"},
    {"冠军剑士", "CHAMPION"},
    {"长矛兵", "SPEARMAN"},
    {"长枪兵", "PIKEMAN"},
    {"长戟兵", "HALBERDIER"},
    {"雄鹰战士", "EAGLE_WARRIOR"},
};
// clang-format on

// "靶场单位" (archery range units).
// clang-format off
constexpr ObjectRow kArcheryRange[] = {
    {"步弓手", "ARCHER"},
    {"弩手", "CROSSBOWMAN"},
    {"劲弩手", "ARBALEST"},
    {"投矛手", "SKIRMISHER"},
    {"骑射手", "CAVALRY_ARCHER"},
    {"重装骑射手", "HEAVY_CAVALRY_ARCHER"},
    {"火枪手", "HAND_CANNONEER"},
};
// clang-format on

// "马厩单位" (stable units).
// clang-format off
constexpr ObjectRow kStable[] = {
    {"侦察骑/雄鹰", "SCOUT"},
    {"侦察骑兵", "SCOUT_CAVALRY"},
    {"轻骑兵", "LIGHT_CAVALRY"},
    {"强力轻骑兵", "HUSSAR"},
    {"骑士", "KNIGHT"},
    {"重装骑士", "CAVALIER"},
    {"游侠", "PALADIN"},
    {"骆驼兵", "CAMEL"},
    {"重装骆驼兵", "HEAVY_CAMEL"},
};
// clang-format on

// "攻城器械" (siege weapons).
// clang-format off
constexpr ObjectRow kSiege[] = {
    {"1级冲车", "BATTERING_RAM"},
    {"2级冲车", "CAPPED_RAM"},
    {"3级冲车", "SIEGE_RAM"},
    {"1级投石", "MANGONEL"},
    {"2级投石", "ONAGER"},
    {"3级投石", "SIEGE_ONAGER"},
    {"弩炮", "SCORPION"},
    {"重型弩", "HEAVY_SCORPION"},
    {"火炮", "BOMBARD_CANNON"},
};
// clang-format on

// "其他单位" (other units).
// clang-format off
constexpr ObjectRow kOther[] = {
    {"村民", "VILLAGER"},
    {"贸易马车", "TRADE_CART"},
    {"僧侣", "MONK"},
    {"传教士", "MISSIONARY"},
    {"破坏者", "PETARD"},
    {"投石机", "TREBUCHET"},
    {"投石机(打包)", "TREBUCHET_PACKED"},
};
// clang-format on

// "船坞单位" (dock units).
// clang-format off
constexpr ObjectRow kDock[] = {
    {"渔船", "FISHING_SHIP"},
    {"商船", "TRADE_COG"},
    {"运输船", "TRANSPORT_SHIP"},
    {"箭船", "GALLEY"},
    {"战舰", "WAR_GALLEY"},
    {"大型战舰", "GALLEON"},
    {"爆破船", "DEMOLITION_SHIP"},
    {"重型爆破船", "HEAVY_DEMOLITION_SHIP"},
    {"喷火船", "FIRE_SHIP"},
    {"快速喷火船", "FAST_FIRE_SHIP"},
    {"炮舰", "CANNON_GALLEON"},
    {"龟船", "TURTLE_SHIP"},
    {"龙头战舰", "LONGBOAT"},
};
// clang-format on

// "特色兵种" (unique units).
// clang-format off
constexpr ObjectRow kUnique[] = {
    {"狂战士", "BERSERK"},
    {"甲胄骑兵", "CATAPHRACT"},
    {"诸葛弩", "CHU_KO_NU"},
    {"西班牙征服者", "CONQUISTADOR"},
    {"近卫军", "HUSKARL"},
    {"美洲虎武士", "JAGUAR_WARRIOR"},
    {"土耳其亲兵", "JANISSARY"},
    {"长弓手", "LONGBOWMAN"},
    {"马穆鲁克", "MAMELUKE"},
    {"蒙古骑射手", "MANGUDAI"},
    {"羽箭手", "PLUMED_ARCHER"},
    {"日本武士", "SAMURAI"},
    {"匈奴骑兵", "TARKAN"},
    {"条顿武士", "TEUTONIC_KNIGHT"},
    {"掷斧战士", "THROWING_AXEMAN"},
    {"战象", "WAR_ELEPHANT"},
    {"战车", "WAR_WAGON"},
    {"靛蓝突袭者", "WOAD_RAIDER"},
};
// clang-format on

// "剧情单位" (scenario units).
// clang-format off
constexpr ObjectRow kScenario[] = {
    {"大教堂", "CATHEDRAL"},
    {"ES旗", "ES_FLAG"},
    {"旗A", "FLAG_A"},
    {"旗B", "FLAG_B"},
    {"旗C", "FLAG_C"},
    {"旗D", "FLAG_D"},
    {"旗E", "FLAG_E"},
    {"大金字塔", "GREAT_PYRAMID"},
    {"马", "HORSE"},
    {"国王", "KING"},
    {"地图启示者", "MAP_REVEALER"},
    {"纪念碑", "MONUMENT"},
    {"清真寺", "MOSQUE"},
    {"九环", "NINE_BANDS"},
    {"帐篷1", "PAVILION"},
    {"帐篷2", "PAVILION2"},
    {"帐篷3", "PAVILION"},
    {"金字塔", "PYRAMID"},
    {"碎石1×1", "RUBBLE_1_X_1"},
    {"碎石2×2", "RUBBLE_2_X_2"},
    {"碎石3×3", "RUBBLE_3_X_3"},
    {"绵羊", "SHEEP"},
    {"船的残骸1", "SHIPWRECK"},
    {"船的残骸2", "SHIPWRECK2"},
    {"火把", "TORCH"},
    {"火把(转变)", "TORCH_CONVERTING"},
    {"贸易工厂", "TRADE_WORKSHOP"},
    {"火鸡", "TURKEY"},
};
// clang-format on

// "盖亚单位" (gaia units). The picker offers "干草堆" and "棕榈森林"; both get
// rows here so that no Chinese name reaches the script. "棕榈树林" is
// offered by no list but kept for names typed by hand.
// clang-format off
constexpr ObjectRow kGaia[] = {
    {"竹林树木", "BAMBOO_TREE"},
    {"野猪", "BOAR"},
    {"坏的手推车", "BROKEN_CART"},
    {"仙人掌", "CACTUS"},
    {"裂缝", "CRACKS"},
    {"洞", "CRATER"},
    {"鹿", "DEER"},
    {"豺狼戴尔", "DIRE_WOLF"},
    {"剑鱼", "DORADO"},
    {"花床", "FLOWER_BED"},
    {"花1", "FLOWERS_1"},
    {"花2", "FLOWERS_2"},
    {"花3", "FLOWERS_3"},
    {"花4", "FLOWERS_4"},
    {"草料丛", "FORAGE"},
    {"森林树木", "FOREST_TREE"},
    {"黄金", "GOLD"},
    {"墓碑", "GRAVE"},
    {"鹰", "HAWK"},
    {"干草堆", "HAY_STACK"},
    {"头", "HEAD"},
    {"号角野猪", "IRON_BOAR"},
    {"美洲虎", "JAGUAR"},
    {"爪哇野猪", "JAVELINA"},
    {"丛林", "JUNGLE_TREE"},
    {"金刚鹦鹉", "MACAW"},
    {"海豚", "MARLIN1"},
    {"枪鱼", "MARLIN2"},
    {"山脉1", "MOUNTAIN_1"},
    {"山脉2", "MOUNTAIN_2"},
    {"山脉3", "MOUNTAIN_3"},
    {"山脉4", "MOUNTAIN_4"},
    {"橡树", "OAKTREE"},
    {"石头脑袋", "OLD_STONE_HEAD"},
    {"棕榈树林", "PALMTREE"},
    {"棕榈森林", "PALMTREE"},
    {"小路1", "PATH_1"},
    {"小路2", "PATH_2"},
    {"小路3", "PATH_3"},
    {"小路4", "PATH_4"},
    {"十字架的碎片", "PIECE_OF_THE_TRUE_CROSS"},
    {"松树", "PINETREE"},
    {"种植", "PLANT"},
    {"狂暴之狼", "RABID_WOLF"},
    {"遗迹", "RELIC"},
    {"岩石", "ROCK"},
    {"罗马的衰落", "ROMAN_RUINS"},
    {"地毯", "RUGS"},
    {"毁灭", "RUINS"},
    {"大马哈鱼", "SALMON"},
    {"暗礁1", "SEA_ROCKS_1"},
    {"暗礁2", "SEA_ROCKS_2"},
    {"海滨捕鱼", "SHORE_FISH"},
    {"路标", "SIGN"},
    {"骨骸", "SKELETON"},
    {"食人鱼", "SNAPPER"},
    {"雪松", "SNOW_PINE_TREE"},
    {"雕像", "STATUE"},
    {"石矿", "STONE"},
    {"树桩", "STUMP"},
    {"树A", "TREE_A"},
    {"树B", "TREE_B"},
    {"树C", "TREE_C"},
    {"树D", "TREE_D"},
    {"树E", "TREE_E"},
    {"树F", "TREE_F"},
    {"树G", "TREE_G"},
    {"树H", "TREE_H"},
    {"树I", "TREE_I"},
    {"树J", "TREE_J"},
    {"树K", "TREE_K"},
    {"树L", "TREE_L"},
    {"树TD", "TREE_TD"},
    {"金枪鱼", "TUNA"},
    {"野马", "WILD_HORSE"},
    {"狼", "WOLF"},
};
// clang-format on

// "建筑物" (buildings).
// clang-format off
constexpr ObjectRow kBuildings[] = {
    {"靶场", "ARCHERY_RANGE"},
    {"兵营", "BARRACKS"},
    {"铁匠铺", "BLACKSMITH"},
    {"炮塔", "BOMBARD_TOWER"},
    {"城堡", "CASTLE"},
    {"码头", "DOCK"},
    {"农田", "FARM"},
    {"养鱼场", "FISH_TRAP"},
    {"增强城墙", "FORTIFIED_WALL"},
    {"警戒塔", "GUARD_TOWER"},
    {"房屋", "HOUSE"},
    {"要塞", "KEEP"},
    {"伐木场", "LUMBER_CAMP"},
    {"市场", "MARKET"},
    {"磨坊", "MILL"},
    {"矿物仓库", "MINING_CAMP"},
    {"修道院", "MONASTERY"},
    {"哨塔", "OUTPOST"},
    {"木栅栏", "PALISADE_WALL"},
    {"攻城武器场", "SIEGE_WORKSHOP"},
    {"马厩", "STABLE"},
    {"石头城墙", "STONE_WALL"},
    {"城镇中心", "TOWN_CENTER"},
    {"大学", "UNIVERSITY"},
    {"城墙", "WALL"},
    {"了望塔", "WATCH_TOWER"},
    {"奇观", "WONDER"},
    {"圆石", "DOME_OF_THE_ROCK"},
    {"诅咒之塔", "THE_ACCURSED_TOWER"},
    {"腐败之塔", "THE_TOWER_OF_FLIES"},
};
// clang-format on

// "隐藏兵种" (hidden units).
// clang-format off
constexpr ObjectRow kHiddenUnits[] = {
    {"重装弩手", "HEAVY_CROSSBOWMAN"},
    {"重装剑士", "HEAVY_SWORDSMAN"},
    {"隐藏狂战士", "NEW_BERSERK"},
    {"特攻骑射手", "RCARC"},
    {"特攻轻骑兵", "RCSWD"},
    {"特攻弓手", "RFARC"},
    {"特攻剑士", "RFSWD"},
    {"间谍", "INFILTRATOR"},
    {"贼", "OUTLW"},
    {"拿着遗迹的僧侣", "MONK_WITH_RELIC"},
    {"组装投石车", "PMANG"},
    {"组装城镇中心", "PTWC"},
    {"眼镜蛇车", "COBRA"},
    {"狂暴猴", "FURIOUS_THE_MONKEY_BOY"},
    {"村民模型", "VMDL"},
    {"装饰古船", "CANOE"},
    {"舢板", "JUNK"},
    {"幽灵船", "OMTBO"},
    {"古船", "BDGAL"},
    {"登舰战船", "ABGAL"},
    {"高塔墙", "TWAL"},
    {"港口", "PORT"},
    {"海塔", "SEA_TOWER"},
    {"海墙", "SWAL"},
};
// clang-format on

// "隐藏盖亚单位" (hidden gaia units).
// clang-format off
constexpr ObjectRow kHiddenGaia[] = {
    {"飞天神犬", "FLDOG"},
    {"暴怒的狗", "STORMY_DOG"},
    {"碎石4×4", "RUBBLE_4_X_4"},
    {"金字塔碎石", "RUBBLE_OF_PYRAMID"},
    {"碎石8×8", "RUBBLE_8_X_8"},
    {"遗迹车队", "RELIC_CART"},
    {"废弃渔网", "FTRAP_D"},
    {"峭壁", "PART_OF_CLIFF"},
    {"树桩1", "STUMP1"},
    {"树桩2", "STUMP2"},
    {"竹桩", "STUMP3"},
    {"铁矿", "OREMN"},
    {"一堆食物", "PILE_OF_FOOD"},
    {"一堆黄金", "PILE_OF_GOLD"},
    {"一堆石矿", "PILE_OF_STONE"},
    {"一堆木头", "PILE_OF_WOOD"},
    {"大量资源", "POREX"},
    {"浅滩", "PURPLE_SPOTS"},
    {"冰块", "WHITE_SPOTS"},
};
// clang-format on

struct Group {
    const ObjectRow *rows;
    std::size_t count;
};

template <std::size_t N>
constexpr Group MakeGroup(const ObjectRow (&rows)[N])
{
    return {rows, N};
}

NameRows BuildObjectRows()
{
    // clang-format off
  const Group groups[] = {
      MakeGroup(kBarracks),       // 兵营单位
      MakeGroup(kArcheryRange),   // 靶场单位
      MakeGroup(kStable),         // 马厩单位
      MakeGroup(kSiege),          // 攻城器械
      MakeGroup(kOther),          // 其他单位
      MakeGroup(kDock),           // 船坞单位
      MakeGroup(kUnique),         // 特色兵种
      MakeGroup(kScenario),       // 剧情单位
      MakeGroup(kGaia),           // 盖亚单位
      MakeGroup(kBuildings),      // 建筑物
      MakeGroup(kHiddenUnits),    // 隐藏兵种
      MakeGroup(kHiddenGaia),     // 隐藏盖亚单位
  };
    // clang-format on
    NameRows rows;
    for (const Group &group : groups)
        for (std::size_t i = 0; i < group.count; ++i)
            rows.append({QString::fromUtf8(group.rows[i].name), QString::fromLatin1(group.rows[i].constant)});
    rows += HeroRows();
    return rows;
}

const QString &Elite()
{
    static const QString text = QStringLiteral("精锐");
    return text;
}

} // namespace

const NameRows &ObjectRows()
{
    static const NameRows rows = BuildObjectRows();
    return rows;
}

QString ObjectConst(const QString &displayName)
{
    static const QHash<QString, QString> constants = [] {
        QHash<QString, QString> map;
        // First row wins, as in a scan of the table from the top.
        for (const auto &row : ObjectRows())
            if (!map.contains(row.first))
                map.insert(row.first, row.second);
        return map;
    }();

    QString name = displayName;
    const bool elite = name.startsWith(Elite());
    if (elite)
        name.remove(0, Elite().size());

    // The picker's yurts are "蒙古包1" to "蒙古包8"; the game calls the first
    // one plain YURT and the others YURT2 to YURT8. They have no rows.
    name.replace(QStringLiteral("蒙古包"), QStringLiteral("YURT"));
    name.replace(QStringLiteral("YURT1"), QStringLiteral("YURT"));

    QString result = constants.value(name, name);
    if (elite)
        result.prepend(QStringLiteral("ELITE_"));
    return result;
}

} // namespace quorlin
