#include "ui/unit_search.h"

#include "core/ui_text.h"
#include "names/picker_lists.h"
#include "names/search_names.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QStandardItemModel>

namespace quorlin {

namespace {

enum Role { NameRole = Qt::UserRole + 1, KeysRole, CategoryRole, RowRole };

// One item per list entry, in option order and then list order; the popup
// shows the name with its category, the match is made on every key of the
// entry at once (its name, constant and other names, a line each, so that no
// match spans two of them).
QStandardItemModel *EntryModel(QObject *parent)
{
    auto *model = new QStandardItemModel(parent);
    const auto &categories = PickerCategories();
    for (int c = 0; c < categories.size(); ++c) {
        const QStringList &entries = categories[c].entries;
        for (int row = 0; row < entries.size(); ++row) {
            auto *item = new QStandardItem(entries[row] + QStringLiteral(" — ") + Ui::tr(categories[c].caption));
            item->setData(entries[row], NameRole);
            item->setData(SearchKeys(entries[row]).join(QLatin1Char('\n')), KeysRole);
            item->setData(c, CategoryRole);
            item->setData(row, RowRole);
            item->setEditable(false);
            model->appendRow(item);
        }
    }
    return model;
}

// Matches on the keys, but a pick puts the entry's name in the field.
class EntryCompleter : public QCompleter {
public:
    using QCompleter::QCompleter;
    QString pathFromIndex(const QModelIndex &index) const override { return index.data(NameRole).toString(); }
};

} // namespace

UnitSearch::UnitSearch(QWidget *parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("Search"));
    setPlaceholderText(Ui::tr("搜索单位名称"));
    setAccessibleName(placeholderText());
    setClearButtonEnabled(true);

    auto *completer = new EntryCompleter(EntryModel(this), this);
    completer->setCompletionRole(KeysRole);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setMaxVisibleItems(15);
    setCompleter(completer);
    // Made now, so that the popup is hidden on a pick before `found` is sent
    // and whoever takes the focus then keeps it.
    completer->popup();
    connect(completer, qOverload<const QModelIndex &>(&QCompleter::activated), this, [this](const QModelIndex &index) {
        Q_EMIT found(index.data(CategoryRole).toInt(), index.data(RowRole).toInt());
    });
    connect(this, &QLineEdit::textEdited, this, [this, completer](const QString &text) {
        bool none = false;
        if (!text.isEmpty()) {
            completer->setCompletionPrefix(text);
            none = completer->completionCount() == 0;
        }
        if (none != nothingFound_) {
            nothingFound_ = none;
            Q_EMIT nothingFound(none);
        }
    });
}

void UnitSearch::keyPressEvent(QKeyEvent *event)
{
    // While the matches are shown, the completer takes Enter for the
    // highlighted one once this field has passed it up.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || completer()->popup()->isVisible()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Otherwise Enter would reach the dialog and press OK on whatever happens
    // to be shown, most likely nothing; it offers the matches again instead.
    event->accept();
    if (!text().isEmpty()) {
        completer()->setCompletionPrefix(text());
        completer()->complete();
    }
}

} // namespace quorlin
