#include "ui/unit_picker.h"

#include "core/ui_text.h"
#include "names/picker_lists.h"
#include "ui/accessible_text.h"
#include "ui/field_marker.h"
#include "ui/unit_search.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quorlin {

namespace {

// Where each category stands: three rows of options, each with its chooser
// directly below it; the typed unit ID comes last, under the rows.
struct Place {
    int row, column;
};

Place PlaceOf(int category) // category 0 is Option1
{
    const int option = category + 1;
    if (option <= 5)
        return {0, option - 1};
    if (option <= 9)
        return {2, option - 6};
    return {4, option - 11}; // Option11 to Option14; Option10 is placed apart
}

QWidget *Named(QWidget *w, const QString &name)
{
    w->setObjectName(name);
    return w;
}

} // namespace

UnitPicker::UnitPicker(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(Ui::tr("选择单位类型"));

    auto *search = new UnitSearch;
    connect(search, &UnitSearch::found, this, &UnitPicker::pickFound);
    // Said beside the field, and told to a screen reader as the field's description.
    auto *notFound = static_cast<QLabel *>(Named(new QLabel(Ui::tr("没有找到")), QStringLiteral("NotFound")));
    notFound->hide();
    connect(search, &UnitSearch::nothingFound, notFound, [search, notFound](bool none) {
        notFound->setVisible(none);
        search->setAccessibleDescription(none ? notFound->text() : QString());
    });
    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(search, 1);
    searchRow->addWidget(notFound);

    auto *grid = new QGridLayout;
    auto *typedRow = new QHBoxLayout;
    QHash<QString, QWidget *> byName;
    const auto &categories = PickerCategories();
    for (int i = 0; i < categories.size(); ++i) {
        const PickerCategory &c = categories[i];
        auto *option = static_cast<QRadioButton *>(Named(new QRadioButton(Ui::tr(c.caption)), c.option));
        QWidget *chooser;
        if (c.entries.isEmpty()) {
            // A typed unit the tables do not know is marked as it is typed.
            auto *typed = static_cast<QLineEdit *>(Named(new QLineEdit, c.chooser));
            connect(typed, &QLineEdit::textChanged, typed, [typed](const QString &text) {
                const FieldMark mark = JudgeUnit(text);
                ShowMark(typed, mark.marked() ? mark : FieldMark());
                typed->setAccessibleDescription(MarkText(typed));
            });
            chooser = typed;
        } else {
            auto *combo = static_cast<QComboBox *>(Named(new QComboBox, c.chooser));
            combo->addItems(c.entries);
            combo->setCurrentIndex(-1);
            combo->setMaxVisibleItems(20);
            chooser = combo;
        }
        // Named after its category, as a screen reader meets it below the option.
        NameControl(chooser, option->text());
        // A hidden chooser keeps its place, so choosing a category moves nothing.
        QSizePolicy policy = chooser->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        chooser->setSizePolicy(policy);
        byName.insert(c.chooser, chooser);
        categories_.push_back({option, chooser});

        if (c.entries.isEmpty()) {
            typedRow->addWidget(option);
            typedRow->addWidget(chooser);
            typedRow->addStretch();
        } else {
            const Place p = PlaceOf(i);
            grid->addWidget(option, p.row, p.column);
            grid->addWidget(chooser, p.row + 1, p.column);
        }
        connect(option, &QRadioButton::clicked, this, [this, i] { choose(i); });
    }
    for (const QString &name : PickerChooserOrder())
        choosers_ << byName.value(name);

    auto *ok = static_cast<QPushButton *>(Named(new QPushButton(Ui::tr("确定")), QStringLiteral("Command1")));
    auto *cancel = static_cast<QPushButton *>(Named(new QPushButton(Ui::tr("取消")), QStringLiteral("Command2")));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] {
        Q_EMIT picked(choice());
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *page = new QVBoxLayout(this);
    page->addLayout(searchRow);
    page->addSpacing(8);
    page->addLayout(grid);
    page->addSpacing(8);
    page->addLayout(typedRow);
    page->addStretch();
    page->addLayout(buttons);

    // The opening state: no category chosen, only the hero list shown.
    showOnly(byName.value(QStringLiteral("Combo13")));

    // Tab reads the dialog as it stands, row by row from the top left: the
    // search field, each option, then its list (skipped while hidden), then
    // the ID row and the buttons. Qt makes the options a single stop, the
    // chosen one once there is one, which the focus reaches without choosing
    // it; so from a chosen option Tab goes on to its list.
    QWidget *previous = search;
    auto chain = [&previous](QWidget *w) {
        setTabOrder(previous, w);
        previous = w;
    };
    int typed = -1;
    for (int i = 0; i < categories_.size(); ++i) {
        if (categories[i].entries.isEmpty()) {
            typed = i;
            continue;
        }
        chain(categories_[i].option);
        chain(categories_[i].chooser);
    }
    chain(categories_[typed].option);
    chain(categories_[typed].chooser);
    chain(ok);
    chain(cancel);
    search->setFocus();
}

void UnitPicker::choose(int category)
{
    const Category &c = categories_[category];
    showOnly(c.chooser);
    // Arrow keys click the next option before they move the focus onto it, so
    // an option that holds the focus as it is clicked was clicked by the mouse
    // or Space. Only then does the ID field take the focus, as it is there to
    // be typed into; a list would swallow the arrows that walk the options.
    if (qobject_cast<QLineEdit *>(c.chooser) && focusWidget() == c.option)
        c.chooser->setFocus(Qt::OtherFocusReason);
}

void UnitPicker::pickFound(int category, int row)
{
    const Category &c = categories_[category];
    c.option->click();
    // The search offers list entries only, never the typed ID.
    auto *list = static_cast<QComboBox *>(c.chooser);
    list->setCurrentIndex(row);
    // The pick waits in its list, where Enter confirms it and arrows adjust it.
    list->setFocus(Qt::OtherFocusReason);
}

void UnitPicker::showOnly(const QWidget *chooser)
{
    for (QWidget *w : choosers_)
        w->setVisible(w == chooser);
}

QString UnitPicker::choice() const
{
    QString text;
    for (QWidget *w : choosers_) {
        if (w->isHidden())
            continue;
        if (auto *combo = qobject_cast<QComboBox *>(w))
            text = combo->currentText();
        else if (auto *edit = qobject_cast<QLineEdit *>(w))
            text = edit->text();
    }
    return text;
}

} // namespace quorlin
