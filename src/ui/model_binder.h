#pragma once

#include "ui/accessible_text.h"
#include "ui/field_marker.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QRadioButton;
class QSlider;
class QWidget;

namespace quorlin {

class WizardModel;

// Ties named widgets to the wizard model. A user's change of a bound widget
// goes straight to the model; every change of the model is mirrored back into
// all widgets (values, enabled and shown states, captions). The widgets hold
// no setting of their own: the model is the one place where values live.
class ModelBinder : public QObject {
    Q_OBJECT
public:
    explicit ModelBinder(WizardModel &model, QObject *parent = nullptr);

    WizardModel &model() { return model_; }

    // Value bindings; the widget's object name is the control name.
    void bindCheck(QCheckBox *box);
    void bindOption(QRadioButton *button);
    void bindSlider(QSlider *slider);
    void bindText(QLineEdit *edit);
    void bindCombo(QComboBox *combo);
    void bindList(QListWidget *list);
    void bindScript(QPlainTextEdit *edit);

    // Enabled and shown states only (frames, labels, buttons, pages).
    void track(QWidget *widget);
    // Also takes its caption from the model (value labels, Label55, Command1/2).
    void trackCaption(QWidget *widget);

    // A description for screen readers made from captions the binder keeps
    // up to date; it follows them on every sync.
    void describe(QWidget *control, std::function<QString()> text) { descriptions_.add(control, std::move(text)); }

    // Presses a settings button of the model. After an add whose fields were
    // marked, the status line says what went in.
    void click(const QString &button);

    // Copies the whole model into the widgets, and the marks of the fields.
    void sync();

    // Widgets bound as settings whose names match no control, list or script:
    // they would silently hold nothing. The window refuses to start with any.
    const QStringList &unknownNames() const { return unknown_; }

private:
    enum class Kind { State, Caption, Check, Option, Slider, Text, Combo, List, Script };
    struct Entry {
        QWidget *widget;
        Kind kind;
        QString name;
    };

    void add(QWidget *widget, Kind kind);
    // Runs a change of the model caused by the user, then mirrors the result once.
    template <class Change>
    void push(Change change);
    void syncValue(const Entry &e);
    void syncList(QListWidget *list, const QString &name);
    void syncScript(QPlainTextEdit *edit);
    void pushListSelection(QListWidget *list);

    WizardModel &model_;
    QVector<Entry> entries_;
    QStringList unknown_;
    Descriptions descriptions_;
    FieldMarker marker_;
    bool syncing_ = false; // widget signals during a sync are echoes, not the user
    bool pushing_ = false; // the model's change notices wait until the push is done
};

} // namespace quorlin
