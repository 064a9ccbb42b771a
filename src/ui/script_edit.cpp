#include "ui/script_edit.h"

#include <QMimeData>

namespace quorlin {

bool ScriptEdit::canInsertFromMimeData(const QMimeData *source) const { return source && source->hasText(); }

void ScriptEdit::insertFromMimeData(const QMimeData *source)
{
    if (!source || !source->hasText())
        return;
    const QString text = source->text();
    if (!text.isEmpty())
        insertPlainText(text);
}

} // namespace quorlin
