// What a search in the unit picker may match for each entry besides its
// display name: its script constant, and the everyday names people use.
#pragma once

#include <QString>
#include <QStringList>

namespace quorlin {

// The other names of a display name ("金矿" for "黄金"); empty for most.
QStringList OtherNames(const QString &displayName);

// The texts a search may find an entry by: its display name, its script
// constant, the constant's words apart ("FISH TRAP") and its other names.
QStringList SearchKeys(const QString &displayName);

// Whether a search for `query` finds the entry: a key contains the query,
// letters in either case, blanks at either end ignored. An empty query finds nothing.
bool SearchFinds(const QString &displayName, const QString &query);

} // namespace quorlin
