// Terrain display names and the lists of the main window's list fields.
#pragma once

#include <QString>
#include <QStringList>

namespace quorlin {

// The script constant for a terrain display name. A name without a row
// (free text typed into an editable terrain field, an empty name, a name
// with stray blanks) comes back unchanged.
QString TerrainConst(const QString &displayName);

// The 28 terrain names in the order the terrain fields offer them.
const QStringList &TerrainList();

// "宽", "中", "窄" (wide, medium, narrow).
const QStringList &WidthList();

// The entries of the main window's list field `comboName` ("Combo1" to
// "Combo17"), in the order they are filled; empty for any other name.
QStringList ListEntries(const QString &comboName);

} // namespace quorlin
