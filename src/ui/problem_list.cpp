#include "ui/problem_list.h"

#include "core/ui_text.h"

#include <QHeaderView>
#include <QStyle>

namespace quorlin {

ProblemList::ProblemList(QWidget *parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("ProblemList"));
    setAccessibleName(Ui::tr("问题列表"));
    setColumnCount(2);
    setHeaderLabels({Ui::tr("行"), Ui::tr("问题")});
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    header()->setStretchLastSection(true);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item) {
        const int row = indexOfTopLevelItem(item);
        if (row >= 0 && row < problems_.size())
            Q_EMIT chosen(problems_[row]);
    });
}

void ProblemList::setProblems(const QVector<lang::Problem> &problems)
{
    problems_ = problems.mid(0, kMaxRows);
    const QIcon error = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    QList<QTreeWidgetItem *> rows;
    rows.reserve(problems_.size());
    for (const lang::Problem &problem : std::as_const(problems_)) {
        auto *row = new QTreeWidgetItem({QString::number(problem.line), problem.message});
        const bool isError = problem.severity == lang::Severity::Error;
        row->setIcon(0, isError ? error : warning);
        row->setData(0, Qt::AccessibleTextRole,
                     isError ? Ui::tr("错误，第 %1 行").arg(problem.line) : Ui::tr("警告，第 %1 行").arg(problem.line));
        row->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        row->setToolTip(1, problem.message);
        rows << row;
    }
    clear();
    addTopLevelItems(rows);
}

QString ProblemList::Summary(const QVector<lang::Problem> &problems)
{
    int errors = 0;
    for (const lang::Problem &problem : problems)
        errors += problem.severity == lang::Severity::Error ? 1 : 0;
    const int warnings = int(problems.size()) - errors;
    QStringList parts;
    if (errors)
        parts << Ui::tr("%1 个错误").arg(errors);
    if (warnings)
        parts << Ui::tr("%1 个警告").arg(warnings);
    return parts.isEmpty() ? Ui::tr("没有发现问题") : parts.join(Ui::tr("，"));
}

} // namespace quorlin
