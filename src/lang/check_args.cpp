// The checks of a word's arguments: how many, what kind, what range.
#include "lang/checker.h"
#include "lang/suggest.h"

#include <climits>

namespace quorlin::lang {

namespace {

// Arithmetic and rnd(a,b), which only the modern dialect reads.
bool IsExpression(QStringView w) { return w.startsWith(u'(') || w.startsWith(QLatin1String("rnd(")); }

// Words whose lone number may be below zero though the tables give no limit.
bool MayBeNegative(QStringView word) { return word == QLatin1String("resource_delta"); }

} // namespace

bool IsWholeNumber(QStringView w)
{
    qsizetype i = (w.startsWith(u'-') || w.startsWith(u'+')) ? 1 : 0;
    if (i == w.size())
        return false;
    for (; i < w.size(); ++i)
        if (!w[i].isDigit() || w[i].unicode() > u'9')
            return false;
    return true;
}

NumberRange ArgumentRange(ArgKind kind, const WordInfo *lone)
{
    const bool percent = kind == ArgKind::Percent;
    NumberRange range{percent ? 0 : INT_MIN, percent ? 100 : INT_MAX};
    if (lone) {
        range.min = lone->min.value_or(MayBeNegative(lone->word) ? range.min : 0);
        range.max = lone->max.value_or(range.max);
    }
    return range;
}

bool LooksLikeNumber(QStringView w)
{
    if (IsWholeNumber(w))
        return true;
    if (w.isEmpty() || !(w[0].isDigit() || w[0] == u'-' || w[0] == u'+' || w[0] == u'.'))
        return false;
    bool ok = false;
    const double value = w.toDouble(&ok);
    return ok && value == value;
}

QString KindText(ArgKind kind)
{
    switch (kind) {
    case ArgKind::Int: return Ui::tr("整数");
    case ArgKind::Percent: return Ui::tr("0 到 100 的整数");
    case ArgKind::Constant: return Ui::tr("常量名");
    case ArgKind::Flag: return Ui::tr("标签名");
    case ArgKind::Name: return Ui::tr("名字");
    case ArgKind::File: return Ui::tr("文件名");
    }
    return {};
}

void Checker::arguments(const Node &node, const Place &place)
{
    const WordInfo &info = *node.info;
    for (size_t i = 0; i < info.args.size(); ++i) {
        const ArgSpec &expected = info.args[i];
        if (i >= node.args.size()) {
            if (!expected.optional)
                problems_.error("argument-missing", node.head,
                                Ui::tr("“%1”缺少第 %2 个参数（%3）：请在它后面写上。")
                                    .arg(node.head.text)
                                    .arg(i + 1)
                                    .arg(KindText(expected.kind)));
            return;
        }
        argument(node.head, expected.kind, node.args[i], &info, info.args.size() == 1, place);
    }
}

void Checker::argument(const Word &head, ArgKind kind, const Word &arg, const WordInfo *info, bool lone,
                       const Place &place)
{
    switch (kind) {
    case ArgKind::Int:
    case ArgKind::Percent: return integer(head, kind, arg, info, lone, place);
    case ArgKind::Constant:
        if (LooksLikeNumber(arg.text) || IsExpression(arg.text))
            return problems_.error("name-expected", arg,
                                   Ui::tr("“%1”后面需要常量名（例如 GRASS），不是数字“%2”：请改成常量名，或先用 "
                                          "#const 给这个数字起名。")
                                       .arg(head.text, arg.text));
        return constant(arg, place);
    case ArgKind::Flag:
    case ArgKind::Name:
        if (LooksLikeNumber(arg.text))
            problems_.error(
                "name-expected", arg,
                Ui::tr("“%1”后面需要%2，不是数字“%3”：请改成一个名字。").arg(head.text, KindText(kind), arg.text));
        return;
    case ArgKind::File: return;
    }
}

void Checker::integer(const Word &head, ArgKind kind, const Word &arg, const WordInfo *info, bool lone,
                      const Place &place)
{
    const QStringView w = arg.text;
    if (!IsWholeNumber(w)) {
        if (IsExpression(w) || consts_.contains(w.toString()) || FindConstant(w)) {
            // Newer editions read these where a number stands.
            dialectOf(arg, Dialect::Modern, place);
            return;
        }
        const QString what = LooksLikeNumber(w) ? Ui::tr("“%1”后面需要整数，“%2”不是整数：请去掉小数部分。")
                                                : Ui::tr("“%1”后面需要整数，“%2”不是数字：请改成整数。");
        // A #const's value has its own id: the name it defines is then unusable.
        const bool ofConst = head.text == QLatin1String("#const");
        return problems_.error(ofConst ? "const-not-number" : "number-expected", arg, what.arg(head.text, w));
    }
    bool ok = false;
    const int value = w.toInt(&ok);
    if (!ok)
        return problems_.error("out-of-range", arg, Ui::tr("“%1”太大了：请写一个较小的整数。").arg(w));
    const auto [min, max] = ArgumentRange(kind, lone ? info : nullptr);
    const bool hard = kind == ArgKind::Percent && (value < 0 || value > 100);
    if (value < min || value > max) {
        const QString message = Ui::tr("“%1”的值 %2 超出了范围 %3 到 %4：请改成这个范围内的整数。")
                                    .arg(head.text, w, min == INT_MIN ? Ui::tr("（无下限）") : QString::number(min),
                                         max == INT_MAX ? Ui::tr("（无上限）") : QString::number(max));
        // Limits differ between editions; only a percent outside 0-100 is surely wrong.
        problems_.add("out-of-range", hard ? Severity::Error : Severity::Warning, arg, message);
    }
}

QString Checker::suggestion(QStringView word, NamePool pool, const QString &otherwise)
{
    return ++suggestions_ <= kMaxSuggestions ? SuggestionText(word, pool, otherwise) : otherwise;
}

bool Checker::known(QStringView name) const
{
    return consts_.contains(name.toString()) || labels_.contains(name.toString());
}

void Checker::constant(const Word &arg, const Place &place)
{
    if (consts_.contains(arg.text.toString()))
        return;
    if (const ConstantInfo *c = FindConstant(arg.text))
        return dialectOf(arg, c->dialect, place);
    if (!problems_.open())
        return;
    const QString message =
        Ui::tr("常量“%1”没有定义：内置常量里没有它，前面也没有 #const 定义它。").arg(arg.text)
        + suggestion(arg.text, NamePool::Constants, Ui::tr("请在用它之前写 #const %1 数值。").arg(arg.text));
    problems_.error("unknown-constant", arg, message);
}

void Checker::label(const Word &arg)
{
    if (known(arg.text) || FindLabel(arg.text) || FindConstant(arg.text) || !problems_.open())
        return;
    const QString message =
        Ui::tr("标签“%1”没有定义：游戏不认识它，前面也没有 #define，这个分支永远不会被选中。").arg(arg.text)
        + suggestion(arg.text, NamePool::Labels);
    problems_.warning("unknown-label", arg, message);
}

} // namespace quorlin::lang
