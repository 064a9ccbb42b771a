#pragma once

#include "core/item_store.h"
#include "core/refusal.h"

#include <QString>
#include <optional>

namespace quorlin {

class Settings;

// The three add editors. Each builds a block from its frame's settings, stores
// it with its list line and puts the frame back to its defaults; a refused add
// changes nothing.
std::optional<Refusal> AddLand(Settings &settings, ItemStore &lands);
std::optional<Refusal> AddTerrain(Settings &settings, ItemStore &terrains);
std::optional<Refusal> AddUnit(Settings &settings, ItemStore &units, qint64 &xn);

void ResetLandPage(Settings &settings);
void ResetTerrainPage(Settings &settings);
void ResetUnitPage(Settings &settings);

} // namespace quorlin
