#include "preview/preview_text.h"

#include "core/ui_text.h"
#include "names/object_names.h"
#include "names/terrain_names.h"

#include <QHash>

namespace quorlin::preview {

namespace {

// What a block of each command is called in a note.
QString BlockNoun(const QString &command)
{
    // clang-format off
    static const struct { const char *command; const char *noun; } kNouns[] = {
        {"create_player_lands", QT_TRANSLATE_NOOP("Quorlin", "陆地")},
        {"create_land",         QT_TRANSLATE_NOOP("Quorlin", "陆地")},
        {"create_elevation",    QT_TRANSLATE_NOOP("Quorlin", "高地")},
        {"create_terrain",      QT_TRANSLATE_NOOP("Quorlin", "地形")},
        {"create_object",       QT_TRANSLATE_NOOP("Quorlin", "单位")},
    };
    // clang-format on
    for (const auto &row : kNouns) {
        if (command == QLatin1String(row.command))
            return Ui::tr(row.noun);
    }
    return command.startsWith(QLatin1String("create_connect_")) ? Ui::tr("连接") : command + QLatin1Char(' ');
}

} // namespace

QString PreviewCaption(quint64 seed) { return Ui::tr("近似预览 · 种子 %1").arg(seed); }

QStringList PreviewWarnings(const PreviewResult &result)
{
    // By what is counted (objects, groups) and whether the count is each
    // player's.
    // clang-format off
    static const char *const kMissing[2][3] = {
        {QT_TRANSLATE_NOOP("Quorlin", "第 %1 行 %2：%3 个中有 %4 个没有放下"),
         QT_TRANSLATE_NOOP("Quorlin", "第 %1 行 %2：%3 个中有 %4 个没有放下（每位游戏者）"),
         QT_TRANSLATE_NOOP("Quorlin", "第 %1 行 %2：%3 个中有 %4 个没有放下（%5 位游戏者合计）")},
        {QT_TRANSLATE_NOOP("Quorlin", "第 %1 行 %2：%3 组中有 %4 组没有放下"),
         QT_TRANSLATE_NOOP("Quorlin", "第 %1 行 %2：%3 组中有 %4 组没有放下（每位游戏者）"),
         QT_TRANSLATE_NOOP("Quorlin", "第 %1 行 %2：%3 组中有 %4 组没有放下（%5 位游戏者合计）")},
    };
    // clang-format on
    QStringList lines;
    int firstCut = 0, cut = 0;
    for (const ObjectBlockReport &block : result.objectBlocks) {
        if (block.cutShort) {
            firstCut = cut++ == 0 ? block.line : firstCut;
            continue;
        }
        // Groups when whole groups found no place; else the objects, which
        // for a block without groups are its groups of one.
        const bool byGroups = block.grouped && block.groupsPlaced < block.groups;
        qint64 wanted = block.groups, missing = block.groups - block.groupsPlaced;
        if (block.grouped && !byGroups) {
            wanted = block.objectsWanted;
            missing = block.objectsWanted - block.objects;
        }
        if (missing <= 0)
            continue;
        int form = 0;
        if (block.sets > 1) {
            const bool even = wanted % block.sets == 0 && missing % block.sets == 0;
            form = even ? 1 : 2;
            if (even) {
                wanted /= block.sets;
                missing /= block.sets;
            }
        }
        QString line = Ui::tr(kMissing[byGroups][form]).arg(block.line).arg(block.name).arg(wanted).arg(missing);
        lines << (form == 2 ? line.arg(block.sets) : line);
    }
    if (cut > 0)
        lines << Ui::tr("第 %1 行起 %2 个单位块超出预览时限，没有全部放下").arg(firstCut).arg(cut);
    return lines;
}

QStringList SkippedLines(const PreviewResult &result)
{
    // One line per word, at its first place, with how often it stands.
    QStringList words;
    QHash<QString, QPair<int, int>> seen; // word -> first line, count
    QStringList lines;
    for (const Skipped &skipped : result.skipped) {
        if (skipped.overCap > 0) {
            lines << Ui::tr("第 %1 行起 %2 个%3块超出预览上限，没有画出")
                         .arg(skipped.line)
                         .arg(skipped.overCap)
                         .arg(BlockNoun(skipped.what));
            continue;
        }
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
