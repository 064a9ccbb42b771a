// The checks of a word's arguments: how many, what kind, what range.
#include "lang/checker.h"
#include "lang/suggest.h"

#include <QRegularExpression>

#include <climits>

namespace quorlin::lang {

namespace {

// Arithmetic and rnd(a,b), which only the modern dialect reads.
bool IsExpression(QStringView w) { return w.startsWith(u'(') || w.startsWith(QLatin1String("rnd(")); }

bool HasBlank(QStringView w)
{
    for (QChar c : w)
        if (c.isSpace())
            return true;
    return false;
}

// An upper-case name, as constants are written (`BUSH_FOREST`).
bool LooksLikeName(QStringView w)
{
    bool letter = false;
    for (QChar c : w) {
        if (c.isLower() || c.unicode() > 0x7F || !(c.isLetterOrNumber() || c == u'_'))
            return false;
        letter = letter || c.isLetter();
    }
    return letter && !w[0].isDigit();
}

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
        // The game's effects take an object, technology or resource by its
        // number as well as by its name.
        if (info && info->kind == WordKind::TopLevel && info->args.size() >= 3 && IsWholeNumber(arg.text))
            return;
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
    const bool ofConst = head.text == QLatin1String("#const");
    if (!IsWholeNumber(w)) {
        if (w.startsWith(QLatin1String("rnd(")) && HasBlank(w)) {
            QString tight = w.toString();
            tight.remove(QRegularExpression(QStringLiteral("\\s")));
            return problems_.error("number-expected", arg,
                                   Ui::tr("“%1”里有空格：游戏在空格处把它拆成几个词，读不出这个数。请去掉空格，写成 %2。")
                                       .arg(w, tight));
        }
        if (IsExpression(w) || consts_.contains(w.toString()) || FindConstant(w)) {
            // Newer editions read these where a number stands.
            dialectOf(arg, Dialect::Modern, place);
            return;
        }
        if (LooksLikeNumber(w)) {
            // A #const of the later edition may hold a fraction; elsewhere it
            // reads one, where the classic game reads the whole part.
            if (dialect_ == Dialect::Modern) {
                if (!ofConst)
                    problems_.warning("number-expected", arg,
                                      Ui::tr("“%1”后面通常写整数，“%2”有小数部分：新版读小数，旧版只读整数部分。")
                                          .arg(head.text, w));
                return;
            }
            return problems_.error(ofConst ? "const-not-number" : "number-expected", arg,
                                   Ui::tr("“%1”后面需要整数，“%2”不是整数：请去掉小数部分。").arg(head.text, w));
        }
        // A name in a number's place is a constant that nothing defined.
        if (LooksLikeName(w))
            return constant(arg, place);
        // A #const's value has its own id: the name it defines is then unusable.
        return problems_.error(ofConst ? "const-not-number" : "number-expected", arg,
                               Ui::tr("“%1”后面需要整数，“%2”不是数字：请改成整数。").arg(head.text, w));
    }
    // Numbers past 32 bits are read where a word sets no limit.
    const NumberRange range = ArgumentRange(kind, lone ? info : nullptr);
    const qlonglong min = range.min == INT_MIN ? LLONG_MIN : range.min;
    const qlonglong max = range.max == INT_MAX ? LLONG_MAX : range.max;
    bool ok = false;
    const qlonglong value = w.toLongLong(&ok);
    if (ok ? value >= min && value <= max : (w.startsWith(u'-') ? min == LLONG_MIN : max == LLONG_MAX))
        return;
    const QString message = Ui::tr("“%1”的值 %2 超出了范围 %3 到 %4：请改成这个范围内的整数。")
                                .arg(head.text, w, min == LLONG_MIN ? Ui::tr("（无下限）") : QString::number(min),
                                     max == LLONG_MAX ? Ui::tr("（无上限）") : QString::number(max));
    // Limits differ between editions; only a percent outside 0-100 is surely wrong.
    const bool hard = kind == ArgKind::Percent && (!ok || value < 0 || value > 100);
    problems_.add("out-of-range", hard ? Severity::Error : Severity::Warning, arg, message);
}

QString Checker::suggestion(QStringView word, NamePool pool, const QString &otherwise)
{
    return ++suggestions_ <= kMaxSuggestions ? SuggestionText(word, pool, otherwise) : otherwise;
}

} // namespace quorlin::lang
