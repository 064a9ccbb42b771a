#include "ui/field_marker.h"

#include "core/settings.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace quorlin {

namespace {

const char *const kMarkName = "FieldMark";
const char *const kTipProperty = "quorlinMarkTip";
const char *const kOwnTipProperty = "quorlinOwnTip";

// The sign: a red disc with a white "!", drawn here rather than loaded, so
// that no picture format is read for it. Red on white and on a dark field alike.
QIcon MarkIcon()
{
    static const QIcon icon = [] {
        QIcon made;
        for (const int size : {16, 24, 32}) {
            QPixmap picture(size, size);
            picture.fill(Qt::transparent);
            QPainter p(&picture);
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(Qt::white, size / 16.0));
            p.setBrush(QColor(0xc6, 0x28, 0x28));
            p.drawEllipse(QRectF(picture.rect()).adjusted(1, 1, -1, -1));
            p.setPen(QPen(Qt::white, size / 7.0, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(size / 2.0, size * 0.27), QPointF(size / 2.0, size * 0.56));
            p.drawPoint(QPointF(size / 2.0, size * 0.74));
            made.addPixmap(picture);
        }
        return made;
    }();
    return icon;
}

QLineEdit *EditOf(QWidget *control)
{
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        return edit;
    auto *combo = qobject_cast<QComboBox *>(control);
    return combo ? combo->lineEdit() : nullptr;
}

// The sign of a control without a text part of its own: a child at its
// right end (left of a list's arrow), kept there as the control changes size.
class Badge : public QLabel {
public:
    explicit Badge(QWidget *control) : QLabel(control)
    {
        setObjectName(QString::fromLatin1(kMarkName));
        const int side = control->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, control);
        setPixmap(MarkIcon().pixmap(side, side));
        setFixedSize(side, side);
        control->installEventFilter(this);
        place();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent() && event->type() == QEvent::Resize)
            place();
        return QLabel::eventFilter(watched, event);
    }

private:
    void place()
    {
        auto *control = parentWidget();
        int right = control->width() - 4;
        if (auto *combo = qobject_cast<QComboBox *>(control)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            right = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, combo).left()
                    - 2;
        }
        move(right - width(), (control->height() - height()) / 2);
    }
};

} // namespace

void ShowMark(QWidget *control, const FieldMark &mark)
{
    if (control->property(kTipProperty).toString() == mark.tip && control->property(kTipProperty).isValid())
        return;
    if (!control->property(kOwnTipProperty).isValid())
        control->setProperty(kOwnTipProperty, control->toolTip());
    control->setProperty(kTipProperty, mark.tip);

    const QString own = control->property(kOwnTipProperty).toString();
    control->setToolTip(own.isEmpty() || mark.tip.isEmpty() ? own + mark.tip : own + QLatin1Char('\n') + mark.tip);

    QLineEdit *edit = EditOf(control);
    auto *action =
        edit ? edit->findChild<QAction *>(QString::fromLatin1(kMarkName), Qt::FindDirectChildrenOnly) : nullptr;
    auto *badge =
        edit ? nullptr : control->findChild<Badge *>(QString::fromLatin1(kMarkName), Qt::FindDirectChildrenOnly);
    if (!mark.marked()) {
        if (action)
            action->setVisible(false);
        if (badge)
            badge->hide();
        return;
    }
    if (edit) {
        if (!action) {
            action = new QAction(MarkIcon(), QString(), edit);
            action->setObjectName(QString::fromLatin1(kMarkName));
            edit->addAction(action, QLineEdit::TrailingPosition);
        }
        action->setToolTip(mark.tip);
        action->setVisible(true);
    } else {
        if (!badge)
            badge = new Badge(control);
        badge->setToolTip(mark.tip);
        badge->show();
    }
}

QString MarkText(const QWidget *control) { return control->property(kTipProperty).toString(); }

void FieldMarker::watch(QWidget *control)
{
    controls_.insert(control->objectName(), control);
    fresh_ = false;
}

void FieldMarker::refresh(const Settings &settings, qint64 xn)
{
    if (fresh_ && settings.revision() == revision_ && xn == xn_)
        return;
    fresh_ = true;
    revision_ = settings.revision();
    xn_ = xn;
    QHash<QString, FieldMark> marks;
    for (const FieldMark &mark : JudgeFields(settings, xn))
        marks.insert(mark.field, mark);
    for (auto it = controls_.cbegin(); it != controls_.cend(); ++it)
        if (it.value())
            ShowMark(it.value(), marks.value(it.key(), FieldMark{it.key(), {}, {}, {}}));
}

} // namespace quorlin
