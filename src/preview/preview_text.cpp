#include "preview/preview_text.h"

#include "core/ui_text.h"

#include <QHash>

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
    // One line per word, at its first place, with how often it stands.
    QStringList words;
    QHash<QString, QPair<int, int>> seen; // word -> first line, count
    QStringList lines;
    for (const Skipped &skipped : result.skipped) {
        if (skipped.unread) {
            lines << Ui::tr("第 %1 行：%2").arg(skipped.line).arg(skipped.what);
            continue;
        }
        auto it = seen.find(skipped.what);
        if (it == seen.end()) {
            words << skipped.what;
            seen.insert(skipped.what, {skipped.line, 1});
        } else {
            ++it->second;
        }
    }
    for (const QString &word : words) {
        const QPair<int, int> &at = seen[word];
        lines << (at.second == 1 ? Ui::tr("第 %1 行：%2 未模拟").arg(at.first).arg(word)
                                 : Ui::tr("第 %1 行等 %2 处：%3 未模拟").arg(at.first).arg(at.second).arg(word));
    }
    return lines;
}

} // namespace quorlin::preview
