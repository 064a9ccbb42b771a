#include "preview/preview_text.h"

#include "core/ui_text.h"

namespace quorlin::preview {

QString PreviewCaption(quint64 seed) { return Ui::tr("近似预览 · 种子 %1").arg(seed); }

QStringList PreviewWarnings(const PreviewResult &result)
{
    QStringList lines;
    for (const ObjectBlockReport &block : result.objectBlocks) {
        if (block.groupsPlaced < block.groups)
            lines << Ui::tr("第 %1 行 %2：%3 组中有 %4 组没有放下")
                         .arg(block.line)
                         .arg(block.name)
                         .arg(block.groups)
                         .arg(block.groups - block.groupsPlaced);
    }
    return lines;
}

QStringList SkippedLines(const PreviewResult &result)
{
    QStringList lines;
    for (const Skipped &skipped : result.skipped)
        lines << Ui::tr("第 %1 行：%2 未模拟").arg(skipped.line).arg(skipped.what);
    return lines;
}

} // namespace quorlin::preview
