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
        PreviewMap map;
        map.result = preview::BuildScriptPreview(job.script, job.options);
        map.tiles = preview::TileImage(map.result);
        map.notes = preview::PreviewNotes(map.result);
        // Back on the window's thread; the destructor waits for this job, so
        // the runner is still there.
        QMetaObject::invokeMethod(
            this, [this, map, job] { finished(map, job); }, Qt::QueuedConnection);
    });
}

void PreviewRunner::finished(const PreviewMap &map, const PreviewJob &job)
{
    busy_ = false;
    if (waiting_) {
        const PreviewJob next = *waiting_;
        waiting_.reset();
        start(next);
        return;
    }
    Q_EMIT ready(map, job);
}

} // namespace quorlin
