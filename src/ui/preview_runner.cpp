#include "ui/preview_runner.h"

namespace quorlin {

PreviewRunner::PreviewRunner(QObject *parent) : QObject(parent) { pool_.setMaxThreadCount(1); }

PreviewRunner::~PreviewRunner() { pool_.waitForDone(); }

void PreviewRunner::request(const PreviewJob &job)
{
    if (busy_)
        waiting_ = job;
    else
        start(job);
}

void PreviewRunner::start(const PreviewJob &job)
{
    busy_ = true;
    pool_.start([this, job] {
        const preview::ScriptPreview picture = preview::PreviewScript(job.script, job.options, job.square, false);
        // Back on the window's thread; the destructor waits for this job, so
        // the runner is still there.
        QMetaObject::invokeMethod(
            this, [this, picture, job] { finished(picture, job); }, Qt::QueuedConnection);
    });
}

void PreviewRunner::finished(const preview::ScriptPreview &picture, const PreviewJob &job)
{
    busy_ = false;
    if (waiting_) {
        const PreviewJob next = *waiting_;
        waiting_.reset();
        start(next);
        return;
    }
    Q_EMIT ready(picture, job);
}

} // namespace quorlin
