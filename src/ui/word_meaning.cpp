#include "ui/word_meaning.h"

#include "core/ui_text.h"
#include "lang/checker.h"

#include <QStringList>

namespace quorlin {

namespace {

using lang::Dialect;
using lang::WordKind;

// clang-format off
const struct { Dialect dialect; const char *caption; const char *availability; } kDialects[] = {
    {Dialect::Classic, QT_TRANSLATE_NOOP("Quorlin", "经典版"), QT_TRANSLATE_NOOP("Quorlin", "各语法版本都有")},
    {Dialect::Patched, QT_TRANSLATE_NOOP("Quorlin", "补丁版"), QT_TRANSLATE_NOOP("Quorlin", "补丁版和新版才有")},
    {Dialect::Modern,  QT_TRANSLATE_NOOP("Quorlin", "新版"),   QT_TRANSLATE_NOOP("Quorlin", "只有新版才有")},
};

const struct { WordKind kind; const char *caption; } kKinds[] = {
    {WordKind::Section,   QT_TRANSLATE_NOOP("Quorlin", "段落标题")},
    {WordKind::Flow,      QT_TRANSLATE_NOOP("Quorlin", "流程控制")},
    {WordKind::Directive, QT_TRANSLATE_NOOP("Quorlin", "预处理指令")},
    {WordKind::Command,   QT_TRANSLATE_NOOP("Quorlin", "命令（后面跟 { } 块）")},
    {WordKind::Attribute, QT_TRANSLATE_NOOP("Quorlin", "属性（写在命令的块里）")},
    {WordKind::TopLevel,  QT_TRANSLATE_NOOP("Quorlin", "段落语句")},
};

const struct { const char *group; const char *caption; } kGroups[] = {
    {"terrain", QT_TRANSLATE_NOOP("Quorlin", "地形")},
    {"object",  QT_TRANSLATE_NOOP("Quorlin", "对象")},
    {"other",   QT_TRANSLATE_NOOP("Quorlin", "其他")},
};
// clang-format on

QString Availability(Dialect dialect)
{
    for (const auto &row : kDialects)
        if (row.dialect == dialect)
            return Ui::tr(row.availability);
    return {};
}

QString KindCaption(WordKind kind)
{
    for (const auto &row : kKinds)
        if (row.kind == kind)
            return Ui::tr(row.caption);
    return {};
}

QString GroupCaption(const QString &group)
{
    for (const auto &row : kGroups)
        if (group == QLatin1String(row.group))
            return Ui::tr(row.caption);
    return group;
}

QString Escaped(QStringView text) { return text.toString().toHtmlEscaped(); }

QString Title(QStringView word, const QString &what)
{
    return QStringLiteral("<b>%1</b>　%2").arg(Escaped(word), what.toHtmlEscaped());
}

// Where a word may stand: sections, the blocks of commands, or anywhere.
QString WhereText(const lang::WordInfo &word)
{
    if (word.anywhere())
        return Ui::tr("任何位置");
    QStringList places;
    for (const QString &place : word.where)
        places << (place.startsWith(QLatin1Char('<')) ? place : Ui::tr("%1 的块里").arg(place));
    return places.join(Ui::tr("、"));
}

QString ArgsText(const lang::WordInfo &word)
{
    QStringList args;
    for (const lang::ArgSpec &arg : word.args)
        args << (arg.optional ? Ui::tr("%1（可选）").arg(lang::KindText(arg.kind)) : lang::KindText(arg.kind));
    return args.join(Ui::tr("、"));
}

QString RangeText(const lang::WordInfo &word)
{
    if (!word.min && !word.max)
        return {};
    const QString low = word.min ? QString::number(*word.min) : Ui::tr("（无下限）");
    const QString high = word.max ? QString::number(*word.max) : Ui::tr("（无上限）");
    return Ui::tr("%1 到 %2").arg(low, high);
}

QString WordMeaning(const lang::WordInfo &word)
{
    QStringList lines{Title(word.word, KindCaption(word.kind))};
    auto add = [&](const QString &caption, const QString &value) {
        if (!value.isEmpty())
            lines << caption.toHtmlEscaped() + value.toHtmlEscaped();
    };
    if (word.kind != WordKind::Section)
        add(Ui::tr("可写在："), WhereText(word));
    add(Ui::tr("参数："), ArgsText(word));
    add(Ui::tr("范围："), RangeText(word));
    add(Ui::tr("默认："), word.defaultValue);
    if (!word.repeatable)
        lines << Ui::tr("一个块里只算最后一次").toHtmlEscaped();
    lines << Availability(word.dialect).toHtmlEscaped();
    if (!word.doc.isEmpty())
        lines << QStringLiteral("<i>%1</i>").arg(word.doc.toHtmlEscaped());
    return lines.join(QStringLiteral("<br>"));
}

// A built-in constant's number; for one the game has built in under a
// number nobody has published, that it is built in.
QString ConstantValue(const lang::ConstantInfo &constant)
{
    return constant.valueKnown ? QString::number(constant.value) : Ui::tr("内置，编号未知");
}

QString ConstantMeaning(const lang::ConstantInfo &constant)
{
    return Title(constant.name, Ui::tr("内置常量（%1）").arg(GroupCaption(constant.group))) + QStringLiteral("<br>")
           + (Ui::tr("值：") + ConstantValue(constant)).toHtmlEscaped() + QStringLiteral("<br>")
           + Availability(constant.dialect).toHtmlEscaped();
}

QString LabelMeaning(const lang::LabelInfo &label)
{
    return Title(label.label, Ui::tr("内置 if 标签")) + QStringLiteral("<br><i>%1</i><br>").arg(Escaped(label.meaning))
           + Availability(label.dialect).toHtmlEscaped();
}

// A #const's value, with the number behind it when it names a constant.
QString OwnValue(const ScriptOutline::Name &name, const ScriptOutline &outline)
{
    if (name.value.isEmpty())
        return Ui::tr("（没有写值）");
    if (const lang::ConstantInfo *constant = lang::FindConstant(name.value))
        return constant->valueKnown ? Ui::tr("%1（= %2）").arg(name.value, ConstantValue(*constant)) : name.value;
    const ScriptOutline::Name *other = outline.find(name.value);
    if (other && other != &name && !other->value.isEmpty())
        return Ui::tr("%1（= %2）").arg(name.value, other->value);
    return name.value;
}

QString OwnMeaning(const ScriptOutline::Name &name, const ScriptOutline &outline)
{
    QString what, where;
    switch (name.kind) {
    case ScriptOutline::NameKind::Const:
        what = Ui::tr("本文件定义的常量");
        where = Ui::tr("值：%1，第 %2 行 #const 定义").arg(OwnValue(name, outline)).arg(name.line);
        if (const lang::WordInfo *word = lang::WordOfNumber(name.value))
            where += Ui::tr("；单独写时代表“%1”（它的内部编号是 %2）").arg(word->word, name.value);
        break;
    case ScriptOutline::NameKind::Define:
        what = Ui::tr("本文件定义的 if 标签");
        where = Ui::tr("第 %1 行 #define 定义").arg(name.line);
        break;
    case ScriptOutline::NameKind::Group:
        what = Ui::tr("本文件定义的对象组");
        where = Ui::tr("第 %1 行 create_object_group 定义").arg(name.line);
        break;
    }
    const int times = outline.count(name.name);
    if (times > 1)
        where += Ui::tr("（共定义了 %1 次，这是第一次）").arg(times);
    return Title(name.name, what) + QStringLiteral("<br>") + where.toHtmlEscaped();
}

} // namespace

QString DialectCaption(Dialect dialect)
{
    for (const auto &row : kDialects)
        if (row.dialect == dialect)
            return Ui::tr(row.caption);
    return {};
}

QString MeaningOf(QStringView word, const ScriptOutline &outline)
{
    QStringList parts;
    if (const ScriptOutline::Name *own = outline.find(word))
        parts << OwnMeaning(*own, outline);
    if (const lang::WordInfo *info = lang::FindWord(word))
        parts << WordMeaning(*info);
    else if (const lang::ConstantInfo *constant = lang::FindConstant(word))
        parts << ConstantMeaning(*constant);
    else if (const lang::LabelInfo *label = lang::FindLabel(word))
        parts << LabelMeaning(*label);
    return parts.join(QStringLiteral("<hr>"));
}

QString BriefOf(const lang::WordInfo &word)
{
    return word.doc.isEmpty() ? KindCaption(word.kind) : KindCaption(word.kind) + Ui::tr(" · ") + word.doc;
}

QString BriefOf(const lang::ConstantInfo &constant)
{
    return Ui::tr("常量（%1）· %2").arg(GroupCaption(constant.group), ConstantValue(constant));
}

QString BriefOf(const lang::LabelInfo &label) { return Ui::tr("if 标签 · ") + label.meaning; }

QString BriefOf(const ScriptOutline::Name &name)
{
    switch (name.kind) {
    case ScriptOutline::NameKind::Const: return Ui::tr("本文件的常量 · %1 · 第 %2 行").arg(name.value).arg(name.line);
    case ScriptOutline::NameKind::Define: return Ui::tr("本文件的 if 标签 · 第 %1 行").arg(name.line);
    case ScriptOutline::NameKind::Group: return Ui::tr("本文件的对象组 · 第 %1 行").arg(name.line);
    }
    return {};
}

} // namespace quorlin
