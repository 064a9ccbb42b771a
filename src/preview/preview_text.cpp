#include "preview/preview_text.h"

#include "core/ui_text.h"
#include "names/object_names.h"
#include "names/terrain_names.h"

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

namespace {

// The name the wizard's lists give a script constant, empty for one they do not list.
QString DisplayName(const QString &constant)
{
    static const QHash<QString, QString> names = [] {
        QHash<QString, QString> map;
        for (const auto &row : ObjectRows())
            map.insert(row.second, row.first);
        for (const QString &terrain : TerrainList())
            map.insert(TerrainConst(terrain), terrain);
        return map;
    }();
    return names.value(constant);
}

QString Named(const QString &constant)
{
    const QString shown = DisplayName(constant);
    return shown.isEmpty() ? constant : shown + QLatin1Char(' ') + constant;
}

QString AtLine(int line) { return line > 0 ? Ui::tr("（第 %1 行）").arg(line) : Ui::tr("（未写出，默认）"); }

} // namespace

QString TileReport(const PreviewResult &result, int tile)
{
    const Grid &grid = result.grid;
    if (tile < 0 || tile >= grid.tiles())
        return QString();
    QStringList parts{QStringLiteral("(%1, %2) ").arg(grid.x(tile)).arg(grid.y(tile)) + Named(grid.terrainAt(tile))
                      + AtLine(grid.terrainLine.value(tile))};
    parts << Ui::tr("高度 %1").arg(grid.height[tile]);
    if (grid.cliff[tile])
        parts << Ui::tr("悬崖");
    const int object = grid.object[tile];
    if (object >= 0 && object < result.objects.size()) {
        const PlacedObject &placed = result.objects[object];
        const ObjectBlockReport block = result.objectBlocks.value(placed.block);
        QString what = Named(block.name);
        if (placed.player > 0)
            what += Ui::tr("，游戏者 %1").arg(placed.player);
        parts << what + AtLine(block.line);
    }
    return parts.join(QStringLiteral(" · "));
}

} // namespace quorlin::preview
