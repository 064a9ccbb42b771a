#include "core/control_captions.h"
#include "core/ui_text.h"
#include "ui/form_kit.h"
#include "ui/model_binder.h"
#include "ui/pages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quorlin {

namespace {

QLayout *Elevation(FormKit &kit)
{
    QGroupBox *frame = kit.frame("Frame10", Ui::tr("设置高地"));
    auto *grid = new QGridLayout(frame);
    kit.addRow(grid, 0, kit.label("Label32", FieldLabel("Combo8")), kit.combo("Combo8"));
    kit.addRow(grid, 1, kit.label("Label37", FieldLabel("Combo9")), kit.combo("Combo9"));
    grid->addWidget(kit.label("Label33", FieldLabel("Text8")), 2, 0);
    grid->addLayout(kit.scaled("Text8", "Label35", "Label34"), 2, 1);
    grid->addWidget(kit.label("Label36", FieldLabel("Text9")), 3, 0);
    grid->addLayout(kit.scaled("Text9", "Label38", "Label39"), 3, 1);
    grid->setColumnStretch(1, 1);

    auto *column = new QVBoxLayout;
    column->addWidget(kit.check("Check23"));
    column->addWidget(frame);
    column->addStretch();
    return column;
}

QLayout *Cliffs(FormKit &kit)
{
    QGroupBox *frame = kit.frame("Frame11", Ui::tr("设置悬崖"));
    auto *grid = new QGridLayout(frame);
    grid->addWidget(kit.label("Label40", FieldLabel("Text10")), 0, 0);
    grid->addLayout(Row({kit.text("Text10"), kit.label("Label41", Ui::tr("～")), kit.text("Text11")}), 0, 1);
    grid->addWidget(kit.label("Label42", FieldLabel("Text12")), 1, 0);
    grid->addLayout(Row({kit.text("Text12"), kit.label("Label43", Ui::tr("～")), kit.text("Text13")}), 1, 1);
    kit.addRow(grid, 2, kit.label("Label44", FieldLabel("Slider8")),
               kit.sliderWithEnds("Slider8", "Label45", Ui::tr("较直"), "Label46", Ui::tr("较弯曲")));
    grid->addWidget(kit.label("Label47", FieldLabel("Text14")), 3, 0);
    grid->addLayout(Row({kit.text("Text14")}), 3, 1);
    grid->setColumnStretch(1, 1);

    auto *column = new QVBoxLayout;
    column->addWidget(kit.check("Check24"));
    column->addWidget(frame);
    column->addStretch();
    return column;
}

struct ConnectionNames {
    const char *frame;
    const char *landsCheck, *landsFrame, *duckweed, *ice, *landsWidthLabel, *landsWidth;
    const char *roadsCheck, *roadsFrame, *road, *brokenRoad, *mushroomRoad, *snowRoad, *roadsWidthLabel, *roadsWidth;
};

// The connections of all players and of team players are built alike.
QGroupBox *Connection(FormKit &kit, const ConnectionNames &n)
{
    QGroupBox *lands = kit.frame(n.landsFrame, QString());
    auto *landsRow = new QHBoxLayout(lands);
    landsRow->addWidget(kit.option(n.duckweed));
    landsRow->addWidget(kit.option(n.ice));
    landsRow->addStretch();
    landsRow->addWidget(kit.label(n.landsWidthLabel, FieldLabel(n.landsWidth)));
    landsRow->addWidget(kit.combo(n.landsWidth));

    // The road kinds stand in two rows: road and mushroom road above, broken and snow road below.
    QGroupBox *roads = kit.frame(n.roadsFrame, QString());
    auto *roadGrid = new QGridLayout(roads);
    roadGrid->addWidget(kit.option(n.road), 0, 0);
    roadGrid->addWidget(kit.option(n.mushroomRoad), 0, 1);
    roadGrid->addWidget(kit.option(n.brokenRoad), 1, 0);
    roadGrid->addWidget(kit.option(n.snowRoad), 1, 1);
    roadGrid->setColumnStretch(2, 1);
    roadGrid->addWidget(kit.label(n.roadsWidthLabel, FieldLabel(n.roadsWidth)), 0, 3);
    roadGrid->addWidget(kit.combo(n.roadsWidth), 0, 4);

    QGroupBox *frame = kit.frame(n.frame, FrameTitle(n.frame));
    auto *column = new QVBoxLayout(frame);
    column->addWidget(kit.check(n.landsCheck));
    column->addWidget(lands);
    column->addWidget(kit.check(n.roadsCheck));
    column->addWidget(roads);
    column->addStretch();
    return frame;
}

} // namespace

ElevationPage::ElevationPage(FormKit &kit)
{
    setObjectName(QStringLiteral("Pic(4)"));

    auto *top = new QHBoxLayout;
    top->addLayout(Elevation(kit), 1);
    top->addLayout(Cliffs(kit), 1);

    QGroupBox *connections = kit.frame("Frame12", Ui::tr("设置连接"));
    auto *both = new QHBoxLayout(connections);
    both->addWidget(
        Connection(kit, {"Frame13", "Check26", "Frame15", "Option13", "Option14", "Label48", "Combo10", "Check27",
                         "Frame16", "Option16", "Option15", "Option7", "Option8", "Label49", "Combo11"}),
        1);
    both->addWidget(
        Connection(kit, {"Frame17", "Check29", "Frame19", "Option20", "Option19", "Label51", "Combo13", "Check28",
                         "Frame18", "Option17", "Option18", "Option9", "Option10", "Label50", "Combo12"}),
        1);

    auto *page = new QVBoxLayout(this);
    page->addWidget(kit.title("lbl(3)", Ui::tr("高地、悬崖、及连接：")));
    page->addLayout(top);
    page->addWidget(kit.check("Check25"));
    page->addWidget(connections);
    page->addStretch(1);
}

} // namespace quorlin
