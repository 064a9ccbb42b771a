#include "ui/live_check.h"

#include <QPlainTextEdit>
#include <QtConcurrent/QtConcurrentRun>

namespace quorlin {

LiveCheck::LiveCheck(QPlainTextEdit *edit, CheckFunction check, QObject *parent)
    : QObject(parent), edit_(edit), check_(std::move(check))
{
    pause_.setSingleShot(true);
    pause_.setInterval(250);
    connect(&pause_, &QTimer::timeout, this, &LiveCheck::start);
    connect(edit_->document(), &QTextDocument::contentsChanged, this, [this] {
        ++revision_;
        pause_.start();
    });
    connect(&running_, &QFutureWatcher<QVector<lang::Problem>>::finished, this, &LiveCheck::finished);
}

LiveCheck::~LiveCheck()
{
    // The worker holds copies only; waiting keeps it from outliving the window.
    running_.waitForFinished();
}

void LiveCheck::setDialect(lang::Dialect dialect)
{
    dialect_ = dialect;
    checkNow();
}

void LiveCheck::checkNow()
{
    pause_.stop();
    start();
}

void LiveCheck::start()
{
    if (running_.isRunning()) {
        again_ = true;
        return;
    }
    again_ = false;
    checkedRevision_ = revision_;
    running_.setFuture(QtConcurrent::run(check_, edit_->toPlainText(), dialect_));
}

void LiveCheck::finished()
{
    if (again_) {
        start();
        return;
    }
    // The text changed while it was read: the next check will tell.
    if (checkedRevision_ != revision_)
        return;
    Q_EMIT checked(running_.result());
}

} // namespace quorlin
