#include "names/picker_lists.h"

#include "names/object_names.h"

#include <cstddef>

namespace quorlin {
namespace {

// Picker entries are display names, turned into constants only when a unit
// is added. Lists may share names ("绵羊" and "火鸡" are both scenario and
// gaia units), and "野猪" stands twice in the gaia list. Elite and yurt
// entries have no rows of their own; the name lookup derives them.

constexpr const char *kCombo1[] = {
    "民兵", "剑士", "长剑士", "双手剑士", "冠军剑士", "长矛兵", "长枪兵", "长戟兵", "雄鹰战士", "精锐雄鹰战士",
};
constexpr const char *kCombo2[] = {
    "步弓手", "弩手", "劲弩手", "投矛手", "精锐投矛手", "骑射手", "重装骑射手", "火枪手",
};
constexpr const char *kCombo3[] = {
    "侦察骑/雄鹰", "侦察骑兵", "轻骑兵", "强力轻骑兵", "骑士", "重装骑士", "游侠", "骆驼兵", "重装骆驼兵",
};
constexpr const char *kCombo4[] = {
    "1级冲车", "2级冲车", "3级冲车", "1级投石", "2级投石", "3级投石", "弩炮", "重型弩", "火炮",
};
constexpr const char *kCombo5[] = {
    "村民", "贸易马车", "僧侣", "传教士", "破坏者", "投石机", "投石机(打包)",
};
// clang-format off
constexpr const char* kCombo6[] = {
    "渔船", "商船", "运输船", "箭船", "战舰", "大型战舰", "爆破船",
    "重型爆破船", "喷火船", "快速喷火船", "炮舰", "精锐炮舰", "龟船",
    "精锐龟船", "龙头战舰", "精锐龙头战舰",
};
// clang-format on
// clang-format off
constexpr const char* kCombo7[] = {
    "狂战士", "甲胄骑兵", "诸葛弩", "西班牙征服者", "近卫军", "美洲虎武士",
    "土耳其亲兵", "长弓手", "马穆鲁克", "蒙古骑射手", "羽箭手", "日本武士",
    "匈奴骑兵", "条顿武士", "掷斧战士", "战象", "战车", "靛蓝突袭者",
    "精锐狂战士", "精锐甲胄骑兵", "精锐诸葛弩", "精锐西班牙征服者",
    "精锐近卫军", "精锐美洲虎武士", "精锐土耳其亲兵", "精锐长弓手",
    "精锐马穆鲁克", "精锐蒙古骑射手", "精锐羽箭手", "精锐日本武士",
    "精锐匈奴骑兵", "精锐条顿武士", "精锐掷斧战士", "精锐战象", "精锐战车",
    "精锐靛蓝突袭者",
};
// clang-format on
// clang-format off
constexpr const char* kCombo8[] = {
    "大教堂", "ES旗", "旗A", "旗B", "旗C", "旗D", "旗E", "大金字塔", "马",
    "国王", "地图启示者", "纪念碑", "清真寺", "九环", "帐篷1", "帐篷2",
    "帐篷3", "金字塔", "碎石1×1", "碎石2×2", "碎石3×3", "绵羊", "船的残骸1",
    "船的残骸2", "火把", "火把(转变)", "贸易工厂", "火鸡", "蒙古包1",
    "蒙古包2", "蒙古包3", "蒙古包4", "蒙古包5", "蒙古包6", "蒙古包7",
    "蒙古包8",
};
// clang-format on
// clang-format off
constexpr const char* kCombo9[] = {
    "竹林树木", "野猪", "坏的手推车", "仙人掌", "裂缝", "洞", "鹿",
    "豺狼戴尔", "剑鱼", "花床", "花1", "花2", "花3", "花4", "草料丛",
    "森林树木", "黄金", "墓碑", "鹰", "干草堆", "头", "号角野猪", "美洲虎",
    "爪哇野猪", "丛林", "金刚鹦鹉", "海豚", "枪鱼", "山脉1", "山脉2",
    "山脉3", "山脉4", "橡树", "石头脑袋", "棕榈森林", "小路1", "小路2",
    "小路3", "小路4", "十字架的碎片", "松树", "种植", "狂暴之狼", "遗迹",
    "岩石", "罗马的衰落", "地毯", "毁灭", "大马哈鱼", "暗礁1", "暗礁2",
    "绵羊", "海滨捕鱼", "路标", "骨骸", "食人鱼", "雪松", "雕像", "石矿",
    "树桩", "树A", "树B", "树C", "树D", "树E", "树F", "树G", "树H", "树I",
    "树J", "树K", "树L", "树TD", "金枪鱼", "火鸡", "野猪", "野马", "狼",
};
// clang-format on
// clang-format off
constexpr const char* kCombo10[] = {
    "靶场", "兵营", "铁匠铺", "炮塔", "城堡", "码头", "农田", "养鱼场",
    "增强城墙", "警戒塔", "房屋", "要塞", "伐木场", "市场", "磨坊",
    "矿物仓库", "修道院", "哨塔", "木栅栏", "攻城武器场", "马厩",
    "石头城墙", "城镇中心", "大学", "城墙", "了望塔", "奇观", "圆石",
    "诅咒之塔", "腐败之塔",
};
// clang-format on
// clang-format off
constexpr const char* kCombo11[] = {
    "重装弩手", "重装剑士", "隐藏狂战士", "特攻骑射手", "特攻轻骑兵",
    "特攻弓手", "特攻剑士", "间谍", "拿着遗迹的僧侣", "组装投石车",
    "组装城镇中心", "眼镜蛇车", "狂暴猴", "村民模型", "装饰古船", "舢板",
    "幽灵船", "古船", "登舰战船", "高塔墙", "港口", "海塔", "海墙",
};
// clang-format on
// clang-format off
constexpr const char* kCombo12[] = {
    "贼", "飞天神犬", "暴怒的狗", "碎石4×4", "金字塔碎石", "碎石8×8",
    "遗迹车队", "废弃渔网", "峭壁", "树桩1", "树桩2", "竹桩", "铁矿",
    "一堆食物", "一堆黄金", "一堆石矿", "一堆木头", "大量资源", "浅滩",
    "冰块",
};
// clang-format on

template <std::size_t N>
QStringList FromUtf8(const char *const (&names)[N])
{
    QStringList out;
    for (const char *name : names)
        out << QString::fromUtf8(name);
    return out;
}

QStringList HeroNames()
{
    QStringList out;
    for (const auto &row : HeroRows())
        out << row.first;
    return out;
}

} // namespace

const QVector<PickerCategory> &PickerCategories()
{
    // clang-format off
  static const QVector<PickerCategory> categories = {
      {QStringLiteral("Option1"), QT_TRANSLATE_NOOP("Quorlin", "兵营单位"), QStringLiteral("Combo1"),
       FromUtf8(kCombo1)},  // barracks units
      {QStringLiteral("Option2"), QT_TRANSLATE_NOOP("Quorlin", "靶场单位"), QStringLiteral("Combo2"),
       FromUtf8(kCombo2)},  // archery range units
      {QStringLiteral("Option3"), QT_TRANSLATE_NOOP("Quorlin", "马厩单位"), QStringLiteral("Combo3"),
       FromUtf8(kCombo3)},  // stable units
      {QStringLiteral("Option4"), QT_TRANSLATE_NOOP("Quorlin", "攻城器械"), QStringLiteral("Combo4"),
       FromUtf8(kCombo4)},  // siege weapons
      {QStringLiteral("Option5"), QT_TRANSLATE_NOOP("Quorlin", "其他单位"), QStringLiteral("Combo5"),
       FromUtf8(kCombo5)},  // other units
      {QStringLiteral("Option6"), QT_TRANSLATE_NOOP("Quorlin", "船坞单位"), QStringLiteral("Combo6"),
       FromUtf8(kCombo6)},  // dock units
      {QStringLiteral("Option7"), QT_TRANSLATE_NOOP("Quorlin", "特色兵种"), QStringLiteral("Combo7"),
       FromUtf8(kCombo7)},  // unique units
      {QStringLiteral("Option8"), QT_TRANSLATE_NOOP("Quorlin", "剧情单位"), QStringLiteral("Combo8"),
       FromUtf8(kCombo8)},  // scenario units
      {QStringLiteral("Option9"), QT_TRANSLATE_NOOP("Quorlin", "盖亚单位"), QStringLiteral("Combo9"),
       FromUtf8(kCombo9)},  // nature (gaia) units and objects
      {QStringLiteral("Option10"), QT_TRANSLATE_NOOP("Quorlin", "输入单位ID号"), QStringLiteral("Text1"),
       {}},  // enter a unit ID number
      {QStringLiteral("Option11"), QT_TRANSLATE_NOOP("Quorlin", "建筑物"), QStringLiteral("Combo10"),
       FromUtf8(kCombo10)},  // buildings
      {QStringLiteral("Option12"), QT_TRANSLATE_NOOP("Quorlin", "隐藏兵种"), QStringLiteral("Combo11"),
       FromUtf8(kCombo11)},  // hidden unit types
      {QStringLiteral("Option13"), QT_TRANSLATE_NOOP("Quorlin", "隐藏盖亚单位"), QStringLiteral("Combo12"),
       FromUtf8(kCombo12)},  // hidden nature units
      {QStringLiteral("Option14"), QT_TRANSLATE_NOOP("Quorlin", "英雄单位"), QStringLiteral("Combo13"),
       HeroNames()},  // hero units
  };
    // clang-format on
    return categories;
}

QStringList PickerChooserOrder()
{
    // Each option shows the chooser of the same position, so the option order
    // is also the order in which OK reads the choosers.
    QStringList order;
    for (const PickerCategory &category : PickerCategories())
        order << category.chooser;
    return order;
}

} // namespace quorlin
