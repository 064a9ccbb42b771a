#include "ui/form_kit.h"

#include "core/controls.h"
#include "core/ui_text.h"
#include "names/terrain_names.h"
#include "ui/accessible_text.h"
#include "ui/legible_colours.h"
#include "ui/model_binder.h"
#include "ui/reading_order.h"
#include "wizard/wizard_model.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSlider>
#include <QToolTip>
#include <QVBoxLayout>

namespace quorlin {

namespace {

// The map sizes and their factors, as the game lists them.
const char *const kScaleTip =
    QT_TRANSLATE_NOOP("Quorlin", "\r\n 微型：0.5 \r\n 小型：0.9 \r\n 中型：1.4 \r\n 正常：2.1 \r\n"
                                 " 大型：4.0 \r\n 巨型：6.2 \r\n");

const char *const kAddNote = QT_TRANSLATE_NOOP("Quorlin", "注：参数设定好后，一定要点“添加”才能生效。");

// A click only ever ticks or clears. A grey box (value 2, which only a draft
// brings) counts as ticked, and a click makes it plainly ticked, as a native
// auto check box does with its indeterminate state; the next click clears it.
class SettingCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override { setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked); }
};

QString Caption(const char *name)
{
    const ControlDef *def = FindControl(QString::fromLatin1(name));
    return def && *def->caption ? Ui::tr(def->caption) : QString();
}

template <class W>
W *Named(W *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

QCheckBox *FormKit::check(const char *name)
{
    auto *box = Named(new SettingCheckBox(Caption(name)), name);
    binder_.bindCheck(box);
    return box;
}

QRadioButton *FormKit::option(const char *name)
{
    auto *button = Named(new QRadioButton(Caption(name)), name);
    binder_.bindOption(button);
    return button;
}

QSlider *FormKit::slider(const char *name)
{
    auto *slider = Named(new QSlider(Qt::Horizontal), name);
    if (const ControlDef *def = FindControl(slider->objectName())) {
        slider->setRange(def->min, def->max);
        slider->setSingleStep(def->smallStep);
        slider->setPageStep(def->largeStep);
        slider->setValue(def->defaultNumber);
    }
    slider->setMinimumWidth(160);
    binder_.bindSlider(slider);
    return slider;
}

// A slider whose value the page does not show tells it in a tooltip, at once
// while it is dragged or moved by keys, and on hover afterwards.
static void TellValue(QSlider *slider)
{
    auto tell = [slider](int value) {
        slider->setToolTip(QString::number(value));
        if (slider->isVisible() && (slider->isSliderDown() || slider->hasFocus())) {
            const QPoint at = slider->mapToGlobal(QPoint(0, -slider->height()));
            QToolTip::showText(at, slider->toolTip(), slider);
        }
    };
    QObject::connect(slider, &QSlider::valueChanged, slider, tell);
    slider->setToolTip(QString::number(slider->value()));
}

QLineEdit *FormKit::text(const char *name, int width)
{
    auto *edit = Named(new QLineEdit, name);
    // Room for six digits whatever the size of the text.
    edit->setFixedWidth(qMax(width, edit->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 14));
    binder_.bindText(edit);
    return edit;
}

QComboBox *FormKit::combo(const char *name)
{
    auto *combo = Named(new QComboBox, name);
    const ControlDef *def = FindControl(combo->objectName());
    const bool editable = def && def->kind == ControlKind::EditableList;
    combo->setEditable(editable);
    combo->addItems(ListEntries(combo->objectName()));
    if (editable) {
        // Whatever is typed stays exactly as typed: no completion, and Enter
        // does not add it to the list.
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
    }
    // Filling a list chooses nothing; the text is the model's, set at the first sync.
    combo->setCurrentIndex(-1);
    if (!editable) {
        // Nothing chosen is a choice too (no height limit, no player): a blank
        // first entry, or Delete or Backspace, takes the list back to it.
        combo->insertItem(0, QString());
        for (const QKeySequence &key : {QKeySequence(Qt::Key_Delete), QKeySequence(Qt::Key_Backspace)}) {
            auto *clear = new QShortcut(key, combo, nullptr, nullptr, Qt::WidgetShortcut);
            QObject::connect(clear, &QShortcut::activated, combo, [combo] { combo->setCurrentIndex(0); });
        }
    }
    combo->setMinimumContentsLength(editable ? 8 : 2);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMaxVisibleItems(16);
    binder_.bindCombo(combo);
    return combo;
}

QListWidget *FormKit::list(const char *name)
{
    auto *list = Named(new QListWidget, name);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    binder_.bindList(list);
    return list;
}

QLabel *FormKit::label(const char *name, const QString &caption)
{
    auto *label = Named(new QLabel(caption), name);
    binder_.track(label);
    return label;
}

QLabel *FormKit::title(const char *name, const QString &caption)
{
    QLabel *title = label(name, caption);
    QFont font = title->font();
    // 20 points beside the usual 9, and as much larger with larger text.
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * 20 / 9);
    else
        font.setPixelSize(font.pixelSize() * 20 / 9);
    font.setItalic(true);
    title->setFont(font);
    title->setProperty(kPageTitle, true);
    return title;
}

QLabel *FormKit::note(const char *name)
{
    QLabel *note = label(name, Ui::tr(kAddNote));
    ApplyTint(note, Tint::Note);
    return note;
}

QLabel *FormKit::scaleFactor(const char *name)
{
    QLabel *scale = label(name, Ui::tr("比例系数"));
    QFont font = scale->font();
    font.setUnderline(true);
    scale->setFont(font);
    ApplyTint(scale, Tint::Link);
    scale->setToolTip(Ui::tr(kScaleTip));
    return scale;
}

