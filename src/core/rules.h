#pragma once

#include <QStringList>
#include <QVector>

namespace quorlin {

// A check box that enables (or shows) other controls while it is ticked. A
// field's label is not listed: the window lets it follow its field.
struct DependantRule {
    const char *trigger;
    QVector<const char *> dependants;
};

struct ExclusivePair {
    const char *first;
    const char *second;
};

struct ValueLabelRule {
    const char *slider;
    const char *label;
    bool percent;
};

const QVector<DependantRule> &EnableRules();
const QVector<DependantRule> &ShowRules();
const QVector<ExclusivePair> &ExclusivePairs();
const QVector<ValueLabelRule> &ValueLabels();

// The terrain editor shows the land list while its option is chosen and the
// forest list otherwise, which is also the list an add reads.
struct SwapRule {
    const char *option;
    const char *shownWhenChosen;
    const char *shownOtherwise;
};
const QVector<SwapRule> &SwapRules();

} // namespace quorlin
