#include "ui/script_completer.h"

#include "core/ui_text.h"
#include "lang/vocabulary.h"
#include "ui/script_edit.h"
#include "ui/script_outline.h"
#include "ui/word_meaning.h"

#include <QAbstractTableModel>
#include <QCompleter>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTreeView>

#include <algorithm>
#include <functional>

namespace quorlin {

namespace {

using lang::WordKind;

// One name the list may offer, with a line of its meaning.
struct Entry {
    QString name;
    QString brief;
    const lang::WordInfo *word = nullptr; // for a word of the tables
    WordKind kind = WordKind::Unknown;    // Constant and Label for those, Unknown for the file's own
    lang::Dialect dialect = lang::Dialect::Classic;
    ScriptOutline::NameKind own = ScriptOutline::NameKind::Const;
};

// Every word, constant and label of the tables, in the order the list shows
// them; made once.
const std::vector<Entry> &TableEntries()
{
    static const std::vector<Entry> entries = [] {
        std::vector<Entry> all;
        for (const QString &name : lang::AllNames()) {
            Entry e{name, {}, lang::FindWord(name)};
            if (e.word) {
                e.brief = BriefOf(*e.word);
                e.kind = e.word->kind;
                e.dialect = e.word->dialect;
            } else if (const lang::ConstantInfo *constant = lang::FindConstant(name)) {
                e.brief = BriefOf(*constant);
                e.kind = WordKind::Constant;
                e.dialect = constant->dialect;
            } else if (const lang::LabelInfo *label = lang::FindLabel(name)) {
                e.brief = BriefOf(*label);
                e.kind = WordKind::Label;
                e.dialect = label->dialect;
            }
            all.push_back(std::move(e));
        }
        std::stable_sort(all.begin(), all.end(), [](const Entry &a, const Entry &b) {
            return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
        });
        return all;
    }();
    return entries;
}

// What the place of the word being typed asks for.
struct Want {
    enum { Labels, Constants, OwnConstants, Block, Section, Start } what = Start;
    QString where; // the block's command or the section's header
};

// Whether an entry is one of the words that fit the place.
bool Fits(const Entry &e, const Want &want)
{
    using Own = ScriptOutline::NameKind;
    const bool own = e.kind == WordKind::Unknown;
    switch (want.what) {
    case Want::Labels: return e.kind == WordKind::Label || (own && e.own == Own::Define);
    case Want::Constants: return e.kind == WordKind::Constant || (own && e.own != Own::Define);
    case Want::OwnConstants: return own && e.own == Own::Const;
    case Want::Block: return e.kind == WordKind::Flow || (e.word && e.word->where.contains(want.where));
    case Want::Section:
        if (e.kind == WordKind::Flow || e.kind == WordKind::Directive || e.kind == WordKind::Section)
            return true;
        return e.word && e.kind != WordKind::Attribute && e.word->where.contains(want.where);
    case Want::Start: return e.kind == WordKind::Section || e.kind == WordKind::Directive;
    }
    return false;
}

// The word before `start` on the line, or nothing.
QString WordBefore(QStringView line, int start)
{
    int end = start;
    while (end > 0 && line[end - 1].isSpace())
        --end;
    if (end == 0)
        return {};
    const WordSpan span = WordAt(line, end);
    return line.sliced(span.start, end - span.start).toString();
}

// Whether the word before makes up a new name or names a file, where no
// list should get in the way.
bool MakesName(const QString &before)
{
    const lang::WordInfo *info = lang::FindWord(before);
    return info && !info->args.empty()
           && (info->args[0].kind == lang::ArgKind::Name || info->args[0].kind == lang::ArgKind::File);
}

// A word that may become a name: not a number, an expression or a mark.
bool StartsName(QChar c) { return c.isLetter() || c == u'_' || c == u'#' || c == u'<'; }

} // namespace

// The list's rows: the entries of the tables and the file's own names, in
// the order of the place; the name and its meaning as two columns.
class CompletionModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    // The file's own names and the tables' entries, ordered by `rank` (lower
    // first); own names stand ahead of the tables' within each rank.
    void set(std::vector<Entry> own, const ScriptOutline &outline, const std::function<int(const Entry &)> &rank)
    {
        beginResetModel();
        own_ = std::move(own);
        rows_.clear();
        rows_.reserve(TableEntries().size() + own_.size());
        for (const Entry &e : own_)
            rows_.push_back(&e);
        for (const Entry &e : TableEntries())
            rows_.push_back(&e);
        std::stable_sort(rows_.begin(), rows_.end(),
                         [&](const Entry *a, const Entry *b) { return rank(*a) < rank(*b); });
        outline_ = outline;
        endResetModel();
    }

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(rows_.size()); }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : 2; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= int(rows_.size()))
            return {};
        const Entry &e = *rows_[size_t(index.row())];
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return index.column() == 0 ? e.name : e.brief;
        if (role == Qt::ToolTipRole)
            return MeaningOf(e.name, outline_);
        return {};
    }

