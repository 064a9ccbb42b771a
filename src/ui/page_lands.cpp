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
#include <QPushButton>
#include <QVBoxLayout>

namespace quorlin {

LandPage::LandPage(FormKit &kit)
{
    setObjectName(QStringLiteral("Pic(1)"));

    QGroupBox *editor = kit.frame("Frame21", FrameTitle("Frame21"));
    auto *grid = new QGridLayout(editor);
    grid->setColumnStretch(1, 1);
    int row = 0;
    kit.addRow(grid, row++, kit.label("Label59", FieldLabel("Combo15")), kit.combo("Combo15"));
    kit.addRow(grid, row++, kit.label("Label60", FieldLabel("Slider13")), kit.sliderWithValue("Slider13", "Label71"));
    kit.addRow(grid, row++, kit.label("Label61", FieldLabel("Slider12")), kit.sliderWithValue("Slider12", "Label72"));
    grid->addWidget(kit.check("Check34"), row, 0);
    grid->addLayout(Row({kit.label("Label70", FieldLabel("Combo16")), kit.combo("Combo16")}), row++, 1);
    kit.addRow(grid, row++, kit.label("Label62", FieldLabel("Slider11")),
               kit.sliderWithEnds("Slider11", "Label69", Ui::tr("较模糊"), "Label68", Ui::tr("较直")));
    kit.addRow(grid, row++, kit.label("Label63", FieldLabel("Slider9")),
               kit.sliderWithEnds("Slider9", "Label66", Ui::tr("较长"), "Label65", Ui::tr("较方")));
    kit.addRow(grid, row++, kit.label("Label64", FieldLabel("Slider10")), kit.sliderWithValue("Slider10", "Label67"));
    grid->addWidget(kit.check("Check35"), row, 0);
    grid->addLayout(Row({kit.text("Text16")}), row++, 1);
    grid->addWidget(kit.check("Check36"), row, 0);
    grid->addLayout(Row({kit.combo("Combo17")}), row++, 1);
    grid->setRowStretch(row, 1);

    QVBoxLayout *side = kit.itemsColumn("Command21", "Frame20", SettingCaption(QStringLiteral("Lst0")), "Lst0",
                                        "Command18", "Command19", "Command20");

    auto *body = new QHBoxLayout;
    body->addWidget(editor, 3);
    body->addLayout(side, 2);

    auto *page = new QVBoxLayout(this);
    page->addWidget(kit.title("lbl(5)", Ui::tr("区域设置：")));
    page->addLayout(body, 1);
    page->addWidget(kit.note("Label58"));
}

} // namespace quorlin
