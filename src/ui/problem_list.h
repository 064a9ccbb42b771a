#pragma once

#include "lang/check.h"

#include <QTreeWidget>

namespace quorlin {

// The problems of the script, one row each: an error or warning icon, the
// line and the message. Activating a row (a double click, Enter) asks to
// go to the problem's word.
class ProblemList : public QTreeWidget {
    Q_OBJECT
public:
    explicit ProblemList(QWidget *parent = nullptr);

    void setProblems(const QVector<lang::Problem> &problems);

    // "没有发现问题", or the counts that are not zero: "2 个错误，1 个警告".
    static QString Summary(const QVector<lang::Problem> &problems);

    // Rows beyond this many are left out; the summary still counts them all.
    static constexpr int kMaxRows = 1000;

Q_SIGNALS:
    void chosen(const lang::Problem &problem);

private:
    QVector<lang::Problem> problems_;
};

} // namespace quorlin
