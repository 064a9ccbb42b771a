#include "script/script_text.h"

namespace quorlin {

QString KeywordLine(const QString &keyword, const QString &value)
{
    return keyword + QStringLiteral("  ") + value + En();
}

} // namespace quorlin
