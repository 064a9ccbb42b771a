// The checks of names: constants, if labels, object groups, the names an
// included game file may define and #const names that stand for a word.
#include "lang/checker.h"
#include "lang/suggest.h"

namespace quorlin::lang {

namespace {

// At most this many undefined labels are kept to be told of at the end.
constexpr size_t kMaxUndefined = size_t(kMaxProblems);

bool IsBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f'; }

// Calls `take` with each blank-separated word of `text`, in order.
template <typename F>
void ForEachWord(QStringView text, F take)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        while (i < n && IsBlank(text[i]))
            ++i;
        const qsizetype start = i;
        while (i < n && !IsBlank(text[i]))
            ++i;
        if (i > start)
            take(text.sliced(start, i - start));
    }
}

} // namespace

bool Checker::known(QStringView name) const
{
    const QString key = name.toString();
    return consts_.contains(key) || labels_.contains(key) || groups_.contains(key);
}

bool Checker::includedMayDefine(const Word &arg, const char *what)
{
    if (included_.isEmpty())
        return false;
    problems_.warning("included-name", arg,
                      Ui::tr("%1“%2”在本文件里没有定义，内置的表里也没有：它可能来自 #include_drs 引入的 %3。")
                          .arg(Ui::tr(what), arg.text, included_.join(Ui::tr("、"))));
    return true;
}

void Checker::constant(const Word &arg, const Place &place)
{
    if (known(arg.text))
        return;
    if (const ConstantInfo *c = FindConstant(arg.text))
        return dialectOf(arg, c->dialect, place);
    if (!problems_.open() || includedMayDefine(arg, QT_TRANSLATE_NOOP("Quorlin", "常量")))
        return;
    const QString message =
        Ui::tr("常量“%1”没有定义：内置常量里没有它，前面也没有 #const 定义它。").arg(arg.text)
        + suggestion(arg.text, NamePool::Constants, Ui::tr("请在用它之前写 #const %1 数值。").arg(arg.text));
    problems_.error("unknown-constant", arg, message);
}

void Checker::label(const Word &arg)
{
    if (known(arg.text) || FindLabel(arg.text) || FindConstant(arg.text) || undefined_.size() >= kMaxUndefined)
        return;
    undefined_.push_back(arg);
}

// Told at the end, when every label the file defines is known for suggestions.
void Checker::undefinedLabels()
{
    QStringList own;
    for (const QString &name : std::as_const(labels_))
        own << name;
    own.sort();
    for (const Word &arg : undefined_) {
        if (!problems_.open())
            return;
        if (labelsInComments().contains(arg.text.toString())) {
            problems_.note("label-switched-off", arg,
                           Ui::tr("标签“%1”没有定义：它的 #define 写在注释里，这个分支现在不会被选中。"
                                  "要用它时，把那行 #define 移出注释。")
                               .arg(arg.text));
            continue;
        }
        if (includedMayDefine(arg, QT_TRANSLATE_NOOP("Quorlin", "标签")))
            continue;
        const QString message =
            Ui::tr("标签“%1”没有定义：游戏不认识它，前面也没有 #define，这个分支永远不会被选中。").arg(arg.text)
            + (++suggestions_ <= kMaxSuggestions ? SuggestionText(arg.text, NamePool::Labels, QString(), own)
                                                 : QString());
        problems_.warning("unknown-label", arg, message);
    }
}

// The labels that a `#define` inside a comment names: switches turned off.
const QSet<QString> &Checker::labelsInComments()
{
    if (commentedLabels_)
        return *commentedLabels_;
    commentedLabels_.emplace();
    const QStringView text(script_->text);
    for (const Comment &comment : script_->comments) {
        bool afterDefine = false;
        ForEachWord(text.sliced(comment.open.offset, comment.end - comment.open.offset), [&](QStringView word) {
            if (afterDefine)
                commentedLabels_->insert(word.toString());
            afterDefine = word == QLatin1String("#define");
        });
    }
    return *commentedLabels_;
}

// A #const name used as the word whose internal number it holds: said once,
// at the #const.
void Checker::aliasUse(const Node &node)
{
    if (node.head.text == node.info->word)
        return;
    const QString name = node.head.text.toString();
    if (aliasesNoted_.contains(name))
        return;
    aliasesNoted_.insert(name);
    const auto definition = consts_.constFind(name);
    const Word &at = definition != consts_.cend() ? definition->name : node.head;
    const QString value = definition != consts_.cend() ? definition->value : QString();
    problems_.note("const-alias", at,
                   (IsWholeNumber(value) ? Ui::tr("“%1”的值 %2 是“%3”的内部编号：单独写的“%1”都当作“%3”读。")
                                         : Ui::tr("“%1”等于“%2”，代表“%3”：单独写的“%1”都当作“%3”读。"))
                       .arg(name, value, node.info->word));
}

} // namespace quorlin::lang
