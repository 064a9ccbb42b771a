#include "ui/model_binder.h"

#include "script/script_text.h"
#include "wizard/wizard_model.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

namespace quorlin {

namespace {

// The model keeps the script with CR LF line ends, the editor with LF.
QString ToEditor(const QString &script)
{
    QString text = script;
    text.replace(En(), QStringLiteral("\n"));
    return text;
}

QString FromEditor(const QString &text)
{
    QString script = text;
    script.replace(QLatin1Char('\n'), En());
    return script;
}

Qt::CheckState StateOf(int value)
{
    switch (value) {
    case 0: return Qt::Unchecked;
    case 1: return Qt::Checked;
    default: return Qt::PartiallyChecked;
    }
}

} // namespace

ModelBinder::ModelBinder(WizardModel &model, QObject *parent) : QObject(parent), model_(model)
{
    connect(&model_, &WizardModel::changed, this, [this] {
        if (!pushing_)
            sync();
    });
}

void ModelBinder::add(QWidget *widget, Kind kind)
{
    // What the rules show and hide keeps its place while hidden, so that
    // nothing else moves under the mouse when a box is ticked.
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
    const QString name = widget->objectName();
    const bool known = kind == Kind::State || kind == Kind::Caption || (kind == Kind::List && model_.list(name))
                       || (kind == Kind::Script && name == QLatin1String("Txt")) || model_.settings().has(name);
    if (!known) {
        qWarning("quorlin: a widget named \"%s\" is bound to no setting", qPrintable(name));
        unknown_ << name;
    }
    entries_.append({widget, kind, name});
    if (IsJudgedField(name)) {
        marker_.watch(widget);
        descriptions_.addNote(widget, [widget] { return MarkText(widget); });
    }
}

template <class Change>
void ModelBinder::push(Change change)
{
    if (syncing_)
        return;
    pushing_ = true;
    change();
    pushing_ = false;
    sync();
}

void ModelBinder::bindCheck(QCheckBox *box)
{
    add(box, Kind::Check);
    // `clicked` comes from the user only (mouse, space bar), never from a sync.
    connect(box, &QCheckBox::clicked, this, [this, box] {
        push([this, box] { model_.setCheck(box->objectName(), box->checkState() == Qt::Checked ? 1 : 0); });
    });
}

void ModelBinder::bindOption(QRadioButton *button)
{
    add(button, Kind::Option);
    connect(button, &QRadioButton::toggled, this, [this, button](bool on) {
        if (on)
            push([this, button] { model_.setOption(button->objectName(), true); });
    });
}

void ModelBinder::bindSlider(QSlider *slider)
{
    add(slider, Kind::Slider);
    connect(slider, &QSlider::valueChanged, this, [this, slider](int value) {
        push([this, slider, value] { model_.setSlider(slider->objectName(), value); });
    });
}

void ModelBinder::bindText(QLineEdit *edit)
{
    add(edit, Kind::Text);
    connect(edit, &QLineEdit::textChanged, this, [this, edit](const QString &text) {
        push([this, edit, text] { model_.setText(edit->objectName(), text); });
    });
}

void ModelBinder::bindCombo(QComboBox *combo)
{
    add(combo, Kind::Combo);
    if (combo->isEditable()) {
        connect(combo, &QComboBox::editTextChanged, this, [this, combo](const QString &text) {
            push([this, combo, text] { model_.setText(combo->objectName(), text); });
        });
    } else {
        connect(combo, &QComboBox::currentIndexChanged, this,
                [this, combo] { push([this, combo] { model_.setText(combo->objectName(), combo->currentText()); }); });
    }
}

void ModelBinder::bindList(QListWidget *list)
{
    add(list, Kind::List);
    connect(list, &QListWidget::itemSelectionChanged, this,
            [this, list] { push([this, list] { pushListSelection(list); }); });
}

void ModelBinder::pushListSelection(QListWidget *list)
{
    const QString name = list->objectName();
    ItemStore *store = model_.list(name);
    if (!store)
        return;
    QVector<int> changedLines;
    for (int i = 0; i < list->count() && i < store->count(); ++i)
        if (list->item(i)->isSelected() != store->isSelected(i))
            changedLines << i;
    for (int i : changedLines)
        model_.setLineSelected(name, i, list->item(i)->isSelected());
}

void ModelBinder::bindScript(QPlainTextEdit *edit)
{
    add(edit, Kind::Script);
    connect(edit, &QPlainTextEdit::textChanged, this,
            [this, edit] { push([this, edit] { model_.setScript(FromEditor(edit->toPlainText())); }); });
}

void ModelBinder::click(const QString &button)
{
    // Judged before the add, which puts the fields back to their defaults.
    const QString note = AddNote(model_.settings(), model_.xn(), button);
    if (model_.click(button) && !note.isEmpty())
        model_.note(note);
}

void ModelBinder::track(QWidget *widget) { add(widget, Kind::State); }

void ModelBinder::trackCaption(QWidget *widget) { add(widget, Kind::Caption); }

void ModelBinder::sync()
{
    syncing_ = true;
    QVector<QWidget *> toShow;
    for (const Entry &e : entries_) {
        syncValue(e);
        // Only the widget's own flag is set; a disabled or hidden frame still
        // covers whatever lies inside it.
        // A field's label follows its field, as its buddy.
        const auto *label = qobject_cast<QLabel *>(e.widget);
        const QWidget *field = label ? label->buddy() : nullptr;
        const bool enabled = model_.isEnabled(e.name) && (!field || model_.isEnabled(field->objectName()));
        if (e.widget->testAttribute(Qt::WA_ForceDisabled) == enabled)
            e.widget->setEnabled(enabled);
        const bool visible = model_.isVisible(e.name);
        if (e.widget->isHidden() == visible) {
            if (visible)
                toShow << e.widget;
            else
                e.widget->hide();
        }
    }
    // Hidden first, shown after: the page that goes must not still take room
    // while the next one comes, or the window would grow to hold both.
    for (QWidget *w : toShow)
        w->show();
    marker_.refresh(model_.settings(), model_.xn());
    descriptions_.refresh();
    syncing_ = false;
}

void ModelBinder::syncValue(const Entry &e)
{
    const Settings &s = model_.settings();
    QSignalBlocker blocker(e.widget);
    switch (e.kind) {
    case Kind::State: break;
    case Kind::Caption: {
        const QString caption = model_.caption(e.name);
        if (auto *label = qobject_cast<QLabel *>(e.widget); label && label->text() != caption)
            label->setText(caption);
        else if (auto *button = qobject_cast<QAbstractButton *>(e.widget); button && button->text() != caption)
            button->setText(caption);
        break;
    }
    case Kind::Check: {
        auto *box = static_cast<QCheckBox *>(e.widget);
        const Qt::CheckState state = StateOf(s.check(e.name));
        if (box->checkState() != state)
            box->setCheckState(state);
        break;
    }
    case Kind::Option: {
        auto *button = static_cast<QRadioButton *>(e.widget);
        const bool on = s.option(e.name);
        if (button->isChecked() != on) {
            // An exclusive button refuses to be cleared; the model alone decides here.
            button->setAutoExclusive(false);
            button->setChecked(on);
            button->setAutoExclusive(true);
        }
        break;
    }
    case Kind::Slider: {
        auto *slider = static_cast<QSlider *>(e.widget);
        if (slider->value() != s.slider(e.name))
            slider->setValue(s.slider(e.name));
        break;
    }
    case Kind::Text: {
        auto *edit = static_cast<QLineEdit *>(e.widget);
        // Only a real difference is written, so the cursor stays where the user types.
        if (edit->text() != s.text(e.name))
            edit->setText(s.text(e.name));
        break;
    }
    case Kind::Combo: {
        auto *combo = static_cast<QComboBox *>(e.widget);
        const QString text = s.text(e.name);
        if (combo->isEditable()) {
            if (combo->currentText() != text)
                combo->setEditText(text);
        } else {
            // The blank entry and no entry at all both mean nothing chosen.
            if (combo->currentText() != text)
                combo->setCurrentIndex(
                    text.isEmpty() ? -1 : combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
        }
        break;
    }
    case Kind::List: syncList(static_cast<QListWidget *>(e.widget), e.name); break;
    case Kind::Script: syncScript(static_cast<QPlainTextEdit *>(e.widget)); break;
    }
}

void ModelBinder::syncList(QListWidget *list, const QString &name)
{
    const ItemStore *store = model_.list(name);
    if (!store)
        return;
    bool same = list->count() == store->count();
    for (int i = 0; same && i < list->count(); ++i)
        same = list->item(i)->text() == store->line(i);
    if (!same) {
        list->clear();
        list->addItems(store->lines());
    }
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem *item = list->item(i);
        if (item->isSelected() != store->isSelected(i))
            item->setSelected(store->isSelected(i));
        // The block tells apart two lines of the same name.
        const QString block = ToEditor(store->block(i)).trimmed();
        if (item->toolTip() != block)
            item->setToolTip(block);
    }
}

void ModelBinder::syncScript(QPlainTextEdit *edit)
{
    const QString text = ToEditor(model_.script());
    if (edit->toPlainText() != text)
        edit->setPlainText(text);
}

} // namespace quorlin
