#include "names/ui/unit_picker.h"

#include "names/picker_lists.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
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
    setWindowTitle(QStringLiteral("选择单位类型"));

    auto *grid = new QGridLayout;
    auto *typedRow = new QHBoxLayout;
    QHash<QString, QWidget *> byName;
    QVector<QRadioButton *> options;
    const auto &categories = PickerCategories();
    for (int i = 0; i < categories.size(); ++i) {
        const PickerCategory &c = categories[i];
        auto *option = static_cast<QRadioButton *>(Named(new QRadioButton(c.caption), c.option));
        QWidget *chooser;
        if (c.entries.isEmpty()) {
            chooser = Named(new QLineEdit, c.chooser);
        } else {
            auto *combo = static_cast<QComboBox *>(Named(new QComboBox, c.chooser));
            combo->addItems(c.entries);
            combo->setCurrentIndex(-1);
            combo->setMaxVisibleItems(20);
            chooser = combo;
        }
        // A hidden chooser keeps its place, so choosing a category moves nothing.
        QSizePolicy policy = chooser->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        chooser->setSizePolicy(policy);
        byName.insert(c.chooser, chooser);
        options << option;

        if (c.entries.isEmpty()) {
            typedRow->addWidget(option);
            typedRow->addWidget(chooser);
            typedRow->addStretch();
        } else {
            const Place p = PlaceOf(i);
            grid->addWidget(option, p.row, p.column);
            grid->addWidget(chooser, p.row + 1, p.column);
        }
        const QString name = c.chooser;
        connect(option, &QRadioButton::clicked, this, [this, name] { showOnly(name); });
    }
    for (const QString &name : PickerChooserOrder())
        choosers_ << byName.value(name);

    auto *ok = static_cast<QPushButton *>(Named(new QPushButton(QStringLiteral("确定")), QStringLiteral("Command1")));
    auto *cancel =
        static_cast<QPushButton *>(Named(new QPushButton(QStringLiteral("取消")), QStringLiteral("Command2")));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] {
        emit picked(choice());
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *page = new QVBoxLayout(this);
    page->addLayout(grid);
    page->addSpacing(8);
    page->addLayout(typedRow);
    page->addStretch();
    page->addLayout(buttons);

    // The opening state: no category chosen, only the hero list shown.
    showOnly(QStringLiteral("Combo13"));

    // Focus walks the lists, then the options, as on the original form; the
    // focus lands on an option without choosing it.
    QWidget *previous = nullptr;
    auto chain = [&previous](QWidget *w) {
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    };
    for (int i = 0; i < 9; ++i)
        chain(byName.value(categories[i].chooser));
    for (int i = 0; i < 9; ++i)
        chain(options[i]);
    chain(ok);
    chain(cancel);
    for (int i = 9; i < categories.size(); ++i) {
        chain(options[i]);
        chain(byName.value(categories[i].chooser));
    }
}

void UnitPicker::showOnly(const QString &chooser)
{
    for (QWidget *w : choosers_)
        w->setVisible(w->objectName() == chooser);
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
