#include "core/settings.h"

#include "core/rules.h"
#include "names/terrain_names.h"

namespace quorlin {

namespace {

const DependantRule *RuleFor(const QVector<DependantRule> &rules, const QString &dependant)
{
    for (const DependantRule &rule : rules)
        for (const char *name : rule.dependants)
            if (dependant == QLatin1String(name))
                return &rule;
    return nullptr;
}

bool ParseWhole(const QString &text, int *out)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (ok)
        *out = v;
    return ok;
}

} // namespace

Settings::Settings()
{
    const auto &table = ControlTable();
    values_.resize(table.size());
    // No reaction runs here: the table's start-up states already agree with
    // every trigger's value.
    for (int i = 0; i < table.size(); ++i)
        values_[i] = startValue(table[i]);
}

Settings::Value Settings::startValue(const ControlDef &def)
{
    Value v;
    v.number = def.defaultNumber;
    v.on = def.kind == ControlKind::Option && def.defaultNumber == 1;
    v.text = QString::fromUtf8(def.defaultText);
    return v;
}

bool Settings::reset(const QString &name)
{
    const ControlDef *def = FindControl(name);
    if (!def)
        return false;
    const Value start = startValue(*def);
    switch (def->kind) {
    case ControlKind::Check: return setCheck(name, start.number);
    case ControlKind::Slider: return setSlider(name, start.number);
    case ControlKind::Option:
        // Clearing a button alone would leave its group with none chosen.
        for (const QString &member : OptionGroup(name))
            if (startValue(*FindControl(member)).on)
                return setOption(member, true);
        return false;
    case ControlKind::Text:
    case ControlKind::EditableList:
    case ControlKind::ClosedList:
    case ControlKind::Display: return setText(name, start.text);
    }
    return false;
}

void Settings::reset(std::initializer_list<const char *> names)
{
    for (const char *name : names)
        reset(QString::fromLatin1(name));
}

Settings::Value *Settings::find(const QString &name, ControlKind kind)
{
    const ControlDef *def = FindControl(name);
    if (!def)
        return nullptr;
    const bool textual = kind == ControlKind::Text;
    const bool isText = def->kind == ControlKind::Text || def->kind == ControlKind::EditableList
                        || def->kind == ControlKind::ClosedList || def->kind == ControlKind::Display;
    if (textual ? !isText : def->kind != kind)
        return nullptr;
    return &values_[int(def - ControlTable().constData())];
}

const Settings::Value *Settings::find(const QString &name, ControlKind kind) const
{
    return const_cast<Settings *>(this)->find(name, kind);
}

int Settings::check(const QString &name) const
{
    const Value *v = find(name, ControlKind::Check);
    return v ? v->number : 0;
}

bool Settings::option(const QString &name) const
{
    const Value *v = find(name, ControlKind::Option);
    return v && v->on;
}

int Settings::slider(const QString &name) const
{
    const Value *v = find(name, ControlKind::Slider);
    return v ? v->number : 0;
}

QString Settings::text(const QString &name) const
{
    const Value *v = find(name, ControlKind::Text);
    return v ? v->text : QString();
}

bool Settings::setCheck(const QString &name, int value)
{
    Value *v = find(name, ControlKind::Check);
    if (!v || value < 0 || value > 2)
        return false;
    if (v->number == value)
        return true;
    v->number = value;
    ++revision_;
    exclusivePairRule(name);
    return true;
}

void Settings::exclusivePairRule(const QString &changed)
{
    // Only the value 1 counts here: a grey box (2) neither clears nor is cleared.
    for (const ExclusivePair &pair : ExclusivePairs()) {
        const QString first = QString::fromLatin1(pair.first);
        const QString second = QString::fromLatin1(pair.second);
        if (changed != first && changed != second)
            continue;
        if (check(first) == 1 && check(second) == 1)
            setCheck(changed == first ? second : first, 0);
    }
}

