// What a script asks of the map, as the preview engine reads it: the blocks of
// each generation phase with their attributes and the lines they came from.
// The engine works from this value alone, so it neither knows nor cares how
// the script text was read.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace quorlin::preview {

// One attribute inside a block, or one word at the top of a section:
// `land_percent 40` is {"land_percent", {"40"}}. Arguments come as text,
// worked out as the game reads them: numbers with #const names, rnd and
// arithmetic evaluated; terrains and objects by their built-in names, also
// when the script names them by number.
struct PlanAttribute {
    QString name;
    QStringList args;
    int line = 0;
};

// One command with its block: `create_terrain FOREST { ... }`.
struct PlanBlock {
    QString command;
    QStringList args;
    int line = 0;
    QVector<PlanAttribute> attributes;

    // The last attribute of that name, or nullptr.
    const PlanAttribute *find(const QString &name) const;
    bool has(const QString &name) const { return find(name) != nullptr; }
    // Argument `index` of the last attribute `name` as a whole number clamped
    // to [low, high]; `fallback` when absent or not a number.
    int number(const QString &name, int fallback, int low, int high, int index = 0) const;
    QString word(const QString &name, const QString &fallback = QString()) const;
};

// Something the preview leaves out (a word) or could not read (a message
// that says why), with its line; or, with `overCap`, that many blocks of the
// command `what` from that line on that the preview's cap left out.
struct Skipped {
    int line = 0;
    QString what;
    bool unread = false;
    int overCap = 0;
};

struct MapPlan {
    QString baseTerrain = QStringLiteral("GRASS"); // <LAND_GENERATION>'s base_terrain
    int baseTerrainLine = 0;                       // where base_terrain was written, 0 when it was not
    int side = 0;                                  // override_map_size: the map's side; 0 for the chosen size's
    int players = 2;                               // the players the script was read for
    QVector<int> teams;                            // their teams, as LobbyTeams numbers them (0: none)
    // The top-level words of each section written, one block per header
    // (`command` is the header; "" for words before the first) in the order
    // first written; a header written twice gathers the words of both.
    QVector<PlanBlock> sections;
    QVector<PlanBlock> lands;       // create_player_lands, create_land
    QVector<PlanBlock> elevations;  // create_elevation
    QVector<PlanBlock> terrains;    // create_terrain
    QVector<PlanBlock> connections; // create_connect_*
    QVector<PlanBlock> objects;     // create_object
    QVector<Skipped> skipped;       // found while reading the script

    // The section of that header, or nullptr when the script has none.
    const PlanBlock *section(const QString &header) const;
};

} // namespace quorlin::preview
