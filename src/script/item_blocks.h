#pragma once

#include <QString>

namespace quorlin {

class Settings;

// The block texts of an added land and an added terrain, from their editors' settings.
QString LandBlock(const Settings &settings);
QString TerrainBlock(const Settings &settings);

// The terrain the terrain editor adds: from the land list while "土地" is
// chosen, else from the forest list.
QString ChosenTerrain(const Settings &settings);

// The height_limits line of a terrain block for the two height fields, or an
// empty string when both are empty. Each value is rounded half to even and the
// smaller comes first.
QString HeightLimitsLine(const QString &from, const QString &to);

// Border widths (left, right, top, bottom) by width word; unknown words give 0.
struct Borders {
    int left, right, top, bottom;
};
Borders BordersFor(const QString &width);

} // namespace quorlin
