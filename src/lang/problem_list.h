// The problems of one script as they are found, in a list of bounded length.
#pragma once

#include "lang/check.h"
#include "lang/reader.h"

#include "core/ui_text.h"

namespace quorlin::lang {

class ProblemList {
public:
    explicit ProblemList(QVector<Problem> *out) : out_(out) {}

    // False once the list is full: callers skip working out messages then.
    bool open() const { return out_->size() < kMaxProblems; }

    void add(const char *id, Severity severity, const Word &at, const QString &message)
    {
        if (!open())
            return;
        if (out_->size() == kMaxProblems - 1) {
            out_->append({QStringLiteral("too-many-problems"), Severity::Warning, at.line, at.column,
                          int(at.text.size()), Ui::tr("问题太多，其余的没有列出：请先改正上面的问题。")});
            return;
        }
        out_->append({QString::fromLatin1(id), severity, at.line, at.column, int(at.text.size()), message});
    }
    void error(const char *id, const Word &at, const QString &message) { add(id, Severity::Error, at, message); }
    void warning(const char *id, const Word &at, const QString &message) { add(id, Severity::Warning, at, message); }
    void note(const char *id, const Word &at, const QString &message) { add(id, Severity::Info, at, message); }

private:
    QVector<Problem> *out_;
};

} // namespace quorlin::lang
