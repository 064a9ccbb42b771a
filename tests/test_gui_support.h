// Driving the real window in the GUI tests: a window over a model whose
// dialogs are scripted, and the user's ways of touching its widgets.
#pragma once

#include "core/scripted_dialogs.h"
#include "ui/main_window.h"
#include "wizard/wizard_model.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace quorlin::test {

// Types text as key presses carrying that text, which also works for the
// Chinese names that QTest::keyClicks cannot send.
inline void TypeText(QWidget *target, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
    }
}

// Selects everything in a field and types over it.
inline void Retype(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    TypeText(edit, text);
}

inline void Retype(QComboBox *combo, const QString &text) { Retype(combo->lineEdit(), text); }

// Clicks a button with the mouse. Check boxes and option buttons are hit on
// their indicator, as a grid may make them wider than what they draw.
inline void Click(QAbstractButton *button)
{
    const bool indicator = qobject_cast<QPushButton *>(button) == nullptr;
    const QPoint at = indicator ? QPoint(8, button->height() / 2) : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, at);
}

// The window over a fresh model with scripted dialogs and a fixed date.
class Wizard {
public:
    explicit Wizard(const QString &date = QStringLiteral("2024/5/1"))
    {
        model.setDate(date);
        window.buildAllPages();
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qWarning("the window was not exposed");
    }

    template <class T = QWidget>
    T *get(const char *name) const
    {
        T *w = window.findChild<T *>(QString::fromUtf8(name));
        if (!w)
            qFatal("the window has no %s named %s", T::staticMetaObject.className(), name);
        return w;
    }

    void click(const char *button) { Click(get<QAbstractButton>(button)); }

    // Presses next (or back) until page `n` is shown.
    void goTo(int n)
    {
        while (model.page() != n)
            click(model.page() < n ? "Command2" : "Command1");
    }

    ScriptedDialogs dialogs;
    WizardModel model{&dialogs};
    MainWindow window{model};
};

} // namespace quorlin::test
