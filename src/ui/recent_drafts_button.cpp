#include "ui/recent_drafts_button.h"

#include "core/ui_text.h"
#include "wizard/remembered_state.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

namespace quorlin {

RecentDraftsButton::RecentDraftsButton(WizardModel &model, RememberedState &state, QWidget *parent)
    : QToolButton(parent), model_(model), state_(state)
{
    setObjectName(QStringLiteral("RecentDrafts"));
    setText(Ui::tr("最近的草稿"));
    setPopupMode(QToolButton::InstantPopup);
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("RecentDraftsMenu"));
    menu->setToolTipsVisible(true);
    setMenu(menu);
    connect(menu, &QMenu::aboutToShow, this, &RecentDraftsButton::refresh);
}

void RecentDraftsButton::refresh()
{
    menu()->clear();
    const QStringList recent = state_.recentDrafts();
    if (recent.isEmpty())
        menu()->addAction(Ui::tr("（没有最近的草稿）"))->setEnabled(false);
    for (int i = 0; i < recent.size(); ++i) {
        const QString path = recent.at(i);
        const QFileInfo file(path);
        // "&1 地图.qlx  /home/designer/maps": a key for each of the first nine.
        const QString key = i < 9 ? QStringLiteral("&%1 ").arg(i + 1) : QString();
        QString text = file.fileName() + QStringLiteral("  ") + QDir::toNativeSeparators(file.absolutePath());
        QAction *entry = menu()->addAction(key + text.replace(QLatin1Char('&'), QStringLiteral("&&")));
        entry->setToolTip(QDir::toNativeSeparators(path));
        connect(entry, &QAction::triggered, this, [this, path] { OpenRecentDraft(model_, state_, path); });
    }
}

QString DraggedDraft(const QMimeData *data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return QString();
    const QUrl url = data->urls().constFirst();
    if (!url.isLocalFile() || !url.toLocalFile().endsWith(QLatin1String(".qlx"), Qt::CaseInsensitive))
        return QString();
    return url.toLocalFile();
}

} // namespace quorlin
