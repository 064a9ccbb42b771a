#include "lang/check.h"

namespace quorlin::lang {

QVector<Problem> CheckScript(const QString &text, Dialect dialect)
{
    Q_UNUSED(text);
    Q_UNUSED(dialect);
    return {};
}

} // namespace quorlin::lang
