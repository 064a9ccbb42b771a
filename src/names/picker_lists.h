// The data behind the unit picker dialog: its categories, their captions,
// which chooser each one shows and what that chooser lists.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace quorlin {

struct PickerCategory {
    QString option;      // option button, "Option1" to "Option14"
    const char *caption; // the option button's caption, for Ui::tr
    QString chooser;     // "Combo1" to "Combo13", or "Text1" for a typed unit ID
    QStringList entries; // the chooser's list in fill order; empty for Text1
};

// The fourteen categories in option order (Option1 to Option14).
const QVector<PickerCategory> &PickerCategories();

// The choosers in the order OK reads them: Combo1 to Combo9, Text1,
// Combo10 to Combo13. Every shown chooser writes its text in turn, so the
// last shown one decides.
QStringList PickerChooserOrder();

} // namespace quorlin
