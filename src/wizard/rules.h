#pragma once

#include <QStringList>
#include <QVector>

namespace quorlin {

// A check box that enables (or shows) other controls while it is ticked.
struct DependantRule {
    const char *trigger;
    QStringList dependants;
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

// The terrain editor shows the land list or the forest list by its option.
struct SwapRule {
    const char *option;
    const char *shown;
};
const QVector<SwapRule> &SwapRules();

} // namespace quorlin
