#include "core/ui_text.h"
#include "ui/form_kit.h"
#include "ui/model_binder.h"
#include "ui/pages.h"
#include "ui/script_edit.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorlin {

ScriptPage::ScriptPage(FormKit &kit)
{
    setObjectName(QStringLiteral("Pic(5)"));

    // The script as built, editable by hand before it is saved.
    auto *script = new ScriptEdit;
    script->setObjectName(QStringLiteral("Txt"));
    script->setLineWrapMode(QPlainTextEdit::NoWrap);
    script->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    script->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    script->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    kit.binder().bindScript(script);

    save_ = kit.button("CmdGo", Ui::tr("生成"));

    auto *page = new QVBoxLayout(this);
    page->addWidget(kit.title("lbl(4)", Ui::tr("生成文件：")));
    page->addWidget(script, 1);
    page->addLayout(Row({nullptr, save_}, false));
}

} // namespace quorlin
