// Computes previews off the window's thread, one at a time: while one is
// being computed, only the newest request waits, and a result is handed on
// only when no newer request is waiting, so a stale picture never shows.
#pragma once

#include "preview/preview_drawing.h"

#include <QObject>
#include <QThreadPool>
#include <optional>

namespace quorlin {

struct PreviewJob {
    QString script;
    preview::PreviewOptions options;
    bool square = false;
};

class PreviewRunner : public QObject {
    Q_OBJECT
public:
    explicit PreviewRunner(QObject *parent = nullptr);
    ~PreviewRunner() override; // waits for the job under way

    void request(const PreviewJob &job);
    bool busy() const { return busy_; }

Q_SIGNALS:
    void ready(const quorlin::preview::ScriptPreview &picture, const quorlin::PreviewJob &job);

private:
    void start(const PreviewJob &job);
    void finished(const preview::ScriptPreview &picture, const PreviewJob &job);

    QThreadPool pool_;
    bool busy_ = false;
    std::optional<PreviewJob> waiting_;
};

} // namespace quorlin
