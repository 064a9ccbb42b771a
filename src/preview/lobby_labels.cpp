#include "preview/lobby_labels.h"

#include "preview/map_sizes.h"

namespace quorlin::preview {

namespace {

// What the preview takes the rest of the lobby to be: the plain random-map
// game with standard resources from the dark age, team-mates placed side by
// side (as the players' circle always places them).
const char *const kStandardGame[] = {"RANDOM_MAP", "DEFAULT_RESOURCES", "DARK_AGE_START", "FIXED_POSITIONS",
                                     "TEAM_POSITIONS"};

} // namespace

QVector<int> LobbyTeams(const PreviewOptions &options)
{
    const int players = qBound(1, options.players, 8);
    QVector<int> members(kMaxTeams + 1, 0);
    for (int p = 0; p < players; ++p)
        ++members[qBound(0, options.teams.value(p), kMaxTeams)];
    QVector<int> number(kMaxTeams + 1, 0); // lobby team -> label team
    QVector<int> teams(players, 0);
    int next = 0;
    for (int p = 0; p < players; ++p) {
        const int chosen = qBound(0, options.teams.value(p), kMaxTeams);
        if (chosen == 0 || members[chosen] < 2)
            continue;
        if (number[chosen] == 0)
            number[chosen] = ++next;
        teams[p] = number[chosen];
    }
    return teams;
}

QVector<int> EvenTeams(int players, int count)
{
    QVector<int> teams;
    count = qBound(1, count, kMaxTeams);
    for (int p = 0; count > 1 && p < players; ++p)
        teams << p * count / players + 1;
    return teams;
}

QSet<QString> LobbyLabels(const PreviewOptions &options)
{
    QSet<QString> labels;
    const MapSize &size = MapSizes().value(options.sizeIndex, MapSizes().first());
    labels << QString::fromLatin1(size.label) << QString::fromLatin1(size.newer);
    for (const char *label : kStandardGame)
        labels << QString::fromLatin1(label);

    const QVector<int> teams = LobbyTeams(options);
    QVector<int> sizes(kMaxTeams + 1, 0); // index 0: the players without a team
    for (int p = 0; p < teams.size(); ++p) {
        ++sizes[teams[p]];
        labels << QStringLiteral("PLAYER%1_TEAM%2").arg(p + 1).arg(teams[p]);
    }
    labels << QStringLiteral("%1_PLAYER_GAME").arg(teams.size());
    labels << QStringLiteral("%1_TEAM_GAME").arg(std::count_if(sizes.begin() + 1, sizes.end(), [](int n) {
        return n > 0;
    }));
    for (int team = 0; team <= kMaxTeams; ++team)
        labels << QStringLiteral("TEAM%1_SIZE%2").arg(team).arg(sizes[team]);
    return labels;
}

} // namespace quorlin::preview
