#include "core/text_files.h"

#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace quorlin {

namespace {

bool IsAscii(QChar c) { return c.unicode() < 0x80; }

} // namespace

QByteArray ToGbk(QStringView text)
{
    // ASCII, most of any script or draft, is the same bytes in GBK: it is
    // copied as it is, and only the runs between go through the converter,
    // one for the whole text. Each run is converted whole (Stateless), so a
    // lone high surrogate at the end of a run would be dropped where the
    // converter of the whole text writes a replacement: such a run takes the
    // character after it along.
    std::optional<QStringEncoder> gbk;
    const qsizetype n = text.size();
    QByteArray out(n, Qt::Uninitialized); // room for ASCII; grows before a run that needs more
    char *p = out.data();
    for (qsizetype i = 0; i < n;) {
        for (; i < n && IsAscii(text[i]); ++i)
            *p++ = char(text[i].unicode());
        if (i == n)
            break;
        qsizetype end = i + 1;
        while (end < n && !IsAscii(text[end]))
            ++end;
        if (end < n && text[end - 1].isHighSurrogate())
            ++end;
        if (!gbk)
            gbk.emplace("GBK", QStringConverter::Flag::Stateless);
        const qsizetype used = p - out.constData();
        out.resize(used + gbk->requiredSpace(end - i) + (n - end));
        p = gbk->appendToBuffer(out.data() + used, text.sliced(i, end - i));
        i = end;
    }
    out.truncate(p - out.constData());
    return out;
}

QString FromGbk(const QByteArray &bytes)
{
    QStringDecoder decoder("GBK");
    return decoder.decode(bytes);
}

DecodedText DecodeText(const QByteArray &bytes)
{
    static const QByteArray bom("\xEF\xBB\xBF");
    QStringDecoder utf8(QStringDecoder::Utf8); // drops a leading mark
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return {FromGbk(bytes), TextEncoding::Gbk};
    if (bytes.startsWith(bom))
        return {text, TextEncoding::Utf8WithBom};
    const bool ascii = std::all_of(text.cbegin(), text.cend(), IsAscii);
    return {text, ascii ? TextEncoding::Gbk : TextEncoding::Utf8};
}

QByteArray EncodeText(QStringView text, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Gbk: return ToGbk(text);
    case TextEncoding::Utf8: return text.toUtf8();
    case TextEncoding::Utf8WithBom: return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    }
    return ToGbk(text);
}

GbkReader::GbkReader() = default;
GbkReader::~GbkReader() = default;

bool GbkReader::read(QByteArrayView bytes, QString *text)
{
    // A byte 0x81 to 0xFE starts a character of two bytes, whatever the
    // second is; 0x80 and 0xFF stand alone. Runs therefore end only where a
    // character ends, and each run converted whole (Stateless) gives the
    // characters and the errors that converting all the bytes at once gives.
    const qsizetype n = bytes.size();
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    qsizetype i = 0;
    while (i < n && byte(i) < 0x80)
        ++i;
    if (i == n) {
        *text = QString::fromLatin1(bytes);
        return !(gbk_ && gbk_->hasError());
    }
    if (!gbk_)
        gbk_.emplace("GBK", QStringConverter::Flag::Stateless);
    // The text is put together in room kept for every text of the file, room
    // for all its bytes converted and so for every run in turn; the text
    // itself then takes only the room it fills.
    QString &out = scratch_;
    if (out.size() < std::max(n, gbk_->requiredSpace(n)))
        out.resize(std::max(n, gbk_->requiredSpace(n)));
    QChar *p = out.data();
    for (qsizetype k = 0; k < i; ++k) // ASCII as it is
        *p++ = QLatin1Char(bytes[k]);
    while (i < n) {
        qsizetype end = i;
        while (end < n && byte(end) >= 0x80)
            end += byte(end) == 0x80 || byte(end) == 0xFF ? 1 : 2;
        end = std::min(end, n);
        const qsizetype used = p - out.constData();
        const qsizetype room = used + gbk_->requiredSpace(end - i) + (n - end);
        if (out.size() < room)
            out.resize(room);
        p = gbk_->appendToBuffer(out.data() + used, bytes.sliced(i, end - i));
        if (gbk_->hasError())
            return false;
        for (i = end; i < n && byte(i) < 0x80; ++i)
            *p++ = QLatin1Char(bytes[i]);
    }
    *text = QString(out.constData(), p - out.constData());
    return true;
}

int FirstNonGbkLine(const QString &text, QString *character)
{
    if (std::all_of(text.cbegin(), text.cend(), IsAscii))
        return 0;
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
