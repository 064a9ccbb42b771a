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
    const QIcon note = style()->standardIcon(QStyle::SP_MessageBoxInformation);
    QList<QTreeWidgetItem *> rows;
    rows.reserve(problems_.size());
    for (const lang::Problem &problem : std::as_const(problems_)) {
        auto *row = new QTreeWidgetItem({QString::number(problem.line), problem.message});
        switch (problem.severity) {
        case lang::Severity::Error:
            row->setIcon(0, error);
            row->setData(0, Qt::AccessibleTextRole, Ui::tr("错误，第 %1 行").arg(problem.line));
            break;
        case lang::Severity::Warning:
            row->setIcon(0, warning);
            row->setData(0, Qt::AccessibleTextRole, Ui::tr("警告，第 %1 行").arg(problem.line));
            break;
        case lang::Severity::Info:
            row->setIcon(0, note);
            row->setData(0, Qt::AccessibleTextRole, Ui::tr("提示，第 %1 行").arg(problem.line));
            break;
        }
        row->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        row->setToolTip(1, problem.message);
        rows << row;
    }
    clear();
    addTopLevelItems(rows);
}

QString ProblemList::Summary(const QVector<lang::Problem> &problems)
{
    int counts[3] = {0, 0, 0}; // by severity
    for (const lang::Problem &problem : problems)
        ++counts[int(problem.severity)];
    QStringList parts;
    if (counts[int(lang::Severity::Error)])
        parts << Ui::tr("%1 个错误").arg(counts[int(lang::Severity::Error)]);
    if (counts[int(lang::Severity::Warning)])
        parts << Ui::tr("%1 个警告").arg(counts[int(lang::Severity::Warning)]);
    if (counts[int(lang::Severity::Info)])
        parts << Ui::tr("%1 个提示").arg(counts[int(lang::Severity::Info)]);
    return parts.isEmpty() ? Ui::tr("没有发现问题") : parts.join(Ui::tr("，"));
}

} // namespace quorlin
