#include "preview/script_values.h"

#include "core/ui_text.h"
#include "lang/vocabulary.h"

namespace quorlin::preview {

namespace {

std::optional<qint64> Plain(QStringView word)
{
    bool ok = false;
    const qint64 value = word.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return qBound(-ScriptValues::kLimit, value, ScriptValues::kLimit);
}

qint64 Bounded(qint64 value) { return qBound(-ScriptValues::kLimit, value, ScriptValues::kLimit); }

bool Operator(QChar c)
{
    return c == QLatin1Char('(') || c == QLatin1Char(')') || c == QLatin1Char('+') || c == QLatin1Char('-')
           || c == QLatin1Char('*') || c == QLatin1Char('/') || c == QLatin1Char(',');
}

// One formula read left to right: sums of products of factors, a factor
// being a number, a #const name, rnd(a, b), a formula in parentheses or a
// factor with a sign before it. Each nesting costs one level of depth, so
// the reading stops long before the stack could run out.
class Formula {
public:
    Formula(QStringView text, const QHash<QString, QString> &consts, Random &random)
        : text_(text), consts_(consts), random_(random)
    {}

    std::optional<qint64> read(QString *why)
    {
        std::optional<qint64> value = sum(0);
        blanks();
        if (value && at_ < text_.size())
            fail(Ui::tr("“%1”之后有多余的内容").arg(text_.left(at_).toString()));
        if (!why_.isEmpty()) {
            if (why)
                *why = why_;
            return std::nullopt;
        }
        return value;
    }

private:
    void blanks()
    {
        while (at_ < text_.size() && text_[at_].isSpace())
            ++at_;
    }
    bool take(char c)
    {
        blanks();
        if (at_ < text_.size() && text_[at_] == QLatin1Char(c)) {
            ++at_;
            return true;
        }
        return false;
    }
    std::nullopt_t fail(const QString &why)
    {
        if (why_.isEmpty())
            why_ = why;
        return std::nullopt;
    }

    std::optional<qint64> sum(int depth)
    {
        std::optional<qint64> value = product(depth);
        while (value) {
            if (take('+')) {
                const std::optional<qint64> next = product(depth);
                if (!next)
                    return std::nullopt;
                value = Bounded(*value + *next);
            } else if (take('-')) {
                const std::optional<qint64> next = product(depth);
                if (!next)
                    return std::nullopt;
                value = Bounded(*value - *next);
            } else {
                break;
            }
        }
        return value;
    }

    std::optional<qint64> product(int depth)
    {
        std::optional<qint64> value = factor(depth);
        while (value) {
            const bool times = take('*');
            if (!times && !take('/'))
                break;
            const std::optional<qint64> next = factor(depth);
            if (!next)
                return std::nullopt;
            if (times) {
                qint64 result = 0;
                value = __builtin_mul_overflow(*value, *next, &result)
                            ? ((*value < 0) != (*next < 0) ? -ScriptValues::kLimit : ScriptValues::kLimit)
                            : Bounded(result);
            } else if (*next == 0) {
                return fail(Ui::tr("除以零"));
            } else {
                value = *value / *next;
            }
        }
        return value;
    }

    std::optional<qint64> factor(int depth)
    {
        if (depth >= ScriptValues::kMaxDepth)
            return fail(Ui::tr("算式嵌套超过 %1 层").arg(ScriptValues::kMaxDepth));
        if (take('-')) {
            const std::optional<qint64> value = factor(depth + 1);
            return value ? std::optional<qint64>(-*value) : std::nullopt;
        }
        if (take('+'))
            return factor(depth + 1);
        if (take('(')) {
            const std::optional<qint64> value = sum(depth + 1);
            if (value && !take(')'))
                return fail(Ui::tr("缺少“)”"));
            return value;
        }
        blanks();
        const qsizetype start = at_;
        while (at_ < text_.size() && !text_[at_].isSpace() && !Operator(text_[at_]))
            ++at_;
        const QStringView word = text_.mid(start, at_ - start);
        if (word.isEmpty())
            return fail(at_ < text_.size() ? Ui::tr("“%1”处缺少数").arg(text_.mid(at_, 1).toString())
                                           : Ui::tr("算式不完整"));
        if (word == QLatin1String("rnd") && take('('))
            return drawn(depth + 1);
        if (const std::optional<qint64> value = Plain(word))
            return value;
        const auto bound = consts_.constFind(word.toString());
        if (bound == consts_.constEnd())
            return fail(Ui::tr("“%1”不是数，也不是 #const 定义的名称").arg(word.toString()));
        if (const std::optional<qint64> value = Plain(*bound))
            return value;
        return fail(Ui::tr("“%1”不是数").arg(word.toString()));
    }

