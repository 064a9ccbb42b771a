#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <QStringView>

#include <optional>

namespace quorlin {

// How a text file's bytes stand for its text: GBK, the code page the game
// reads and the wizard writes, or UTF-8, as scripts written by hand often
// are, with or without a byte-order mark in front.
enum class TextEncoding { Gbk, Utf8, Utf8WithBom };

struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::Gbk;
};

// The one rule for reading a script file, whoever reads it: bytes that are
// valid UTF-8 are UTF-8 (a leading byte-order mark is not part of the
// text), anything else is GBK. Plain ASCII is the same bytes in both and
// counts as GBK, the game's own, unless a byte-order mark says UTF-8.
DecodedText DecodeText(const QByteArray &bytes);
// The bytes of `text` in `encoding`, the mark in front when it had one.
QByteArray EncodeText(QStringView text, TextEncoding encoding);

// The text in the GBK code page; characters it cannot hold become its
// replacement character.
QByteArray ToGbk(QStringView text);
QString FromGbk(const QByteArray &bytes);

// Reads many GBK texts, such as the fields of one draft, with one converter
// for them all, made at the first byte that is not ASCII: ASCII is copied
// past the converter, and only the runs between go through it. Reading stops
// being possible at the first text that is not valid GBK.
class GbkReader {
public:
    GbkReader();
    ~GbkReader();
    GbkReader(const GbkReader &) = delete;
    GbkReader &operator=(const GbkReader &) = delete;

    // The text of the bytes; false when they are not valid GBK (a byte
    // sequence GBK does not have, or a character cut off at the end), after
    // which this reader answers false to everything.
    bool read(QByteArrayView bytes, QString *text);

private:
    std::optional<QStringDecoder> gbk_;
    QString scratch_;
};

// The line (from 1) of the first character GBK cannot hold, which goes into
// `character`; 0 when GBK holds the whole text.
int FirstNonGbkLine(const QString &text, QString *character);

// Writes the whole file or nothing: the old file stays intact on any failure.
// On failure returns false and a message for the user in `error`.
bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString *error);

} // namespace quorlin
