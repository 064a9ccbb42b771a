#include "ui/script_edit.h"

#include "ui/script_completer.h"
#include "ui/word_meaning.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QTextBlock>
#include <QToolTip>

namespace quorlin {

namespace {

// The underline colour for warnings: amber on a light background, a lighter
// yellow on a dark one; errors are red on both, remarks blue.
QColor MarkColour(lang::Severity severity, bool dark)
{
    switch (severity) {
    case lang::Severity::Error: return dark ? QColor(0xff6b6b) : QColor(0xd00000);
    case lang::Severity::Warning: return dark ? QColor(0xffd24d) : QColor(0xc08000);
    case lang::Severity::Info: break;
    }
    return dark ? QColor(0x8ab4ff) : QColor(0x2060c0);
}

} // namespace

// The line numbers, painted by the box beside its text.
class LineGutter : public QWidget {
public:
    explicit LineGutter(ScriptEdit *edit) : QWidget(edit), edit_(edit) {}
    QSize sizeHint() const override { return {edit_->gutterWidth(), 0}; }

protected:
    void paintEvent(QPaintEvent *event) override { edit_->paintGutter(event); }

private:
    ScriptEdit *edit_;
};

ScriptEdit::ScriptEdit(QWidget *parent) : QPlainTextEdit(parent), gutter_(new LineGutter(this))
{
    connect(this, &QPlainTextEdit::blockCountChanged, this, &ScriptEdit::updateGutterWidth);
    connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect &rect, int dy) {
        if (dy)
            gutter_->scroll(0, dy);
        else
            gutter_->update(0, rect.y(), gutter_->width(), rect.height());
    });
    connect(document(), &QTextDocument::contentsChanged, this, [this] { outlineStale_ = true; });
    updateGutterWidth();
}

int ScriptEdit::gutterWidth() const
{
    const int digits = QString::number(qMax(1, blockCount())).size();
    return 8 + fontMetrics().horizontalAdvance(QLatin1Char('9')) * qMax(3, digits);
}

void ScriptEdit::updateGutterWidth() { setViewportMargins(gutterWidth(), 0, 0, 0); }

void ScriptEdit::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    const QRect inside = contentsRect();
    gutter_->setGeometry(inside.left(), inside.top(), gutterWidth(), inside.height());
}

void ScriptEdit::changeEvent(QEvent *event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateGutterWidth();
}

void ScriptEdit::paintGutter(QPaintEvent *event)
{
    QPainter painter(gutter_);
    painter.fillRect(event->rect(), palette().color(QPalette::AlternateBase));
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.setFont(font());
    const int right = gutter_->width() - 4;
    const int lineHeight = fontMetrics().height();
    QTextBlock block = firstVisibleBlock();
    int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    while (block.isValid() && top <= event->rect().bottom()) {
        const int bottom = top + qRound(blockBoundingRect(block).height());
        if (block.isVisible() && bottom >= event->rect().top())
            painter.drawText(0, top, right, lineHeight, Qt::AlignRight, QString::number(block.blockNumber() + 1));
        block = block.next();
        top = bottom;
    }
}

QTextCursor ScriptEdit::cursorFor(const lang::Problem &problem) const
{
    const QTextBlock block = document()->findBlockByNumber(qMax(0, problem.line - 1));
    if (!block.isValid())
        return {};
    // A problem may point past a line that has changed since: keep it inside.
    const int inLine = qBound(0, problem.column - 1, block.length() - 1);
    const int length = qBound(0, problem.length, block.length() - 1 - inLine);
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + inLine);
    cursor.setPosition(block.position() + inLine + length, QTextCursor::KeepAnchor);
    return cursor;
}

void ScriptEdit::showProblems(const QVector<lang::Problem> &problems)
{
    const bool dark = palette().color(QPalette::Base).lightnessF() < 0.5;
    marks_.clear();
    markMessages_.clear();
    for (const lang::Problem &problem : problems) {
        QTextEdit::ExtraSelection mark;
        mark.cursor = cursorFor(problem);
        if (mark.cursor.isNull())
            continue;
        mark.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        mark.format.setUnderlineColor(MarkColour(problem.severity, dark));
        marks_ << mark;
        markMessages_ << problem.message;
    }
    setExtraSelections(marks_);
}

QString ScriptEdit::problemAt(const QPoint &viewportPoint) const
{
    const int at = cursorForPosition(viewportPoint).position();
    // The marks as they are now: their cursors follow the edits.
    const QList<QTextEdit::ExtraSelection> marks = extraSelections();
    for (int i = 0; i < marks.size() && i < markMessages_.size(); ++i) {
        const QTextCursor &c = marks[i].cursor;
        if (c.selectionStart() <= at && at < qMax(c.selectionEnd(), c.selectionStart() + 1))
            return markMessages_[i];
    }
    return {};
}

const ScriptOutline &ScriptEdit::outline() const
{
    if (outlineStale_) {
        outline_ = ScriptOutline::Scan(toPlainText());
        outlineStale_ = false;
    }
    return outline_;
}

QString ScriptEdit::meaningAt(const QPoint &viewportPoint) const
{
    const QTextCursor at = cursorForPosition(viewportPoint);
    const QTextBlock block = at.block();
    const QString line = block.text();
    const WordSpan span = WordAt(line, at.positionInBlock());
    if (span.length == 0 || InComment(block, span.start))
        return {};
    // Only over the word itself, not beside the end of its line.
    QTextCursor edge(block);
    edge.setPosition(block.position() + span.start);
    const int left = cursorRect(edge).left();
    edge.setPosition(block.position() + span.start + span.length);
    if (viewportPoint.x() < left || viewportPoint.x() > cursorRect(edge).right())
        return {};
    return MeaningOf(QStringView(line).sliced(span.start, span.length), outline());
}

QString ScriptEdit::toolTipAt(const QPoint &viewportPoint) const
{
    const QString problem = problemAt(viewportPoint);
    const QString meaning = meaningAt(viewportPoint);
    if (meaning.isEmpty() || problem.isEmpty())
        return meaning.isEmpty() ? problem : meaning;
    return problem.toHtmlEscaped() + QStringLiteral("<hr>") + meaning;
}

void ScriptEdit::keyPressEvent(QKeyEvent *event)
{
    if (completer_ && completer_->keyBefore(event))
        return;
    QPlainTextEdit::keyPressEvent(event);
    if (completer_)
        completer_->keyAfter(event);
}

bool ScriptEdit::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const QString message = toolTipAt(help->pos());
        if (message.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), message, viewport());
        return true;
    }
    return QPlainTextEdit::viewportEvent(event);
}

void ScriptEdit::goTo(const lang::Problem &problem)
{
    const QTextCursor cursor = cursorFor(problem);
    if (cursor.isNull())
        return;
    setTextCursor(cursor);
    centerCursor();
    setFocus(Qt::OtherFocusReason);
}

bool ScriptEdit::canInsertFromMimeData(const QMimeData *source) const { return source && source->hasText(); }

void ScriptEdit::insertFromMimeData(const QMimeData *source)
{
    if (!source || !source->hasText())
        return;
    const QString text = source->text();
    if (!text.isEmpty())
        insertPlainText(text);
}

} // namespace quorlin
