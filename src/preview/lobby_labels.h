// The labels that a script's `if` finds true for what the lobby chose: the
// map's size on both scales of labels, the number of players and of teams,
// each team's size and each player's team, and the standard game.
#pragma once

#include "preview/preview_result.h"

#include <QSet>

namespace quorlin::preview {

QSet<QString> LobbyLabels(const PreviewOptions &options);

// Each player's team as the labels number them: teams of two or more, 1 to 4
// in the order their first player stands in the lobby; 0 for a player
// without one.
QVector<int> LobbyTeams(const PreviewOptions &options);

} // namespace quorlin::preview
