#pragma once

#include <QByteArray>
#include <QString>

namespace quorlin {

class WizardModel;

// The draft file of the whole set of settings with the added items.
// Encodes the model's state; on failure (a text holding a double quote, which
// the format cannot store) returns false and says which setting in `error`.
bool EncodeDraft(const WizardModel &model, QByteArray *bytes, QString *error);

// Checks the whole file first and only then applies it through the model's
// ordinary setters; on any fault returns false, says what is wrong in `error`
// and leaves the model exactly as it was.
bool ApplyDraft(const QByteArray &bytes, WizardModel &model, QString *error);

} // namespace quorlin
