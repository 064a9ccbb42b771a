#pragma once

#include "core/item_store.h"
#include "core/outcome.h"
#include "script/object_block.h"

#include <QString>

namespace quorlin {

class Settings;

// The three add editors. Each builds a block from its frame's settings, stores
// it with its list line and puts the frame back to its defaults; a refused add
// says why in its outcome and changes nothing.
Outcome AddLand(Settings &settings, ItemStore &lands);
Outcome AddTerrain(Settings &settings, ItemStore &terrains);
Outcome AddUnit(Settings &settings, ItemStore &units, qint64 &xn);

// The arguments of the block the unit editor adds, read from its fields.
ObjectArgs UnitArgs(const Settings &settings);

void ResetLandPage(Settings &settings);
void ResetTerrainPage(Settings &settings);
void ResetUnitPage(Settings &settings);

} // namespace quorlin