QLabel *FormKit::valueLabel(const char *name)
{
    auto *label = Named(new QLabel, name);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("100%")) + 4);
    binder_.trackCaption(label);
    return label;
}

QLabel *FormKit::display(const char *name)
{
    // It holds a setting but takes no input: a sunken caption that only the program writes.
    auto *shown = Named(new QLabel, name);
    shown->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    shown->setMinimumWidth(160);
    binder_.trackCaption(shown);
    return shown;
}

QPushButton *FormKit::button(const char *name, const QString &caption)
{
    auto *button = Named(new QPushButton(caption), name);
    // Enter presses the focused button, as Space does.
    button->setAutoDefault(true);
    binder_.track(button);
    return button;
}

QPushButton *FormKit::modelButton(const char *name, const QString &caption)
{
    QPushButton *pushed = button(name, caption);
    ModelBinder *binder = &binder_;
    QObject::connect(pushed, &QPushButton::clicked, pushed, [binder, pushed] { binder->click(pushed->objectName()); });
    return pushed;
}

QGroupBox *FormKit::addedItems(const char *frameName, const QString &title, const char *listName, const char *all,
                               const char *none, const char *remove)
{
    QGroupBox *box = frame(frameName, title);
    auto *column = new QVBoxLayout(box);
    QListWidget *lines = list(listName);
    column->addWidget(lines, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(modelButton(all, Ui::tr("全选")));
    buttons->addWidget(modelButton(none, Ui::tr("全不选")));
    QPushButton *removeButton = modelButton(remove, Ui::tr("删除"));
    buttons->addWidget(removeButton);
    // Delete in the list deletes its selected lines, as the button does.
    auto *deleteKey = new QShortcut(QKeySequence::Delete, lines, nullptr, nullptr, Qt::WidgetShortcut);
    QObject::connect(deleteKey, &QShortcut::activated, removeButton, &QPushButton::click);
    column->addLayout(buttons);
    return box;
}

QVBoxLayout *FormKit::itemsColumn(const char *add, const char *frameName, const QString &title, const char *listName,
                                  const char *all, const char *none, const char *remove)
{
    auto *side = new QVBoxLayout;
    side->addLayout(Row({modelButton(add, Ui::tr("添加"))}));
    side->addWidget(addedItems(frameName, title, listName, all, none, remove), 1);
    return side;
}

QGroupBox *FormKit::frame(const char *name, const QString &title)
{
    auto *frame = Named(new QGroupBox(title), name);
    binder_.track(frame);
    return frame;
}

QWidget *FormKit::sliderWithValue(const char *sliderName, const char *valueName)
{
    auto *box = new QWidget;
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    QSlider *bar = slider(sliderName);
    QLabel *value = valueLabel(valueName);
    row->addWidget(bar, 1);
    row->addWidget(value);
    binder_.describe(bar, [value] { return value->text(); });
    return box;
}

QWidget *FormKit::sliderWithEnds(const char *sliderName, const char *low, const QString &lowText, const char *high,
                                 const QString &highText, const char *value)
{
    auto *box = new QWidget;
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto *column = new QVBoxLayout;
    column->setSpacing(0);
    QSlider *bar = slider(sliderName);
    column->addWidget(bar);
    auto *ends = new QHBoxLayout;
    QLabel *lowEnd = label(low, lowText);
    QLabel *highEnd = label(high, highText);
    ends->addWidget(lowEnd);
    ends->addStretch();
    ends->addWidget(highEnd);
    column->addLayout(ends);
    row->addLayout(column, 1);
    QLabel *shown = value ? valueLabel(value) : nullptr;
    // "较模糊 … 较直", and the value where the page shows it.
    binder_.describe(bar, [lowEnd, highEnd, shown] {
        const QString ends = Ui::tr("%1 … %2").arg(lowEnd->text(), highEnd->text());
        return shown ? Ui::tr("%1，%2").arg(ends, shown->text()) : ends;
    });
    if (shown) {
        row->addWidget(shown, 0, Qt::AlignTop);
    } else {
        TellValue(bar);
        // As wide as a value label, so that all sliders of a form end in one line.
        auto *gap = new QWidget;
        gap->setFixedWidth(gap->fontMetrics().horizontalAdvance(QStringLiteral("100%")) + 4);
        row->addWidget(gap);
    }
    return box;
}

QHBoxLayout *FormKit::scaled(const char *field, const char *times, const char *scale)
{
    QLineEdit *edit = text(field);
    QLabel *sign = label(times, QStringLiteral("×"));
    QLabel *factor = scaleFactor(scale);
    binder_.describe(edit, [sign, factor] { return sign->text() + Spoken(factor); });
    return Row({edit, sign, factor});
}

void FormKit::addRow(QGridLayout *grid, int row, QLabel *caption, QWidget *field, int span)
{
    grid->addWidget(caption, row, 0);
    // Sliders take the width of the form; lists and fields keep their own.
    const bool wide = !qobject_cast<QComboBox *>(field) && !qobject_cast<QLineEdit *>(field);
    grid->addWidget(field, row, 1, 1, span, wide ? Qt::Alignment() : Qt::AlignLeft);
}

QHBoxLayout *Row(std::initializer_list<QWidget *> widgets, bool trailingStretch)
{
    auto *row = new QHBoxLayout;
    for (QWidget *w : widgets) {
        if (w)
            row->addWidget(w);
        else
            row->addStretch();
    }
    if (trailingStretch)
        row->addStretch();
    return row;
}

} // namespace quorlin
