#include "names/object_names.h"

namespace quorlin {
namespace {

struct HeroRow {
    const char *name;
    const char *constant;
};

// The hero group, in the order the unit picker lists it. "·" is U+00B7.
// clang-format off
constexpr HeroRow kHeroRows[] = {
    {"李舜臣", "ADMIRAL_YI_SUN_SHIN"},
    {"埃塞尔弗里斯", "AETHELFIRTH"},
    {"大主教", "ARCHBISHOP"},
    {"神弓手", "ARCHERS_OF_THE_EYES"},
    {"阿提拉", "ATTILA_THE_HUN"},
    {"坏邻居", "BAD_NEIGHBOR"},
    {"坏邻居(打包)", "BAD_NEIGHBOR_PACKED"},
    {"贝利萨留", "BELISARIUS"},
    {"查理曼", "CHARLEMAGNE"},
    {"查理·马特", "CHARLES_MARTEL"},
    {"里什蒙元帅", "CONSTABLE_RICHEMONT"},
    {"阿朗松公爵", "DUKE_D_ALENCON"},
    {"熙德", "EL_CID"},
    {"熙德·坎佩阿多尔", "EL_CID_CAMPEADOR"},
    {"装在桶里的皇帝", "EMPEROR_IN_A_BARREL"},
    {"红发埃里克", "ERIK_THE_RED"},
    {"法兰克游侠", "FRANKISH_PALADIN"},
    {"塔克修士", "FRIAR_TUCK"},
    {"高文", "GAWAIN"},
    {"成吉思汗", "GENGHIS_KHAN"},
    {"神之弓", "GODS_OWN_SLING"},
    {"神之弓(打包)", "GODS_OWN_SLING_PACKED"},
    {"居伊·若瑟兰", "GUY_JOSSELYNE"},
    {"亨利五世", "HENRY_V"},
    {"步行者罗洛", "HROLF_THE_GANGER"},
    {"猎狼", "HUNTING_WOLF"},
    {"阿訇", "IMAM"},
    {"让·比罗", "JEAN_BUREAU"},
    {"让·德·洛林", "JEAN_DE_LORRAIN"},
    {"贞德", "JOAN_OF_ARC"},
    {"少女贞德", "JOAN_THE_MAID"},
    {"阿方索国王", "KING_ALFONSO"},
    {"亚瑟王", "KING_ARTHUR"},
    {"桑乔国王", "KING_SANCHO"},
    {"北畠", "KITABATAKE"},
    {"屈出律", "KUSHLUK"},
    {"拉海尔", "LA_HIRE"},
    {"兰斯洛特", "LANCELOT"},
    {"格拉维尔勋爵", "LORD_DE_GRAVILLE"},
    {"神庙住持", "MASTER_OF_THE_TEMPLAR"},
    {"源赖朝", "MINAMOTO"},
    {"莫德雷德", "MORDRED"},
    {"织田信长", "NOBUNAGA"},
    {"狼王奥恩卢", "ORNLU_THE_WOLF"},
    {"教皇利奥一世", "POPE_LEO_I"},
    {"沙蒂永的雷纳德", "REYNALD_DE_CHATILLON"},
    {"狮心王理查", "RICHARD_THE_LIONHARTED"},
    {"罗宾汉", "ROBIN_HOOD"},
    {"罗兰", "ROLAND"},
    {"英雄破坏者", "SABOTEUR"},
    {"斯基台骑兵", "SCYTHIAN_SCOUT"},
    {"斯基台人", "SCYTHIAN_WILD_WOMAN"},
    {"沙阿", "SHAH"},
    {"诺丁汉郡长", "SHERIFF_OF_NOTTINGHAM"},
    {"齐格弗里德", "SIEGFRIED"},
    {"贝特朗大人", "SIEUR_BERTRAND"},
    {"德梅斯大人", "SIEUR_DE_METZ"},
    {"约翰·法斯塔夫爵士", "SIR_JOHN_FASTOLF"},
    {"速不台", "SUBOTAI"},
    {"帖木儿", "TAMERLANE"},
    {"黑太子", "THE_BLACK_PRINCE"},
    {"哥特人狄奥多里克", "THEODORIC_THE_GOTH"},
    {"征服者威廉", "WILLIAM_THE_CONQUEROR"},
    {"亚历山大·涅夫斯基", "WILLIAM_THE_CONQUEROR2"},
    {"威廉·华莱士", "WILLIAM_WALLACE"},
};
// clang-format on

} // namespace

const QVector<QPair<QString, QString>> &HeroRows()
{
    static const QVector<QPair<QString, QString>> rows = [] {
        QVector<QPair<QString, QString>> out;
        out.reserve(int(sizeof kHeroRows / sizeof kHeroRows[0]));
        for (const HeroRow &row : kHeroRows)
            out.append({QString::fromUtf8(row.name), QString::fromLatin1(row.constant)});
        return out;
    }();
    return rows;
}

} // namespace quorlin