private:
    std::vector<Entry> own_;
    std::vector<const Entry *> rows_;
    ScriptOutline outline_;
};

ScriptCompleter::ScriptCompleter(ScriptEdit *edit, std::function<lang::Dialect()> dialect)
    : QObject(edit), edit_(edit), dialect_(std::move(dialect)), model_(new CompletionModel(this)),
      completer_(new QCompleter(this))
{
    auto *view = new QTreeView;
    view->setObjectName(QStringLiteral("CompletionList"));
    view->setAccessibleName(Ui::tr("可选的词"));
    view->header()->hide();
    view->setRootIsDecorated(false);
    view->setUniformRowHeights(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setTextElideMode(Qt::ElideRight);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    completer_->setPopup(view); // the completer owns it
    completer_->setModel(model_);
    completer_->setWidget(edit);
    completer_->setCaseSensitivity(Qt::CaseInsensitive);
    completer_->setModelSorting(QCompleter::UnsortedModel);
    completer_->setCompletionMode(QCompleter::PopupCompletion);
    completer_->setMaxVisibleItems(10);
    completer_->setWrapAround(false);
    connect(completer_, qOverload<const QString &>(&QCompleter::activated), this, &ScriptCompleter::insert);
}

bool ScriptCompleter::isOpen() const { return completer_->popup()->isVisible(); }

bool ScriptCompleter::keyBefore(QKeyEvent *event)
{
    // Alt+/ for those whose input method takes Ctrl+Space.
    if ((event->key() == Qt::Key_Space && event->modifiers().testFlag(Qt::ControlModifier))
        || (event->key() == Qt::Key_Slash && event->modifiers().testFlag(Qt::AltModifier))) {
        offer();
        return true;
    }
    if (!isOpen())
        return false;
    switch (event->key()) {
    case Qt::Key_Enter:
    case Qt::Key_Return:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape: event->ignore(); return true;
    default: return false;
    }
}

void ScriptCompleter::keyAfter(QKeyEvent *event)
{
    const QString text = event->text();
    const bool typed = !text.isEmpty() && text.back().isPrint()
                       && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (typed && text.back().isSpace())
        completer_->popup()->hide();
    else if (isOpen())
        show(asked_);
    else if (typed)
        show(false);
}

void ScriptCompleter::show(bool asked)
{
    QAbstractItemView *popup = completer_->popup();
    const QTextCursor cursor = edit_->textCursor();
    const QTextBlock block = cursor.block();
    const QString line = block.text();
    const int column = cursor.positionInBlock();
    const WordSpan span = WordAt(line, column);
    const QString prefix = line.mid(span.start, column - span.start);
    const QString before = WordBefore(line, span.start);
    // Opening by itself: only at the end of a word that may become a name,
    // two letters long, outside comments.
    const bool worth = !cursor.hasSelection() && prefix.size() >= 2 && StartsName(prefix[0])
                       && column == span.start + span.length && !MakesName(before) && !InComment(block, column);
    const qsizetype wordStart = block.position() + span.start;
    // Typing on at the end of a word that matched nothing matches nothing.
    const bool fruitless = !isOpen() && wordStart == fruitlessAt_ && prefix.startsWith(fruitless_);
    if (!asked && (!worth || fruitless)) {
        popup->hide();
        return;
    }
    if (!isOpen() || asked != asked_)
        rank(before, wordStart);
    asked_ = asked;
    completer_->setCompletionPrefix(prefix);
    const int found = completer_->completionCount();
    if (found == 0 && !asked) {
        fruitless_ = prefix;
        fruitlessAt_ = wordStart;
    }
    if (found == 0 || (!asked && found == 1 && completer_->currentCompletion() == prefix)) {
        popup->hide();
        return;
    }
    popup->setCurrentIndex(completer_->completionModel()->index(0, 0));

    // The names' column as wide as the longest of the first rows.
    const QFontMetrics metrics(popup->font());
    int nameWidth = 0;
    for (int row = 0; row < qMin(found, 100); ++row)
        nameWidth =
            qMax(nameWidth, metrics.horizontalAdvance(completer_->completionModel()->index(row, 0).data().toString()));
    auto *view = static_cast<QTreeView *>(popup);
    view->setColumnWidth(0, qMin(nameWidth, metrics.averageCharWidth() * 32) + 3 * metrics.averageCharWidth());
    const int width = qMin(metrics.averageCharWidth() * 90, edit_->viewport()->width());
    QTextCursor startCursor(block);
    startCursor.setPosition(wordStart);
    QRect at = edit_->cursorRect(startCursor);
    at.moveTopLeft(at.topLeft() + edit_->viewport()->geometry().topLeft());
    at.setWidth(width + popup->verticalScrollBar()->sizeHint().width());
    completer_->complete(at);
}

void ScriptCompleter::rank(const QString &before, qsizetype wordStart)
{
    const ScriptOutline &outline = edit_->outline();
    std::vector<Entry> own;
    for (const ScriptOutline::Name &name : outline.names())
        if (name.offset != wordStart && outline.find(name.name) == &name)
            own.push_back({name.name, BriefOf(name), nullptr, WordKind::Unknown, lang::Dialect::Classic, name.kind});
    std::sort(own.begin(), own.end(),
              [](const Entry &a, const Entry &b) { return a.name.compare(b.name, Qt::CaseInsensitive) < 0; });
    Want want;
    const lang::WordInfo *head = lang::FindWord(before);
    const lang::ArgKind first = head && !head->args.empty() ? head->args[0].kind : lang::ArgKind::Name;
    if (head && first == lang::ArgKind::Flag)
        want.what = Want::Labels;
    else if (head && first == lang::ArgKind::Constant)
        want.what = Want::Constants;
    else if (head && (first == lang::ArgKind::Int || first == lang::ArgKind::Percent))
        want.what = Want::OwnConstants;
    else if (!(want.where = outline.blockAt(wordStart)).isEmpty())
        want.what = Want::Block;
    else if (!(want.where = outline.sectionAt(wordStart)).isEmpty())
        want.what = Want::Section;
    const lang::Dialect dialect = dialect_();
    // The words that fit first, then the rest, then those of a newer edition.
    model_->set(std::move(own), outline, [&](const Entry &e) {
        return e.dialect > dialect ? 2 : Fits(e, want) ? 0 : 1;
    });
}

void ScriptCompleter::insert(const QString &completion)
{
    QTextCursor cursor = edit_->textCursor();
    const QTextBlock block = cursor.block();
    const WordSpan span = WordAt(block.text(), cursor.positionInBlock());
    cursor.setPosition(block.position() + span.start);
    cursor.setPosition(block.position() + span.start + span.length, QTextCursor::KeepAnchor);
    cursor.insertText(completion);
    edit_->setTextCursor(cursor);
}

} // namespace quorlin