    // rnd(a, b) after its "(": a whole number from a to b.
    std::optional<qint64> drawn(int depth)
    {
        const std::optional<qint64> low = sum(depth);
        if (!low)
            return std::nullopt;
        if (!take(','))
            return fail(Ui::tr("rnd 需要两个数"));
        const std::optional<qint64> high = sum(depth);
        if (!high)
            return std::nullopt;
        if (!take(')'))
            return fail(Ui::tr("缺少“)”"));
        const qint64 from = qMin(*low, *high), to = qMax(*low, *high);
        return from + qint64(random_.next() % quint64(to - from + 1));
    }

    QStringView text_;
    const QHash<QString, QString> &consts_;
    Random &random_;
    qsizetype at_ = 0;
    QString why_;
};

// Each number of a group to its built-in name: the classic name first, and
// of the names of one dialect the first in the table.
const QHash<qint64, QString> &BuiltInNames(NameGroup group)
{
    struct Index {
        QHash<qint64, QString> names[3];
        Index()
        {
            QHash<qint64, lang::Dialect> dialects[3];
            for (const QString &name : lang::AllNames()) {
                const lang::ConstantInfo *constant = lang::FindConstant(name);
                if (!constant || constant->name != name)
                    continue;
                const int g = constant->group == QLatin1String("terrain")  ? int(NameGroup::Terrain)
                              : constant->group == QLatin1String("object") ? int(NameGroup::Object)
                                                                           : int(NameGroup::None);
                if (g == int(NameGroup::None))
                    continue;
                const auto known = dialects[g].constFind(constant->value);
                if (known == dialects[g].constEnd() || *known > constant->dialect) {
                    names[g].insert(constant->value, name);
                    dialects[g].insert(constant->value, constant->dialect);
                }
            }
        }
    };
    static const Index index;
    return index.names[int(group)];
}

} // namespace

bool ScriptValues::isFormula(const QString &word) { return word.contains(QLatin1Char('(')); }

QString ScriptValues::define(const QString &name, const QString &value)
{
    QString why;
    if (isFormula(value)) {
        const std::optional<qint64> number = this->number(value, &why);
        consts_.insert(name, number ? QString::number(*number) : value);
    } else {
        consts_.insert(name, consts_.value(value, value));
    }
    return why;
}

std::optional<qint64> ScriptValues::number(const QString &word, QString *why)
{
    if (const std::optional<qint64> plain = Plain(word))
        return plain;
    if (isFormula(word))
        return Formula(word, consts_, random_).read(why);
    const auto bound = consts_.constFind(word);
    if (bound != consts_.constEnd()) {
        if (const std::optional<qint64> value = Plain(*bound))
            return value;
    }
    if (why)
        *why = Ui::tr("“%1”不是数").arg(word);
    return std::nullopt;
}

QString ScriptValues::name(const QString &word, NameGroup group)
{
    const QString value = isFormula(word) ? word : consts_.value(word, word);
    const std::optional<qint64> number = isFormula(value) ? this->number(value) : Plain(value);
    if (!number || group == NameGroup::None)
        return number ? QString::number(*number) : value;
    return BuiltInNames(group).value(*number, QString::number(*number));
}

} // namespace quorlin::preview
