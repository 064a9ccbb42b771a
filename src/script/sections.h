#pragma once

#include "script/script_text.h"

#include <QString>

namespace quorlin {

class Settings;
class ItemStore;

// The section builders, each reading the current settings; an empty result
// means the script has no such section.
QString HiddenConstants();
QString LandSection(const Settings &settings, const ItemStore &lands);
QString TerrainSection(const Settings &settings, const ItemStore &terrains);
QString ObjectsSection(const Settings &settings, const ItemStore &units);
QString ElevationCliffConnectionSections(const Settings &settings);

// The pieces of the connection section.
QString ReplaceTerrainLine(const QString &from, const QString &to);
QString TerrainCostLine(const QString &terrain, int cost);
QString TerrainSizeLine(const QString &terrain, int size, int variance);
QString WaterReplaceBlock(bool shallow, const QString &width);
QString LandReplaceBlock(const QString &road, const QString &width);

// One mottling block of the mixed water; water codes 1 shallow, 2 medium, 3 deep.
QString MixedWaterBlock(int top, int base, int clumps, int spacing, int percent);

} // namespace quorlin
