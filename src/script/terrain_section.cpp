#include "core/item_store.h"
#include "core/settings.h"
#include "script/sections.h"

namespace quorlin {

namespace {

const char *const kWaterNames[] = {"", "WATER", "MED_WATER", "DEEP_WATER"};

struct MixedWater {
    int top, base, clumps, spacing, percent;
};

// Patches of deeper and shallower water that mottle every water body.
const MixedWater kMixedWater[] = {
    {2, 1, 10, 2, 40}, {2, 1, 30, 1, 1}, {3, 2, 8, 3, 20}, {3, 2, 30, 1, 1}, {2, 3, 30, 1, 1}, {1, 2, 30, 1, 1},
};

QString WaterName(int code) { return code >= 1 && code <= 3 ? QString::fromLatin1(kWaterNames[code]) : QString(); }

} // namespace

// Unlike every other block of the script, these keywords take a single space.
QString MixedWaterBlock(int top, int base, int clumps, int spacing, int percent)
{
    const QString &en = En();
    return QStringLiteral("create_terrain ") + WaterName(top) + en + QStringLiteral("{") + en
           + QStringLiteral("base_terrain ") + WaterName(base) + en + QStringLiteral("number_of_clumps ")
           + QString::number(clumps) + en + QStringLiteral("spacing_to_other_terrain_types ") + QString::number(spacing)
           + en + QStringLiteral("land_percent ") + QString::number(percent) + en + QStringLiteral("}") + en + en;
}

QString TerrainSection(const Settings &s, const ItemStore &terrains)
{
    const QString &en = En();
    const QString added = terrains.blocks().join(QString());
    const bool mixedWater = s.isOne(QStringLiteral("Check30"));
    if (added.isEmpty() && !mixedWater)
        return QString();
    QString terrain =
        QStringLiteral("<TERRAIN_GENERATION>") + en + QStringLiteral("/* 地形设置 */") + en + en + added + en;
    if (mixedWater) {
        terrain += QStringLiteral("/* 混合水域 */") + en;
        for (const MixedWater &w : kMixedWater)
            terrain += MixedWaterBlock(w.top, w.base, w.clumps, w.spacing, w.percent);
    }
    return terrain + en;
}

} // namespace quorlin
