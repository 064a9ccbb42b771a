#include "script/script_file.h"

#include "core/text_files.h"

namespace quorlin {

QString ScriptFileText(const QString &text)
{
    // One pass: each line end the editor may have left (CR LF, a lone LF or
    // a lone CR) becomes CR LF; the stretches between are copied whole.
    const QChar *const begin = text.constData();
    const QChar *const end = begin + text.size();
    QString file;
    file.reserve(text.size() + text.size() / 16 + 2);
    const QChar *stretch = begin;
    for (const QChar *c = begin; c != end; ++c) {
        if (*c != QLatin1Char('\r') && *c != QLatin1Char('\n'))
            continue;
        file.append(stretch, c - stretch);
        file.append(QLatin1String("\r\n"));
        if (*c == QLatin1Char('\r') && c + 1 != end && c[1] == QLatin1Char('\n'))
            ++c;
        stretch = c + 1;
    }
    file.append(stretch, end - stretch);
    file.append(QLatin1String("\r\n"));
    return file;
}

QByteArray ScriptFileBytes(const QString &text) { return ToGbk(ScriptFileText(text)); }

} // namespace quorlin
