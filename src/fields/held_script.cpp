#include "fields/held_script.h"

#include "core/item_store.h"
#include "core/settings.h"
#include "editors/editors.h"
#include "script/item_blocks.h"
#include "script/object_block.h"
#include "script/sections.h"

namespace quorlin {

HeldScript::HeldScript(const Settings &s, qint64 xn)
{
    texts_[int(Held::LandSection)] = LandSection(s, ItemStore());
    texts_[int(Held::LandBlock)] = LandBlock(s);
    texts_[int(Held::TerrainBlock)] = TerrainBlock(s);
    // The counter is a copy: judging a unit must not use up a constant's number.
    qint64 next = xn;
    texts_[int(Held::UnitBlock)] = MakeObjectBlock(s.text(QStringLiteral("Label55")), UnitArgs(s), next);
    texts_[int(Held::Sections)] = ElevationCliffConnectionSections(s);
}

HeldLine HeldScript::line(Held source, const char *keyword) const
{
    return find(source, QString::fromLatin1(keyword), QString());
}

HeldLine HeldScript::constantLine(Held source, const QString &name) const
{
    return name.isEmpty() ? HeldLine() : find(source, QStringLiteral("#const"), name);
}

HeldLine HeldScript::find(Held source, const QString &keyword, const QString &second) const
{
    const QString &text = texts_[int(source)];
    for (QStringView line : QStringView(text).split(En())) {
        if (!line.startsWith(keyword))
            continue;
        QStringList words;
        for (QStringView w : line.split(u' ', Qt::SkipEmptyParts)) {
            if (w == u"/*")
                break;
            words << w.toString();
        }
        if (words.isEmpty() || words.takeFirst() != keyword || (!second.isEmpty() && words.value(0) != second))
            continue;
        const qsizetype comment = line.indexOf(u"/*");
        return {(comment < 0 ? line : line.left(comment)).trimmed().toString(), words};
    }
    return {};
}

} // namespace quorlin