bool Settings::setOption(const QString &name, bool on)
{
    Value *v = find(name, ControlKind::Option);
    if (!v)
        return false;
    if (on) {
        for (const QString &member : OptionGroup(name)) {
            Value *other = find(member, ControlKind::Option);
            if (other != v && other->on) {
                other->on = false;
                ++revision_;
            }
        }
    }
    if (v->on != on) {
        v->on = on;
        ++revision_;
    }
    return true;
}

bool Settings::setSlider(const QString &name, int value)
{
    Value *v = find(name, ControlKind::Slider);
    if (!v)
        return false;
    const ControlDef *def = FindControl(name);
    if (value < def->min || value > def->max)
        return false;
    if (v->number != value) {
        v->number = value;
        ++revision_;
    }
    return true;
}

bool Settings::setText(const QString &name, const QString &value)
{
    Value *v = find(name, ControlKind::Text);
    if (!v)
        return false;
    const ControlDef *def = FindControl(name);
    if (def->kind == ControlKind::ClosedList && !value.isEmpty() && !ListEntries(name).contains(value))
        return false;
    if (v->text != value) {
        v->text = value;
        ++revision_;
    }
    return true;
}

QString Settings::setFromString(const QString &name, const QString &value)
{
    const ControlDef *def = FindControl(name);
    if (!def)
        return QStringLiteral("%1: no such control").arg(name);
    int number = 0;
    switch (def->kind) {
    case ControlKind::Check:
        if (!ParseWhole(value, &number) || !setCheck(name, number))
            return QStringLiteral("%1: a check box takes 0, 1 or 2, not \"%2\"").arg(name, value);
        return QString();
    case ControlKind::Option:
        if (value != QLatin1String("true") && value != QLatin1String("false"))
            return QStringLiteral("%1: an option button takes true or false, not \"%2\"").arg(name, value);
        setOption(name, value == QLatin1String("true"));
        return QString();
    case ControlKind::Slider:
        if (!ParseWhole(value, &number) || !setSlider(name, number))
            return QStringLiteral("%1: a slider takes a whole number from %2 to %3, not \"%4\"")
                .arg(name)
                .arg(def->min)
                .arg(def->max)
                .arg(value);
        return QString();
    case ControlKind::ClosedList:
        if (!setText(name, value))
            return QStringLiteral("%1: \"%2\" is not one of its entries (%3)")
                .arg(name, value, ListEntries(name).join(QLatin1Char(' ')));
        return QString();
    case ControlKind::Text:
    case ControlKind::EditableList:
    case ControlKind::Display: setText(name, value); return QString();
    }
    return QString();
}

QString Settings::toString(const QString &name) const
{
    const ControlDef *def = FindControl(name);
    if (!def)
        return QString();
    switch (def->kind) {
    case ControlKind::Check: return QString::number(check(name));
    case ControlKind::Slider: return QString::number(slider(name));
    case ControlKind::Option: return option(name) ? QStringLiteral("true") : QStringLiteral("false");
    default: return text(name);
    }
}

bool Settings::isEnabled(const QString &name) const
{
    const DependantRule *rule = RuleFor(EnableRules(), name);
    return !rule || ticked(QString::fromLatin1(rule->trigger));
}

bool Settings::isVisible(const QString &name) const
{
    if (const DependantRule *rule = RuleFor(ShowRules(), name))
        return ticked(QString::fromLatin1(rule->trigger));
    for (const SwapRule &swap : SwapRules()) {
        const bool chosen = option(QString::fromLatin1(swap.option));
        if (name == QLatin1String(swap.shownWhenChosen))
            return chosen;
        if (name == QLatin1String(swap.shownOtherwise))
            return !chosen;
    }
    return true;
}

QString Settings::valueLabel(const QString &label) const
{
    for (const ValueLabelRule &rule : ValueLabels()) {
        if (label != QLatin1String(rule.label))
            continue;
        const QString digits = QString::number(slider(QString::fromLatin1(rule.slider)));
        return rule.percent ? digits + QLatin1Char('%') : digits;
    }
    return QString();
}

} // namespace quorlin
