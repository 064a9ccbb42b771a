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

// The most teams a lobby has.
constexpr int kMaxTeams = 4;

// `players` in lobby order split into `count` teams as evenly as can be,
// team-mates next to each other (4 players in 2 teams: 1, 1, 2, 2); none
// for fewer than 2 teams.
QVector<int> EvenTeams(int players, int count);

} // namespace quorlin::preview
