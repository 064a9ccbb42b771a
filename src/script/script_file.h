#pragma once

#include <QByteArray>
#include <QString>

namespace quorlin {

// The text in the GBK code page; characters it cannot hold become its
// replacement character.
QByteArray ToGbk(const QString &text);
QString FromGbk(const QByteArray &bytes);

// The bytes of a script file: the text with CR LF line ends (whatever line
// ends the editor used), one final CR LF, in GBK, without a byte-order mark.
QByteArray ScriptFileBytes(const QString &text);

// Writes the whole file or nothing: the old file stays intact on any failure.
// On failure returns false and a message for the user in `error`.
bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString *error);

} // namespace quorlin
