#pragma once

#include <QString>
#include <QStringList>

namespace quorlin {

// The kinds of setting a control of the settings pages can hold.
enum class ControlKind {
    Check,        // 0 clear, 1 ticked, 2 grey (grey only arrives from drafts)
    Option,       // true/false; choosing one clears the rest of its group
    Slider,       // whole number from min to max
    Text,         // free text
    EditableList, // free text with a list of suggestions
    ClosedList,   // one of its entries, or empty
    Display,      // a caption set by the program (the chosen unit type)
};

struct ControlDef {
    const char *name;
    const char *meaning; // a short English gloss, for people who script the command line
    ControlKind kind;
    int page;
    const char *caption;     // the caption shown on the control itself, if any
    int defaultNumber;       // check boxes and sliders; 1 marks the option button chosen at start-up
    const char *defaultText; // texts and lists
    int min = 0, max = 0, smallStep = 0, largeStep = 0; // sliders only
    const char *group = nullptr;                        // option buttons only
};

// Every setting control of pages 0 to 4, in page order.
const QVector<ControlDef> &ControlTable();

// The control of that name, or nullptr.
const ControlDef *FindControl(const QString &name);

// The option buttons sharing a group with `name` (including it), in table order.
QStringList OptionGroup(const QString &name);

QString KindName(ControlKind kind);

} // namespace quorlin
