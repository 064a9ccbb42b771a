// The script text that holds the fields' lines, built by the script's own
// builders from the current settings, and the lines found in it.
#pragma once

#include <QString>
#include <QStringList>

namespace quorlin {

class Settings;

// The builders whose text holds a field: the land section (with no added
// land), the block each add button would build now, and the elevation, cliff
// and connection sections.
enum class Held { LandSection, LandBlock, TerrainBlock, UnitBlock, Sections };

// One line of script: its words up to any comment, the first being the keyword.
struct HeldLine {
    QString text;      // the line as it will stand, without its comment; empty when not written
    QStringList words; // the words after the keyword
    bool written() const { return !text.isEmpty(); }
    QString word(int i) const { return words.value(i); }
};

class HeldScript {
public:
    HeldScript(const Settings &settings, qint64 xn);

    // The first line of `source` that starts with `keyword`.
    HeldLine line(Held source, const char *keyword) const;
    // The "#const NAME value" line that defines `name`; words are NAME and the value.
    HeldLine constantLine(Held source, const QString &name) const;

private:
    HeldLine find(Held source, const QString &keyword, const QString &second) const;

    QString texts_[5];
};

} // namespace quorlin
