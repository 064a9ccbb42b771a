#include "core/rules.h"

namespace quorlin {

const QVector<DependantRule> &EnableRules()
{
    // clang-format off
    static const QVector<DependantRule> rules = {
        {"Check33", {"Frame2"}},
        {"Check1", {"Combo3"}},
        {"Check34", {"Combo16"}},
        {"Check35", {"Text16"}},
        {"Check36", {"Combo17"}},
        {"Check32", {"Text3", "Text4"}},
        {"Check4", {"Text5"}},
        {"Check5", {"Option11", "Option12"}},
        {"Check37", {"Text17"}},
    };
    // clang-format on
    return rules;
}

const QVector<DependantRule> &ShowRules()
{
    // clang-format off
    static const QVector<DependantRule> rules = {
        {"Check23", {"Frame10"}},
        {"Check24", {"Frame11"}},
        {"Check25", {"Frame12"}},
        {"Check26", {"Frame15"}},
        {"Check27", {"Frame16"}},
        {"Check28", {"Frame18"}},
        {"Check29", {"Frame19"}},
    };
    // clang-format on
    return rules;
}

const QVector<ExclusivePair> &ExclusivePairs()
{
    // clang-format off
    static const QVector<ExclusivePair> pairs = {
        {"Check12", "Check13"},
        {"Check14", "Check15"},
        {"Check17", "Check18"},
        {"Check20", "Check21"},
    };
    // clang-format on
    return pairs;
}

const QVector<ValueLabelRule> &ValueLabels()
{
    // clang-format off
    static const QVector<ValueLabelRule> labels = {
        {"Slider1", "Label4", true},   {"Slider2", "Label6", false},
        {"Slider4", "Label12", false}, {"Slider6", "Label20", true},
        {"Slider7", "Label22", true},  {"Slider10", "Label67", false},
        {"Slider12", "Label72", false}, {"Slider13", "Label71", true},
    };
    // clang-format on
    return labels;
}

const QVector<SwapRule> &SwapRules()
{
    static const QVector<SwapRule> rules = {
        {"Option5", "Combo4", "Combo5"},
    };
    return rules;
}

} // namespace quorlin
