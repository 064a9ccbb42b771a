#include "ui/page_split.h"

#include "core/ui_text.h"

#include <QEvent>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>

namespace quorlin {

PageSplit::PageSplit(QScrollArea *pages, QWidget *parent)
    : QWidget(parent), pages_(pages), splitter_(new QSplitter(this)), note_(new QLabel(this))
{
    setObjectName(QStringLiteral("PageSplit"));
    splitter_->setObjectName(QStringLiteral("PageSplitter"));
    splitter_->setChildrenCollapsible(false);
    splitter_->addWidget(pages_);
    splitter_->setStretchFactor(0, 0);
    pages_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A page that grows (a longer value label, a page built later) may need more width.
    pages_->widget()->installEventFilter(this);
    note_->setObjectName(QStringLiteral("PreviewHiddenNote"));
    note_->setText(Ui::tr("窗口太小，放不下预览；把窗口放大即可看到。"));
    note_->setWordWrap(true);
    note_->hide();
    connect(splitter_, &QSplitter::splitterMoved, this, [this] {
        if (place_ == Place::Beside && preview_)
            previewWidth_ = preview_->width();
    });
}

void PageSplit::setPreview(QWidget *preview)
{
    if (preview_)
        return;
    preview_ = preview;
    splitter_->addWidget(preview);
    splitter_->setStretchFactor(1, 1);
    preview->hide();
    arrange();
}

void PageSplit::setPreviewWanted(bool wanted)
{
    wanted_ = wanted;
    arrange();
}

int PageSplit::previewWidth() const { return place_ == Place::Beside && preview_ ? preview_->width() : previewWidth_; }

int PageSplit::besideWidth() const { return previewWidth() + splitter_->handleWidth(); }

int PageSplit::pagesWidth() const
{
    const QWidget *inside = pages_->widget();
    return (inside ? inside->minimumSizeHint().width() : 0) + pages_->verticalScrollBar()->sizeHint().width()
           + 2 * pages_->frameWidth();
}

QSize PageSplit::sizeHint() const
{
    QSize size = pages_->sizeHint().expandedTo(QSize(pagesWidth(), 0));
    if (wanted_)
        size.rwidth() += besideWidth();
    return size;
}

QSize PageSplit::minimumSizeHint() const { return QSize(pagesWidth(), pages_->minimumSizeHint().height()); }

PageSplit::Place PageSplit::fittingPlace() const
{
    if (!wanted_ || !preview_)
        return Place::Hidden;
    const int handle = splitter_->handleWidth();
    if (width() >= pagesWidth() + handle + kBesideWidth)
        return Place::Beside;
    if (height() >= kPagesHeight + handle + kBelowHeight)
        return Place::Below;
    return Place::Hidden;
}

void PageSplit::arrange()
{
    const Place place = fittingPlace();
    const bool moved = place != place_;
    place_ = place;
    const int need = pagesWidth();
    if (pages_->minimumWidth() != need) {
        pages_->setMinimumWidth(need);
        updateGeometry();
    }
    const bool noted = wanted_ && preview_ && place == Place::Hidden;
    note_->setVisible(noted);
    const int noteHeight = noted ? note_->heightForWidth(width()) : 0;
    const int handle = splitter_->handleWidth();
    const int high = height() - noteHeight;
    if (preview_) {
        preview_->setVisible(place != Place::Hidden);
        if (place == Place::Beside) {
            splitter_->setOrientation(Qt::Horizontal);
            pages_->setMinimumHeight(0);
            preview_->setMinimumSize(kBesideWidth, 0);
        } else if (place == Place::Below) {
            splitter_->setOrientation(Qt::Vertical);
            pages_->setMinimumHeight(kPagesHeight);
            preview_->setMinimumSize(0, kBelowHeight);
        }
    }
    splitter_->setGeometry(0, 0, width(), high);
    note_->setGeometry(0, high, width(), noteHeight);
    if (moved && place == Place::Beside) {
        // As wide as the user left it, and wider where the pages would only grow emptier.
        const int natural = pages_->widget()->sizeHint().width() + need - pages_->widget()->minimumSizeHint().width();
        const int beside =
            qBound(int(kBesideWidth), qMax(previewWidth_, width() - handle - natural), width() - need - handle);
        splitter_->setSizes({width() - handle - beside, beside});
    } else if (moved && place == Place::Below) {
        const int below = qBound(int(kBelowHeight), high * 2 / 5, high - kPagesHeight - handle);
        splitter_->setSizes({high - handle - below, below});
    }
}

void PageSplit::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    arrange();
}

bool PageSplit::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::LayoutRequest && pages_->minimumWidth() != pagesWidth())
        arrange();
    return QWidget::eventFilter(watched, event);
}

} // namespace quorlin
