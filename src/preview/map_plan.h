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
// `land_percent 40` is {"land_percent", {"40"}}. Numbers come as text, with
// named constants already put in their place.
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
// that says why), with its line.
struct Skipped {
    int line = 0;
    QString what;
    bool unread = false;
};

struct MapPlan {
    QString baseTerrain = QStringLiteral("GRASS");
    int baseTerrainLine = 0;       // where base_terrain was written, 0 when it was not
    QVector<PlanBlock> lands;      // create_player_lands, create_land
    QVector<PlanBlock> elevations; // create_elevation
    bool hasCliffs = false;        // a <CLIFF_GENERATION> section was written
    PlanBlock cliffs{QStringLiteral("<CLIFF_GENERATION>"), {}, 0, {}}; // its top-level words as attributes
    QVector<PlanBlock> terrains;                                       // create_terrain
    QVector<PlanBlock> connections;                                    // create_connect_*
    QVector<PlanBlock> objects;                                        // create_object
    QVector<Skipped> skipped;                                          // found while reading the script
};

} // namespace quorlin::preview
