#include "script/script_file.h"

#include "core/text_files.h"

namespace quorlin {

QString ScriptFileText(const QString &text)
{
    // One pass: each line end the editor may have left (CR LF, a lone LF or
    // a lone CR) becomes CR LF, so the file is at most twice the text. Every
    // character above CR, nearly all of them, is copied at one comparison.
    const qsizetype n = text.size();
    const QChar *const in = text.constData();
    QString file(2 * n + 2, Qt::Uninitialized);
    QChar *out = file.data();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = in[i].unicode();
        if (c > u'\r' || (c != u'\r' && c != u'\n')) {
            *out++ = in[i];
            continue;
        }
        *out++ = QLatin1Char('\r');
        *out++ = QLatin1Char('\n');
        if (c == u'\r' && i + 1 < n && in[i + 1] == QLatin1Char('\n'))
            ++i;
    }
    *out++ = QLatin1Char('\r');
    *out++ = QLatin1Char('\n');
    file.truncate(out - file.constData());
    return file;
}

QByteArray ScriptFileBytes(const QString &text, TextEncoding encoding)
{
    return EncodeText(ScriptFileText(text), encoding);
}

} // namespace quorlin
