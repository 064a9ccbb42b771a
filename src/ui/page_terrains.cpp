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
#include <QRadioButton>
#include <QVBoxLayout>

namespace quorlin {

TerrainPage::TerrainPage(FormKit &kit)
{
    setObjectName(QStringLiteral("Pic(2)"));

    QGroupBox *editor = kit.frame("Frame5", Ui::tr("添加地形"));
    auto *grid = new QGridLayout(editor);
    grid->setColumnStretch(1, 1);
    int row = 0;

    // Each list stands under its option; the model shows the chosen one's.
    auto *kind = new QGridLayout;
    kind->addWidget(kit.option("Option5"), 0, 0);
    kind->addWidget(kit.option("Option6"), 0, 1);
    kind->addWidget(kit.combo("Combo4"), 1, 0);
    kind->addWidget(kit.combo("Combo5"), 1, 1);
    kind->setColumnStretch(2, 1);
    grid->addLayout(kind, row++, 0, 1, 2);

    QComboBox *base = kit.combo("Combo14");
    base->setToolTip(Ui::tr("如果为空，则自动设为基本地形"));
    kit.addRow(grid, row++, kit.label("Label53", FieldLabel("Combo14")), base);
    kit.addRow(grid, row++, kit.label("Label19", FieldLabel("Slider6")), kit.sliderWithValue("Slider6", "Label20"));
    grid->addWidget(kit.label("Label23", FieldLabel("Text2")), row, 0);
    grid->addLayout(kit.scaled("Text2", "Label17", "Label24"), row++, 1);
    grid->addWidget(kit.label("Label18", FieldLabel("Text1")), row, 0);
    grid->addLayout(Row({kit.text("Text1")}), row++, 1);
    grid->addLayout(Row({kit.check("Check2"), kit.check("Check3")}), row++, 0, 1, 2);
    grid->addWidget(kit.label("Label21", FieldLabel("Slider7")), row, 0);
    grid->addWidget(kit.sliderWithEnds("Slider7", "Label56", Ui::tr("较长"), "Label25", Ui::tr("较方"), "Label22"),
                    row++, 1);
    grid->addWidget(kit.label("Label26", FieldLabel("Combo6")), row, 0);
    grid->addLayout(Row({kit.combo("Combo6"), kit.label("Label27", Ui::tr("～")), kit.combo("Combo7")}), row++, 1);
    grid->setRowStretch(row, 1);

    QVBoxLayout *side = kit.itemsColumn("Command4", "Frame14", SettingCaption(QStringLiteral("Lst1")), "Lst1",
                                        "Command7", "Command12", "Command13");
    side->addWidget(kit.check("Check30"));

    auto *body = new QHBoxLayout;
    body->addWidget(editor, 3);
    body->addLayout(side, 2);

    auto *page = new QVBoxLayout(this);
    page->addWidget(kit.title("lbl(1)", Ui::tr("地形设置：")));
    page->addLayout(body, 1);
    page->addWidget(kit.note("Lble(0)"));
}

} // namespace quorlin
