#include "wizard/remembered_state.h"

#include "core/ui_text.h"
#include "wizard/wizard_model.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace quorlin {

namespace {

const QString kRecentKey = QStringLiteral("drafts/recent");
const QString kGeometryKey = QStringLiteral("window/geometry");
const QString kPreviewSizeKey = QStringLiteral("preview/size");
const QString kPreviewPlayersKey = QStringLiteral("preview/players");
const QString kPreviewWidthKey = QStringLiteral("preview/width");

QString FolderKey(FileKind kind)
{
    return kind == FileKind::Draft ? QStringLiteral("folders/drafts") : QStringLiteral("folders/scripts");
}

// One spelling per file, so that "a/../b.qlx" and "b.qlx" are one entry.
QString Canonical(const QString &path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }

} // namespace

QStringList RememberedState::recentDrafts() const
{
    // The store may have been edited by hand: keep the rules whatever it holds.
    QStringList recent;
    for (const QString &path : store_.value(kRecentKey).toStringList()) {
        if (recent.size() == kRecentLimit)
            break;
        if (!path.isEmpty() && !recent.contains(path))
            recent << path;
    }
    return recent;
}

void RememberedState::noteDraft(const QString &path)
{
    const QString file = Canonical(path);
    QStringList recent = recentDrafts();
    recent.removeAll(file);
    recent.prepend(file);
    store_.setValue(kRecentKey, recent.mid(0, kRecentLimit));
}

void RememberedState::forgetDraft(const QString &path)
{
    QStringList recent = recentDrafts();
    recent.removeAll(path);
    recent.removeAll(Canonical(path));
    store_.setValue(kRecentKey, recent);
}

QString RememberedState::lastFolder(FileKind kind) const { return store_.value(FolderKey(kind)).toString(); }

void RememberedState::setLastFolder(FileKind kind, const QString &folder) { store_.setValue(FolderKey(kind), folder); }

QByteArray RememberedState::windowGeometry() const { return store_.value(kGeometryKey).toByteArray(); }

void RememberedState::setWindowGeometry(const QByteArray &geometry)
{
    // Closing a window nobody moved leaves the settings file untouched.
    if (geometry != windowGeometry())
        store_.setValue(kGeometryKey, geometry);
}

PreviewChoices RememberedState::previewChoices() const
{
    return {store_.value(kPreviewSizeKey).toString(), store_.value(kPreviewPlayersKey).toInt(),
            store_.value(kPreviewWidthKey).toInt()};
}

void RememberedState::setPreviewChoices(const PreviewChoices &choices)
{
    const PreviewChoices before = previewChoices();
    if (choices.size != before.size)
        store_.setValue(kPreviewSizeKey, choices.size);
    if (choices.players != before.players)
        store_.setValue(kPreviewPlayersKey, choices.players);
    if (choices.width != before.width)
        store_.setValue(kPreviewWidthKey, choices.width);
}

bool OpenRecentDraft(WizardModel &model, RememberedState &state, const QString &path)
{
    if (!QFileInfo(path).isFile()) {
        state.forgetDraft(path);
        if (Dialogs *dialogs = model.dialogs())
            dialogs->message(Ui::tr("注意"), Ui::tr("找不到草稿“%1”，已把它从最近的草稿中删去。").arg(path),
                             MessageIcon::Warning);
        return false;
    }
    return model.askAndOpenDraft(path);
}

} // namespace quorlin
