#pragma once

#include <QString>

namespace quorlin {

// Every script line ends with this.
inline const QString &En()
{
    static const QString en = QStringLiteral("\r\n");
    return en;
}

// "keyword  value" with its line break: a keyword and its value stand two spaces apart.
QString KeywordLine(const QString &keyword, const QString &value);
inline QString KeywordLine(const char *keyword, const QString &value)
{
    return KeywordLine(QString::fromLatin1(keyword), value);
}

// A keyword that takes no value, alone on its line.
inline QString FlagLine(const char *keyword) { return QString::fromLatin1(keyword) + En(); }

} // namespace quorlin
