#include "lang/check.h"

#include "lang/checker.h"
#include "lang/lexer.h"
#include "lang/suggest.h"

#include <algorithm>

namespace quorlin::lang {

namespace {

// Places where the sources of the language disagree: a word there may be
// right, so it is a warning, not an error. "*" stands for anywhere.
// clang-format off
const struct { const char *word; const char *place; } kDisputed[] = {
    {"terrain_mask", "<PLAYER_SETUP>"}, {"circle_radius", "<PLAYER_SETUP>"}, {"color_correction", "*"},
    {"base_terrain", "create_object"},  {"terrain_type", "create_terrain"},
};
// clang-format on

bool Disputed(QStringView word, QStringView place)
{
    for (const auto &row : kDisputed)
        if (word == QLatin1String(row.word) && (place == QLatin1String(row.place) || row.place[0] == '*'))
            return true;
    return false;
}

// The block that takes a word: a group of objects takes what a single object takes.
bool Takes(const WordInfo &info, QStringView command)
{
    return info.where.contains(command)
           || (command == QLatin1String("create_object_group") && info.where.contains(QLatin1String("create_object")));
}

const Node *FirstCommand(const Node &group)
{
    for (const Branch &b : group.branches)
        for (const Node &n : b.nodes)
            if (n.kind == NodeKind::Command)
                return &n;
    return nullptr;
}

} // namespace

QString WrittenName(const Node &node)
{
    if (!node.info || node.head.text == node.info->word)
        return node.head.text.toString();
    return Ui::tr("%1（%2）").arg(node.head.text, node.info->word);
}

void Checker::run(const Script &script)
{
    script_ = &script;
    Place top;
    top.allowed = Dialect::Classic;
    walk(script.nodes, top);
    undefinedLabels();
}

void Checker::walk(const std::vector<Node> &nodes, const Place &place)
{
    for (const Node &n : nodes) {
        if (!problems_.open())
            return;
        node(n, place);
    }
    // Section-level duplicates count from each header on.
    duplicates(nodes, !place.block && !place.unknownBlock);
}

void Checker::node(const Node &node, const Place &place)
{
    switch (node.kind) {
    case NodeKind::Section:
        section_ = node.head.text.toString();
        if (place.block)
            break; // the reader has told of the unclosed block
        return;
    case NodeKind::Statement: return statement(node, place);
    case NodeKind::Command: return command(node, place);
    case NodeKind::Directive: return directive(node, place);
    case NodeKind::If: return ifGroup(node, place);
    case NodeKind::Random: return randomGroup(node, place);
    case NodeKind::Unknown: return unknown(node, place);
    }
}

void Checker::dialectOf(const Word &word, Dialect of, const Place &place)
{
    if (newer(of, place))
        problems_.warning(
            "dialect", word,
            Ui::tr("“%1”属于 %2 方言，%3 方言里没有：请改用 %2 方言检查，或把它写进判断该方言的 if 分支里。")
                .arg(word.text, DialectName(of), DialectName(dialect_)));
}

void Checker::sectionPlace(const Node &node)
{
    const WordInfo &info = *node.info;
    if (info.anywhere() || info.where.contains(section_))
        return;
    QStringList sections;
    for (const QString &w : info.where)
        if (w.startsWith(QLatin1Char('<')))
            sections << w;
    if (sections.isEmpty())
        return; // an attribute: see statement()
    if (section_.isEmpty())
        problems_.warning(
            "no-section", node.head,
            Ui::tr("“%1”写在 %2 段落之外：请把它移到 %2 段落里。").arg(WrittenName(node), sections.join(Ui::tr("或"))));
    else
        problems_.add("wrong-section", Disputed(info.word, section_) ? Severity::Warning : Severity::Error, node.head,
                      Ui::tr("“%1”只能写在 %2 段落里，不能写在 %3 里：请把它移过去。")
                          .arg(WrittenName(node), sections.join(Ui::tr("或")), section_));
}

void Checker::statement(const Node &node, const Place &place)
{
    const WordInfo &info = *node.info;
    dialectOf(node.head, info.dialect, place);
    aliasUse(node);
    if (place.block) {
        const QStringView command = place.block->info->word;
        if (!Takes(info, command) && !info.anywhere()) {
            const QString message = Ui::tr("命令“%1”的块里不能写“%2”：请把它移到接受它的块或段落里（它属于 %3）。")
                                        .arg(WrittenName(*place.block), WrittenName(node),
                                             info.where.join(QLatin1Char(',')));
            problems_.add("wrong-block", Disputed(info.word, command) ? Severity::Warning : Severity::Error, node.head,
                          message);
        }
    } else if (!place.unknownBlock) {
        if (info.kind == WordKind::Attribute) {
            if (Disputed(info.word, section_))
                problems_.warning("outside-block", node.head,
                                  Ui::tr("“%1”通常写在 %2 的块里，不单独写在段落里。")
                                      .arg(WrittenName(node), info.where.join(QLatin1Char(','))));
            else
                problems_.error("outside-block", node.head,
                                Ui::tr("属性“%1”必须写在命令的 { } 块里（%2）：请把它移进块里。")
                                    .arg(WrittenName(node), info.where.join(QLatin1Char(','))));
        } else {
            sectionPlace(node);
        }
    }
    arguments(node, place);
}

void Checker::command(const Node &node, const Place &place)
{
    dialectOf(node.head, node.info->dialect, place);
    aliasUse(node);
    if (!place.block)
        sectionPlace(node);
    arguments(node, place);
    if (!node.stray.empty())
        problems_.error("extra-argument", node.stray.front(),
                        Ui::tr("多余的“%1”：命令“%2”和它的 { 之间不该有别的词。请删掉它；后面的块仍按这个命令检查。")
                            .arg(node.stray.front().text, WrittenName(node)));
    if (node.info->word == QLatin1String("create_object_group") && !node.args.empty())
        groups_.insert(node.args[0].text.toString());
    if (node.hasBlock) {
        Place inner = place;
        inner.block = &node;
        walk(node.body, inner);
    }
}

void Checker::directive(const Node &node, const Place &place)
{
    dialectOf(node.head, node.info->dialect, place);
    arguments(node, place);
    const QStringView word = node.head.text;
    if (word == QLatin1String("#define") && !node.args.empty())
        labels_.insert(node.args[0].text.toString());
    if (word == QLatin1String("#include_drs") && !node.args.empty() && included_.size() < 16
        && !included_.contains(node.args[0].text))
        included_ << node.args[0].text.toString();
    if (word != QLatin1String("#const") || node.args.size() < 2)
        return;
    const QString name = node.args[0].text.toString();
    const QString value = node.args[1].text.toString();
    const auto previous = consts_.constFind(name);
    if (previous != consts_.cend() && previous->value != value && !previous->inBranch && !place.inBranch) {
        problems_.warning("name-redefined", node.args[0],
                          Ui::tr("“%1”在第 %2 行已定义为 %3，这里又定义为 %4：游戏用后一个值。请删掉多余的一个。")
                              .arg(name)
                              .arg(previous->name.line)
                              .arg(previous->value, value));
    } else if (const ConstantInfo *builtIn = FindConstant(name);
               previous == consts_.cend() && builtIn && builtIn->valueKnown && builtIn->dialect <= dialect_
               && value != QString::number(builtIn->value)) {
        problems_.warning("name-redefined", node.args[0],
                          Ui::tr("“%1”是内置常量，值为 %2，这里定义为 %3：请确认这是有意的。")
                              .arg(name)
                              .arg(builtIn->value)
                              .arg(value));
    }
    consts_.insert(name, {value, node.args[0], place.inBranch});
}

void Checker::ifGroup(const Node &node, const Place &place)
{
    Place inner = place;
    inner.inBranch = true;
    const auto compared = std::find_if(node.branches.begin(), node.branches.end(),
                                       [](const Branch &b) { return !b.compared.empty(); });
    if (compared != node.branches.end()) {
        const Word &last = compared->compared.back();
        const QStringView written = QStringView(script_->text)
                                        .sliced(compared->keyword.offset,
                                                last.offset + last.text.size() - compared->keyword.offset);
        problems_.error("if-comparison", node.head,
                        Ui::tr("if 只问一个名字有没有定义，不会比较数值：“%1”只看 %2 是否定义过，定义过就选这个分支，"
                               "后面的比较不起作用。请改用 #define 的标签来选分支。")
                            .arg(written, compared->condition.text));
    }
    for (const Branch &branch : node.branches) {
        Place here = inner;
        if (branch.condition.present()) {
            label(branch.condition);
            if (const LabelInfo *l = FindLabel(branch.condition.text))
                here.allowed = std::max(place.allowed, l->dialect);
        } else if (branch.keyword.text != QLatin1String("else")) {
            problems_.error("argument-missing", branch.keyword,
                            Ui::tr("“%1”后面缺少要判断的标签：请写上标签名，例如 TINY_MAP。").arg(branch.keyword.text));
        }
        walk(branch.nodes, here);
    }
    sharedBlock(node, place);
}

void Checker::randomGroup(const Node &node, const Place &place)
{
    Place inner = place;
    inner.inBranch = true;
    int total = 0, last = 0;
    bool unreachable = false;
    for (const Branch &branch : node.branches) {
        if (branch.keyword.present()) {
            last = std::clamp(branch.condition.text.toInt(), 0, 100);
            if (total >= 100 && last > 0 && !unreachable) {
                unreachable = true;
                problems_.error("branch-never-chosen", branch.keyword,
                                Ui::tr("这个 percent_chance 分支永远不会被选中：它前面的分支加起来已经是 %1。"
                                       "请把前面的改小，或删掉这个分支。")
                                    .arg(total));
            }
            if (!branch.condition.present())
                problems_.error("argument-missing", branch.keyword,
                                Ui::tr("percent_chance 后面缺少百分数：请写上 0 到 100 的整数。"));
            else
                argument(branch.keyword, ArgKind::Percent, branch.condition, FindWord(branch.keyword.text), true,
                         place);
            total += last;
        }
        walk(branch.nodes, inner);
    }
    // A last branch of 100 takes whatever the others leave: "everything else".
    if (total > 100 && !unreachable && !(last == 100 && total - last < 100))
        problems_.error(
            "percent-over-100", node.head,
            Ui::tr("这个 start_random 里的 percent_chance 加起来是 %1，超过了 100：请把它们改小，使总和不超过 100。")
                .arg(total));
    sharedBlock(node, place);
}

// A block after a whole `if` or random group belongs to each command inside
// it; it is checked as the first command's.
void Checker::sharedBlock(const Node &node, const Place &place)
{
    if (!node.hasBlock)
        return;
    if (const Node *command = FirstCommand(node)) {
        Place body = place;
        body.block = command;
        walk(node.body, body);
    }
}

void Checker::unknown(const Node &node, const Place &place)
{
    const Word &w = node.head;
    if (GluedToCommentMark(w.text)) {
        // already told; its words are not checked further
    } else if (LooksLikeNumber(w.text)) {
        problems_.error(
            "extra-argument", w,
            Ui::tr("多余的值“%1”：它前面的词不需要这么多参数。请删掉它，或检查前面是否写错了词。").arg(w.text));
    } else if (dialect_ == Dialect::Modern && consts_.contains(w.text.toString())) {
        // The later edition lets a #const holding a word's internal number stand for that word.
        problems_.warning(
            "const-as-word", w,
            Ui::tr("“%1”是 #const 定义的名字：只有它的值是某个命令的内部编号时才能这样单独使用，请确认。").arg(w.text));
    } else if (FindConstant(w.text) || consts_.contains(w.text.toString()) || FindLabel(w.text)) {
        problems_.error("unknown-word", w,
                        Ui::tr("“%1”是常量或标签，不能单独成句：它前面是否缺少了命令或属性？").arg(w.text));
    } else if (problems_.open()) {
        const QString message = Ui::tr("不认识的词“%1”。").arg(w.text)
                                + suggestion(w.text, NamePool::Words, Ui::tr("请检查拼写，或删掉它。"));
        problems_.error("unknown-word", w, message);
    }
    if (node.hasBlock) {
        Place inner = place;
        inner.block = nullptr;
        inner.unknownBlock = true;
        walk(node.body, inner);
    }
}

void Checker::duplicates(const std::vector<Node> &nodes, bool sectionLevel)
{
    QHash<const WordInfo *, const Node *> seen;
    for (const Node &n : nodes) {
        if (sectionLevel && n.kind == NodeKind::Section)
            seen.clear();
        if (n.kind != NodeKind::Statement || n.info->repeatable)
            continue;
        if (const Node *first = seen.value(n.info)) {
            problems_.warning("duplicate", n.head,
                              Ui::tr("“%1”在第 %2 行已经写过一次，游戏只用后一个：请删掉其中一个。")
                                  .arg(n.head.text)
                                  .arg(first->head.line));
        }
        seen.insert(n.info, &n);
    }
}

// The first word of someone's own preprocessor, when the text is the source
// such a tool turns into a script: a `$name`, a `#WORD(...)`, or two lines
// that start with `#` words the game does not have and that are no typo of
// one of its directives.
const Word *PreprocessorSource(const Script &script)
{
    int lines = 0, lastLine = 0;
    for (const Word &w : script.foreign) {
        if (w.text.startsWith(u'$') || w.text.contains(u'('))
            return &script.foreign.front();
        if (w.line != lastLine && Suggest(w.text, NamePool::Words).isEmpty())
            ++lines;
        lastLine = w.line;
    }
    return lines >= 2 ? &script.foreign.front() : nullptr;
}

QVector<Problem> CheckScript(const QString &text, Dialect dialect)
{
    Script script = ReadScript(text);
    if (const Word *first = PreprocessorSource(script)) {
        QVector<Problem> one;
        ProblemList(&one).error("preprocessor-source", *first,
                                Ui::tr("“%1”不是游戏的指令：这是某个预处理工具的源文件，要先用那个工具生成脚本，"
                                       "游戏才能读。这个文件没有再往下检查。")
                                    .arg(first->text));
        return one;
    }
    QVector<Problem> problems = std::move(script.problems);
    Checker(dialect, &problems).run(script);
    std::stable_sort(problems.begin(), problems.end(), [](const Problem &a, const Problem &b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    });
    return problems;
}

} // namespace quorlin::lang
