#pragma once

#include "core/dialogs.h"

#include <QByteArray>
#include <QStringList>

class QSettings;

namespace quorlin {

class WizardModel;

// What the window remembers from one run to the next, kept in a QSettings
// store: the window's place and size, the folder each file dialog showed
// last, the drafts opened or saved last, and the preview's choices. It holds no widgets, so the
// rules of the recent list can be checked without a screen.
// The preview's map size (its command-line option, "medium"), players and
// width beside the pages; empty and 0 when never kept.
struct PreviewChoices {
    QString size;
    int players = 0;
    int width = 0;
};

class RememberedState {
public:
    static constexpr int kRecentLimit = 10;

    explicit RememberedState(QSettings &store) : store_(store) {}

    // The drafts opened or saved last, newest first, each once, at most kRecentLimit.
    QStringList recentDrafts() const;
    // Puts `path` first, dropping an older mention of the same file.
    void noteDraft(const QString &path);
    void forgetDraft(const QString &path);

    QString lastFolder(FileKind kind) const;
    void setLastFolder(FileKind kind, const QString &folder);

    // QWidget::saveGeometry()'s bytes; empty before the first run ended.
    QByteArray windowGeometry() const;
    void setWindowGeometry(const QByteArray &geometry);

    PreviewChoices previewChoices() const;
    void setPreviewChoices(const PreviewChoices &choices);

private:
    QSettings &store_;
};

// Opens a draft of the recent list as "打开草稿" opens a chosen file, with the
// same question first. A draft that is no longer there leaves the list with a
// message instead, and nothing is asked or changed.
bool OpenRecentDraft(WizardModel &model, RememberedState &state, const QString &path);

} // namespace quorlin
