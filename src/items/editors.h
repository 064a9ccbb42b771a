#pragma once

#include "items/item_store.h"
#include "wizard/dialogs.h"

#include <QString>
#include <optional>

namespace quorlin {

class Settings;

// Why an add was refused; shown to the user as a message box.
struct Refusal {
    QString title;
    QString text;
    MessageIcon icon;
};

// The three add editors. Each builds a block from its frame's settings, stores
// it with its list line and puts the frame back to its defaults; a refused add
// changes nothing.
std::optional<Refusal> AddLand(Settings &settings, ItemStore &lands);
std::optional<Refusal> AddTerrain(Settings &settings, ItemStore &terrains);
std::optional<Refusal> AddUnit(Settings &settings, ItemStore &units, qint64 &xn);

// The block texts, without storing anything.
QString LandBlock(const Settings &settings);
QString TerrainBlock(const Settings &settings);

// The height_limits line of a terrain block for the two height fields, or an
// empty string when both are empty. Each value is rounded half to even and the
// smaller comes first.
QString HeightLimitsLine(const QString &from, const QString &to);

void ResetLandPage(Settings &settings);
void ResetTerrainPage(Settings &settings);
void ResetUnitPage(Settings &settings);

// Border widths (left, right, top, bottom) by width word; unknown words give 0.
struct Borders {
    int left, right, top, bottom;
};
Borders BordersFor(const QString &width);

} // namespace quorlin
