// Object display names (units, buildings, gaia objects) and their script
// constants.
#pragma once

#include <QPair>
#include <QString>
#include <QVector>

namespace quorlin {

// (display name, constant) pairs.
using NameRows = QVector<QPair<QString, QString>>;

// The script constant for an object display name:
//  1. a leading "精锐" (elite) is cut off and remembered;
//  2. every "蒙古包" (yurt) becomes "YURT", then every "YURT1" becomes "YURT";
//  3. the rest is looked up in ObjectRows(); without a row it stays as is;
//  4. an elite name gets "ELITE_" in front, row or not.
// Unit numbers and other unlisted text pass through unchanged.
QString ObjectConst(const QString &displayName);

// The whole object table in lookup order, hero group last. No key occurs
// twice.
const NameRows &ObjectRows();

// The hero group, in the order the unit picker offers it.
const NameRows &HeroRows();

} // namespace quorlin
