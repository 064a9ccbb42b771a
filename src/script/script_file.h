#pragma once

#include <QByteArray>
#include <QString>

namespace quorlin {

// The text of a script file: CR LF line ends (whatever line ends the editor
// used) and one final CR LF.
QString ScriptFileText(const QString &text);

// The bytes of a script file: its text in GBK, without a byte-order mark.
QByteArray ScriptFileBytes(const QString &text);

} // namespace quorlin
