#include "core/control_captions.h"
#include "core/ui_text.h"
#include "ui/check_titled_frame.h"
#include "ui/form_kit.h"
#include "ui/model_binder.h"
#include "ui/pages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quorlin {

ZonePage::ZonePage(FormKit &kit)
{
    setObjectName(QStringLiteral("Pic(0)"));

    auto *page = new QVBoxLayout(this);
    page->addWidget(kit.title("lbl(0)", Ui::tr("区域设置：")));
    page->addLayout(Row({kit.label("Label1", FieldLabel("Combo1")), kit.combo("Combo1")}));

    // Every zone setting but the base terrain lies in Frame2, headed by Check33.
    QGroupBox *zones = kit.frame("Frame2", QString());
    auto *grid = new QGridLayout(zones);
    grid->setColumnStretch(1, 1);
    int row = 0;
    kit.addRow(grid, row++, kit.label("Label2", FieldLabel("Combo2")), kit.combo("Combo2"));
    kit.addRow(grid, row++, kit.label("Label3", FieldLabel("Slider1")), kit.sliderWithValue("Slider1", "Label4"));
    kit.addRow(grid, row++, kit.label("Label5", FieldLabel("Slider2")), kit.sliderWithValue("Slider2", "Label6"));
    grid->addWidget(kit.check("Check1"), row, 0);
    grid->addLayout(Row({kit.label("Label7", FieldLabel("Combo3")), kit.combo("Combo3")}), row++, 1);
    kit.addRow(grid, row++, kit.label("Label8", FieldLabel("Slider3")),
               kit.sliderWithEnds("Slider3", "Label9", Ui::tr("较模糊"), "Label10", Ui::tr("较直")));
    kit.addRow(grid, row++, kit.label("Label11", FieldLabel("Slider4")), kit.sliderWithValue("Slider4", "Label12"));
    kit.addRow(grid, row++, kit.label("Label13", FieldLabel("Slider5")),
               kit.sliderWithEnds("Slider5", "Label14", Ui::tr("较长"), "Label15", Ui::tr("较方")));

    QGroupBox *spread = kit.frame("Frame4", Ui::tr("区域分布"));
    auto *options = new QGridLayout(spread);
    options->addWidget(kit.option("Option1"), 0, 0);
    options->addWidget(kit.option("Option2"), 0, 1);
    options->addWidget(kit.option("Option3"), 1, 0);
    options->addWidget(kit.option("Option4"), 1, 1);
    grid->addWidget(spread, row++, 0, 1, 2);

    page->addWidget(new CheckTitledFrame(kit.check("Check33"), zones));
    page->addStretch(1);
}

} // namespace quorlin
