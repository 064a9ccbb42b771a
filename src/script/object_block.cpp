#include "script/object_block.h"

#include "core/numbers.h"
#include "names/object_names.h"
#include "script/script_text.h"

namespace quorlin {

namespace {

QString ValueLine(const char *keyword, double value) { return KeywordLine(keyword, PlainDecimal(value)); }

} // namespace

QString MakeObjectBlock(const QString &name, const ObjectArgs &a, qint64 &xn)
{
    QString block;
    if (IsUnitNumber(name)) {
        ++xn;
        const QString constant = QStringLiteral("X") + QString::number(xn);
        // The number without the blanks it was typed with: "1 2" counts as 12,
        // and a blank inside the #const line would break the script.
        block = QStringLiteral("#const  ") + constant + QStringLiteral("  ") + StripBlanks(name) + En()
                + QStringLiteral("create_object  ") + constant;
    } else {
        block = QStringLiteral("create_object  ") + ObjectConst(name);
    }
    block += QStringLiteral(" /* 添加单位：") + name + QStringLiteral(" */") + En() + QStringLiteral("{") + En();

    if (a.a1 > 0)
        block += ValueLine("number_of_objects", a.a1);
    if (a.a11 > 0)
        block += ValueLine("number_of_groups", a.a11);
    if (a.a2 > 0 && a.a11 > 0)
        block += ValueLine("group_variance", a.a2);
    if (a.a3 >= 0)
        block += ValueLine("min_distance_to_players", a.a3);
    if (a.a4 >= 0)
        block += ValueLine("max_distance_to_players", a.a4);
    if (a.a5 >= 0)
        block += ValueLine("group_placement_radius", a.a5);
    if (a.a6 == QStringLiteral("紧"))
        block += FlagLine("set_tight_grouping");
    if (a.a6 == QStringLiteral("松"))
        block += FlagLine("set_loose_grouping");
    if (a.a7 == 1)
        block += FlagLine("set_place_for_every_player");
    if (a.a8 == 1)
        block += FlagLine("set_gaia_object_only");
    if (a.a9 >= 0)
        block += ValueLine("min_distance_group_placement", a.a9);
    if (a.a10 >= 0)
        block += ValueLine("max_distance_to_other_zones", a.a10);
    if (a.a12 > 0)
        block += ValueLine("place_on_specific_land_id", a.a12);

    block += a.a13 + En() + QStringLiteral("}") + En() + En();
    return block;
}

} // namespace quorlin
