#include "ui/script_editor.h"

#include "core/ui_text.h"

#include "ui/problem_list.h"
#include "ui/script_completer.h"
#include "ui/script_edit.h"
#include "ui/script_highlighter.h"
#include "ui/word_meaning.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QSplitter>
#include <QVBoxLayout>

namespace quorlin {

ScriptEditor::ScriptEditor(CheckFunction check, QWidget *parent)
    : QWidget(parent), edit_(new ScriptEdit), highlighter_(new ScriptHighlighter(edit_->document())),
      live_(new LiveCheck(edit_, std::move(check), this)), summary_(new QLabel), dialect_(new QComboBox),
      list_(new ProblemList)
{
    edit_->setAccessibleName(Ui::tr("脚本"));
    edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    highlighter_->useBackground(edit_->palette().color(QPalette::Base));
    edit_->setCompleter(new ScriptCompleter(edit_, [this] { return live_->dialect(); }));

    summary_->setObjectName(QStringLiteral("ProblemSummary"));
    summary_->setAccessibleName(Ui::tr("检查结果"));
    summary_->setText(ProblemList::Summary({}));
    dialect_->setObjectName(QStringLiteral("DialectBox"));
    dialect_->setAccessibleName(Ui::tr("语法版本"));
    for (lang::Dialect dialect : {lang::Dialect::Classic, lang::Dialect::Patched, lang::Dialect::Modern})
        dialect_->addItem(DialectCaption(dialect), int(dialect));
    auto *dialectLabel = new QLabel(Ui::tr("语法版本："));
    dialectLabel->setBuddy(dialect_);

    auto *problems = new QWidget;
    problems->setObjectName(QStringLiteral("ProblemPanel"));
    auto *column = new QVBoxLayout(problems);
    column->setContentsMargins(0, 0, 0, 0);
    auto *row = new QHBoxLayout;
    row->addWidget(summary_, 1);
    row->addWidget(dialectLabel);
    row->addWidget(dialect_);
    column->addLayout(row);
    column->addWidget(list_, 1);
    list_->setMinimumHeight(3 * fontMetrics().height());

    // The user may give the list more room, or the script.
    auto *split = new QSplitter(Qt::Vertical);
    split->setObjectName(QStringLiteral("ScriptSplit"));
    split->setChildrenCollapsible(false);
    split->addWidget(edit_);
    split->addWidget(problems);
    split->setStretchFactor(0, 4);
    split->setStretchFactor(1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(split);

    connect(live_, &LiveCheck::checked, this, &ScriptEditor::showProblems);
    connect(list_, &ProblemList::chosen, edit_, &ScriptEdit::goTo);
    connect(dialect_, &QComboBox::currentIndexChanged, this,
            [this] { live_->setDialect(lang::Dialect(dialect_->currentData().toInt())); });
}

void ScriptEditor::showProblems(const QVector<lang::Problem> &problems)
{
    summary_->setText(ProblemList::Summary(problems));
    list_->setProblems(problems);
    edit_->showProblems(problems.mid(0, ProblemList::kMaxRows));
}

void ScriptEditor::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        highlighter_->useBackground(edit_->palette().color(QPalette::Base));
}

} // namespace quorlin
