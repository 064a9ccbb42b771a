#include "lang/check.h"

#include "lang/reader.h"

#include <algorithm>

namespace quorlin::lang {

QVector<Problem> CheckScript(const QString &text, Dialect dialect)
{
    Q_UNUSED(dialect);
    QVector<Problem> problems = ReadScript(text).problems;
    std::stable_sort(problems.begin(), problems.end(), [](const Problem &a, const Problem &b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    });
    return problems;
}

} // namespace quorlin::lang
