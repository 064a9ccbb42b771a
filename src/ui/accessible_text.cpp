#include "ui/accessible_text.h"

#include "core/control_captions.h"
#include "core/ui_text.h"
#include "ui/reading_order.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace quorlin {

namespace {

// The caption of the label that names `control` on the page, without "：".
QString BuddyCaption(QWidget *root, const QWidget *control)
{
    for (const QLabel *label : root->findChildren<QLabel *>())
        if (label->buddy() == control) {
            QString caption = label->text();
            if (caption.endsWith(QChar(0xFF1A))) // "："
                caption.chop(1);
            return caption;
        }
    return QString();
}

} // namespace

void NameControls(QWidget *root)
{
    for (QWidget *control : ReadingOrder(root)) {
        if (qobject_cast<QAbstractButton *>(control) || !control->accessibleName().isEmpty())
            continue;
        QString name = SpokenName(control->objectName());
        if (name.isEmpty())
            name = BuddyCaption(root, control);
        if (name.isEmpty())
            continue;
        NameControl(control, name);
    }
}

void NameControl(QWidget *control, const QString &name)
{
    control->setAccessibleName(name);
    auto *combo = qobject_cast<QComboBox *>(control);
    if (!combo)
        return;
    // The text part of an editable list is a control of its own to a screen reader.
    if (combo->lineEdit())
        combo->lineEdit()->setAccessibleName(name);
    // On Linux a list speaks its entry as its name and reaches its caption
    // through the label beside it; a list without one says it in its description.
    const QWidget *parent = combo->parentWidget();
    bool labelled = false;
    for (const QLabel *label : parent ? parent->findChildren<QLabel *>(Qt::FindDirectChildrenOnly) : QList<QLabel *>())
        labelled = labelled || label->buddy() == combo;
    if (!labelled && combo->accessibleDescription().isEmpty() && combo->toolTip().isEmpty())
        combo->setAccessibleDescription(name);
}

QString Spoken(const QLabel *label)
{
    const QString tip = label->toolTip().simplified();
    return tip.isEmpty() ? label->text() : Ui::tr("%1（%2）").arg(label->text(), tip);
}

void Descriptions::add(QWidget *control, std::function<QString()> text) { entry(control).text = std::move(text); }

void Descriptions::addNote(QWidget *control, std::function<QString()> note) { entry(control).note = std::move(note); }

Descriptions::Entry &Descriptions::entry(QWidget *control)
{
    for (Entry &e : entries_)
        if (e.control == control)
            return e;
    entries_.append({control, {}, {}});
    return entries_.last();
}

void Descriptions::refresh()
{
    for (const Entry &e : entries_) {
        if (!e.control)
            continue;
        const QString shown = e.text ? e.text() : QString();
        const QString note = e.note ? e.note() : QString();
        const QString text = shown.isEmpty() || note.isEmpty() ? shown + note : Ui::tr("%1；%2").arg(shown, note);
        if (e.control->accessibleDescription() == text)
            continue;
        e.control->setAccessibleDescription(text);
        QAccessibleEvent changed(e.control, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

} // namespace quorlin
