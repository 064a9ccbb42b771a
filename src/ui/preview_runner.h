// Computes previews off the window's thread, one at a time: while one is
// being computed, only the newest request waits, and a result is handed on
// only when no newer request is waiting, so a stale picture never shows.
#pragma once

#include "preview/preview_drawing.h"

#include <QObject>
#include <QThreadPool>
#include <optional>

namespace quorlin {

// What the window shows of one preview, all made off its thread.
struct PreviewMap {
    preview::PreviewResult result;
    QImage tiles; // preview::TileImage(result)
    QStringList notes;
};

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
    void ready(const quorlin::PreviewMap &map, const quorlin::PreviewJob &job);

private:
    void start(const PreviewJob &job);
    void finished(const PreviewMap &map, const PreviewJob &job);

    QThreadPool pool_;
    bool busy_ = false;
    std::optional<PreviewJob> waiting_;
};

} // namespace quorlin
