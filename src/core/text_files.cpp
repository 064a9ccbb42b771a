#include "core/text_files.h"

#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace quorlin {

QByteArray ToGbk(const QString &text)
{
    QStringEncoder encoder("GBK");
    return encoder.encode(text);
}

QString FromGbk(const QByteArray &bytes)
{
    QStringDecoder decoder("GBK");
    return decoder.decode(bytes);
}

int FirstNonGbkLine(const QString &text, QString *character)
{
    QStringEncoder whole("GBK");
    const QByteArray all = whole.encode(text); // encoding runs on conversion only
    if (!whole.hasError())
        return 0;
    QStringEncoder gbk("GBK");
    int line = 1;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\n'))
            ++line;
        const int length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString one = text.mid(i, length);
        const QByteArray encoded = gbk.encode(one);
        if (gbk.hasError()) {
            if (character)
                *character = one;
            return line;
        }
        i += length - 1;
    }
    return 0;
}

bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace quorlin
