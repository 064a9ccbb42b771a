#pragma once

#include "core/text_files.h"

#include <QByteArray>
#include <QString>

namespace quorlin {

// The text of a script file: CR LF line ends (whatever line ends the editor
// used) and one final CR LF.
QString ScriptFileText(const QString &text);

// The bytes of a script file: its text in GBK, without a byte-order mark, as
// the wizard writes every script; or in the encoding of the file it came from.
QByteArray ScriptFileBytes(const QString &text, TextEncoding encoding = TextEncoding::Gbk);

} // namespace quorlin
