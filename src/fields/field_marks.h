// What the script will hold for each field a designer types into, and where
// that differs from what the text says. The script's words come from the very
// builders that write the script, so a mark can never tell another story.
#pragma once

#include <QString>
#include <QVector>

namespace quorlin {

class Settings;

struct FieldMark {
    QString field;   // the control ("Text6")
    QString problem; // why the script holds something other than the text says; empty when it does not
    QString held;    // the field's script line as it will stand, or empty when the script leaves it out
    QString tip;     // what the field's tooltip says: the problem and the line (a unit's constant even unmarked)
    bool marked() const { return !problem.isEmpty(); }
};

// Whether the marks judge this control.
bool IsJudgedField(const QString &name);

// The judged fields the script reads now (shown, enabled, in an open frame),
// each with its mark; `xn` is the running number of unit constants.
QVector<FieldMark> JudgeFields(const Settings &settings, qint64 xn);

// A unit type as the picker hands it on ("黄金", "12", "xyz-12").
FieldMark JudgeUnit(const QString &name);

// For the status line after a successful add: what went in where the fields
// the add's block reads were marked, from the settings before the add; empty
// when nothing was marked or `button` is no add button.
QString AddNote(const Settings &settingsBeforeAdd, qint64 xn, const QString &button);

} // namespace quorlin
