#include "core/ui_text.h"
#include "ui/form_kit.h"
#include "ui/model_binder.h"
#include "ui/pages.h"
#include "ui/script_edit.h"
#include "ui/script_editor.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorlin {

ScriptPage::ScriptPage(FormKit &kit)
{
    setObjectName(QStringLiteral("Pic(5)"));

    // The script as built, editable by hand before it is saved, and checked
    // as it is typed; its problems never stop it being saved.
    auto *editor = new ScriptEditor;
    editor->edit()->setObjectName(QStringLiteral("Txt"));
    kit.binder().bindScript(editor->edit());

    save_ = kit.button("CmdGo", Ui::tr("生成"));

    auto *page = new QVBoxLayout(this);
    page->addWidget(kit.title("lbl(4)", Ui::tr("生成文件：")));
    page->addWidget(editor, 1);
    page->addLayout(Row({nullptr, save_}, false));
}

} // namespace quorlin
