#pragma once

#include <QByteArray>
#include <QString>

namespace quorlin {

struct Project;

// The draft file of the whole set of settings with the added items.
// Encodes the project; on failure (a text holding a double quote, which
// the format cannot store) returns false and says which setting in `error`.
bool EncodeDraft(const Project &project, QByteArray *bytes, QString *error);

// Checks the whole file first and only then applies it through the model's
// ordinary setters; on any fault returns false, says what is wrong in `error`
// and leaves the model exactly as it was.
bool ApplyDraft(const QByteArray &bytes, Project &project, QString *error);

} // namespace quorlin
