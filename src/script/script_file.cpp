#include "script/script_file.h"

#include "core/text_files.h"

namespace quorlin {

QString ScriptFileText(const QString &text)
{
    QString normalized = text;
    normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalized.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    normalized.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return normalized + QStringLiteral("\r\n");
}

QByteArray ScriptFileBytes(const QString &text) { return ToGbk(ScriptFileText(text)); }

} // namespace quorlin
