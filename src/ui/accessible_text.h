#pragma once

#include <QPointer>
#include <QString>
#include <QVector>

#include <functional>

class QLabel;
class QWidget;

namespace quorlin {

// Gives every control of `root` that does not speak its own text (fields,
// lists, sliders; buttons and boxes say their caption) the name a screen
// reader announces: the setting's caption from the caption table, or else the
// caption of the label that is its buddy. A control already named keeps its name.
void NameControls(QWidget *root);

// Gives `control` the accessible name `name`, with what a list needs besides.
void NameControl(QWidget *control, const QString &name);

// What a label shows, told as one line: its text and, after it, its tooltip.
QString Spoken(const QLabel *label);

// The accessible descriptions of controls that the page explains with
// captions beside them (a value label, a unit, a slider's two ends). Each is
// worked out again from those captions on every refresh, and a change is
// announced as a change of the description.
class Descriptions {
public:
    // What the page shows beside the control.
    void add(QWidget *control, std::function<QString()> text);
    // Said after that: the mark of a typed field.
    void addNote(QWidget *control, std::function<QString()> note);
    void refresh();

private:
    struct Entry {
        QPointer<QWidget> control;
        std::function<QString()> text;
        std::function<QString()> note;
    };
    Entry &entry(QWidget *control);
    QVector<Entry> entries_;
};

} // namespace quorlin
