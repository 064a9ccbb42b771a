#include "preview/map_plan.h"

namespace quorlin::preview {

const PlanAttribute *PlanBlock::find(const QString &name) const
{
    for (int i = attributes.size() - 1; i >= 0; --i) {
        if (attributes[i].name == name)
            return &attributes[i];
    }
    return nullptr;
}

int PlanBlock::number(const QString &name, int fallback, int low, int high, int index) const
{
    const PlanAttribute *attribute = find(name);
    if (!attribute || index >= attribute->args.size())
        return fallback;
    bool ok = false;
    const qlonglong value = attribute->args[index].toLongLong(&ok);
    if (!ok)
        return fallback;
    return int(qBound(qlonglong(low), value, qlonglong(high)));
}

const PlanBlock *MapPlan::section(const QString &header) const
{
    for (const PlanBlock &block : sections) {
        if (block.command == header)
            return &block;
    }
    return nullptr;
}

QString PlanBlock::word(const QString &name, const QString &fallback) const
{
    const PlanAttribute *attribute = find(name);
    return attribute && !attribute->args.isEmpty() ? attribute->args.first() : fallback;
}

} // namespace quorlin::preview
