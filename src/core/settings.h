#pragma once

#include "core/controls.h"

#include <QString>
#include <QVector>

#include <initializer_list>

namespace quorlin {

// The values of every setting of pages 0 to 4, with the reactions that tie them
// together. Values set here by any caller (the user, a reset, restore defaults,
// a draft) run the same reactions; the enabled and shown states and the value
// labels are derived from the current values, so they can never disagree.
class Settings {
public:
    Settings();

    bool has(const QString &name) const { return FindControl(name) != nullptr; }

    int check(const QString &name) const;
    bool option(const QString &name) const;
    int slider(const QString &name) const;
    QString text(const QString &name) const;
    // The rules count a grey box as ticked; the script writers count only 1.
    bool ticked(const QString &name) const { return check(name) != 0; }
    bool isOne(const QString &name) const { return check(name) == 1; }

    // Typed setters; each returns false (and changes nothing) when the control
    // does not exist, is of another kind, or refuses the value.
    bool setCheck(const QString &name, int value);
    bool setOption(const QString &name, bool on);
    bool setSlider(const QString &name, int value);
    bool setText(const QString &name, const QString &value);

    // Puts a control back to its start-up value from the control table,
    // through the typed setter, so its reaction runs as for a user's change.
    // Any option button of a group chooses the group's start-up button again.
    // False for a name that is no control.
    bool reset(const QString &name);
    // Puts the controls back one after another in the order given: where a
    // reaction reads another control, the order decides what it sees.
    void reset(std::initializer_list<const char *> names);

    // Sets any control from its textual form ("1", "true", "35", free text).
    // On refusal returns a message naming the control and changes nothing.
    QString setFromString(const QString &name, const QString &value);
    // The textual form of the control's value, as setFromString takes it.
    QString toString(const QString &name) const;

    // Derived states of dependants (frames, fields, labels). A control without
    // a rule is always enabled and shown.
    bool isEnabled(const QString &name) const;
    bool isVisible(const QString &name) const;
    // Caption of a value label (Label4, Label6, ...), or an empty string.
    QString valueLabel(const QString &label) const;

    // Bumped on every change; lets views and tests notice changes cheaply.
    quint64 revision() const { return revision_; }

    // Same values in every control (the revision does not count).
    bool operator==(const Settings &o) const { return values_ == o.values_; }
    bool operator!=(const Settings &o) const { return !(*this == o); }
    // Takes every value of `o` at once, as undo puts a whole state back.
    void assignValues(const Settings &o)
    {
        values_ = o.values_;
        ++revision_;
    }

private:
    struct Value {
        int number = 0;
        bool on = false;
        QString text;
        bool operator==(const Value &o) const { return number == o.number && on == o.on && text == o.text; }
    };
    static Value startValue(const ControlDef &def);
    Value *find(const QString &name, ControlKind kind);
    const Value *find(const QString &name, ControlKind kind) const;
    void exclusivePairRule(const QString &changed);

    QVector<Value> values_;
    quint64 revision_ = 0;
};

} // namespace quorlin
