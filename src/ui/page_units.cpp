#include "core/control_captions.h"
#include "core/ui_text.h"
#include "ui/form_kit.h"
#include "ui/model_binder.h"
#include "ui/pages.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quorlin {

namespace {

QGroupBox *UnitEditor(FormKit &kit, QPushButton *choose)
{
    QGroupBox *editor = kit.frame("Frame7", Ui::tr("增加单位"));
    auto *grid = new QGridLayout(editor);
    grid->setColumnStretch(1, 1);
    int row = 0;

    // The chosen unit type is a caption the picker writes; its mark's tooltip
    // tells what the script will call it.
    QLabel *unit = kit.display("Label55");
    QLabel *caption = kit.label("Label54", FieldLabel("Label55"));
    grid->addWidget(caption, row, 0);
    grid->addLayout(Row({unit, choose}), row++, 1);
    // The chosen type is no stop for Tab, so "选择" tells it.
    kit.binder().describe(choose, [caption, unit] { return caption->text() + unit->text(); });

    grid->addWidget(kit.label("Label30", FieldLabel("Text6")), row, 0);
    grid->addLayout(Row({kit.text("Text6")}), row++, 1);
    QLineEdit *groups = kit.text("Text15");
    groups->setToolTip(Ui::tr("0代表不分组"));
    grid->addWidget(kit.label("Label57", FieldLabel("Text15")), row, 0);
    grid->addLayout(Row({groups, kit.label("Label31", QStringLiteral("±")), kit.text("Text7")}), row++, 1);

    grid->addWidget(kit.check("Check32"), row++, 0, 1, 2);
    auto *distances = Row({kit.label("Label28", FieldLabel("Text3")), kit.text("Text3"),
                           kit.label("Label29", FieldLabel("Text4")), kit.text("Text4")});
    distances->setContentsMargins(20, 0, 0, 0);
    grid->addLayout(distances, row++, 0, 1, 2);

    grid->addWidget(kit.check("Check4"), row, 0);
    grid->addLayout(Row({kit.text("Text5")}), row++, 1);
    grid->addWidget(kit.check("Check5"), row, 0);
    grid->addLayout(Row({kit.option("Option11"), kit.option("Option12")}), row++, 1);
    grid->addLayout(Row({kit.check("Check6"), kit.check("Check7")}), row++, 0, 1, 2);
    grid->addWidget(kit.check("Check37"), row, 0);
    grid->addLayout(Row({kit.text("Text17")}), row++, 1);
    grid->setRowStretch(row, 1);
    return editor;
}

QGroupBox *ReadyMadeUnits(FormKit &kit)
{
    QGroupBox *units = kit.frame("Frame8", Ui::tr("现成单位"));
    auto *grid = new QGridLayout(units);
    // The two boxes of each pair of alternatives share a row and a cell.
    const char *const layout[3][4][2] = {
        {{"Check8", nullptr}, {"Check9", nullptr}, {"Check10", nullptr}, {"Check11", nullptr}},
        {{"Check12", "Check13"}, {"Check14", "Check15"}, {"Check16", nullptr}, {"Check19", nullptr}},
        {{"Check17", "Check18"}, {"Check20", "Check21"}, {"Check22", nullptr}, {"Check31", nullptr}},
    };
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 4; ++c) {
            const auto &cell = layout[r][c];
            if (cell[1])
                grid->addLayout(Row({kit.check(cell[0]), kit.check(cell[1])}), r, c);
            else
                grid->addWidget(kit.check(cell[0]), r, c);
        }
    }
    grid->addWidget(kit.modelButton("Command5", Ui::tr("全部选择")), 2, 4, Qt::AlignRight);
    grid->setColumnStretch(4, 1);
    return units;
}

} // namespace

UnitPage::UnitPage(FormKit &kit)
{
    setObjectName(QStringLiteral("Pic(3)"));

    choose_ = kit.button("Command8", Ui::tr("选择"));

    QVBoxLayout *side =
        kit.itemsColumn("Command6", "Frame9", FieldLabel("Lst2"), "Lst2", "Command9", "Command11", "Command10");

    auto *body = new QHBoxLayout;
    body->addWidget(UnitEditor(kit, choose_), 3);
    body->addLayout(side, 2);

    auto *page = new QVBoxLayout(this);
    page->addWidget(kit.title("lbl(2)", Ui::tr("添加单位：")));
    page->addLayout(body, 1);
    page->addWidget(ReadyMadeUnits(kit));
    page->addWidget(kit.note("Label16"));
}

} // namespace quorlin
