#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace quorlin {

// The text in the GBK code page; characters it cannot hold become its
// replacement character.
QByteArray ToGbk(QStringView text);
QString FromGbk(const QByteArray &bytes);

// The line (from 1) of the first character GBK cannot hold, which goes into
// `character`; 0 when GBK holds the whole text.
int FirstNonGbkLine(const QString &text, QString *character);

// Writes the whole file or nothing: the old file stays intact on any failure.
// On failure returns false and a message for the user in `error`.
bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString *error);

} // namespace quorlin
