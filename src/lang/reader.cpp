#include "lang/reader.h"

#include "lang/lexer.h"
#include "lang/problem_list.h"
#include "lang/vocabulary.h"

#include <QHash>

namespace quorlin::lang {

namespace {

bool Is(const Word &word, const char *text) { return word.text == QLatin1String(text); }

bool LooksNumeric(QStringView w)
{
    if (w.isEmpty())
        return false;
    const QChar c = w[0];
    return c.isDigit() || c == u'-' || c == u'+' || c == u'(' || c == u'.' || w.startsWith(QLatin1String("rnd("));
}

// A word on a later line than its command is taken as its argument only when
// it looks like one, so that a missing value does not swallow the next line.
bool Plausible(ArgKind kind, QStringView w)
{
    switch (kind) {
    case ArgKind::Int:
    case ArgKind::Percent: return LooksNumeric(w);
    case ArgKind::File: return true;
    default:
        for (QChar c : w)
            if (c.isLower())
                return false;
        return true;
    }
}

// Opening minus closing parentheses: above zero, an argument goes on into
// the next words ("( LENGTH * 16 )", "rnd( 3 , 5 )").
qsizetype OpenParentheses(QStringView w)
{
    qsizetype depth = 0;
    for (QChar c : w)
        depth += c == u'(' ? 1 : c == u')' ? -1 : 0;
    return depth;
}

// `>`, `<=`, `==` and the like: no word of the language.
bool IsComparison(QStringView w)
{
    if (w.isEmpty() || w.size() > 2)
        return false;
    for (QChar c : w)
        if (c != u'<' && c != u'>' && c != u'=' && c != u'!')
            return false;
    return true;
}

// `$height`, `#REPEAT(4)`: words of a preprocessor, not of the game.
bool IsForeign(QStringView w, bool startsLine)
{
    if (w.size() > 1 && w[0] == u'$')
        return w[1].isLetter() || w[1] == u'_' || w[1] == u'{';
    return startsLine && w.size() > 1 && w[0] == u'#' && (w[1].isUpper() || w[1] == u'_');
}

constexpr size_t kForeignKept = 8;

// At most this many stray words between a command and its block are
// passed over to reach the block.
constexpr size_t kMaxStray = 2;
static_assert(kMaxStray < Lookahead::kMaxAhead, "the reader looks past the stray words to the brace");

Node Make(NodeKind kind, const Word &head, const WordInfo *info = nullptr)
{
    Node node;
    node.kind = kind;
    node.head = head;
    node.info = info;
    return node;
}

class Reader {
public:
    explicit Reader(Script *script)
        : script_(*script), problems_(&script->problems), words_(script->text, &script->comments, &problems_)
    {
        frames_.push_back({Frame::Root, &script_.nodes, nullptr, Word()});
    }

    void run()
    {
        while (peek())
            statement(take());
        while (frames_.size() > 1)
            closeUnfinished(Word());
    }

private:
    struct Frame {
        enum Type { Root, Block, IfBranch, RandomBranch, Beyond } type;
        std::vector<Node> *nodes;
        Node *owner;
        Word start;          // the `{`, `if` or `start_random`; for Beyond, the word that went too deep
        bool overIf = false; // Beyond only: stands for an if (or else a random group)
        // Branches only: the group follows a command that has no block yet,
        // and `command` is that command once a branch has opened its block.
        bool afterCommand = false;
        Node *command = nullptr;
    };

    std::vector<Node> &nodes() { return *frames_.back().nodes; }
    const Word *peek(size_t k = 0) { return words_.peek(k); }
    Word take()
    {
        before_ = last_;
        last_ = words_.take();
        if (last_.text.startsWith(u'$') && script_.foreign.size() < kForeignKept && IsForeign(last_.text, false))
            script_.foreign.push_back(last_);
        return last_;
    }

    // The row of the word a word of the text stands for: its own, or the
    // one a #const alias holds the number of.
    const WordInfo *wordOf(QStringView text) const
    {
        if (const WordInfo *info = FindWord(text))
            return info;
        return aliases_.isEmpty() ? nullptr : aliases_.value(text.toString());
    }

    // An argument that opens parentheses goes on, on its line, until they
    // close; a #const name inside is a value, whatever word its number is.
    Word wholeArgument()
    {
        Word first = take();
        qsizetype depth = OpenParentheses(first.text);
        Word last = first;
        while (depth > 0) {
            const Word *next = peek();
            if (!next || next->line != last.line || Is(*next, "{") || Is(*next, "}") || FindWord(next->text))
                break;
            last = take();
            depth += OpenParentheses(last.text);
        }
        first.text = QStringView(script_.text).sliced(first.offset, last.offset + last.text.size() - first.offset);
        return first;
    }

    // Takes the arguments a word's row asks for: stops at the first missing.
    std::vector<Word> takeArgs(const Word &head, const std::vector<ArgSpec> &expected)
    {
        std::vector<Word> args;
        args.reserve(expected.size());
        for (const ArgSpec &arg : expected) {
            const Word *next = peek();
            if (!next || Is(*next, "{") || Is(*next, "}") || FindWord(next->text))
                break;
            // On a later line, an alias of a command is a word of its own; any
            // other #const name is a value, as on the head's line.
            const bool sameLine = next->line == head.line;
            const WordInfo *alias = sameLine ? nullptr : wordOf(next->text);
            if (!sameLine
                && (arg.optional || (alias ? alias->kind == WordKind::Command : !Plausible(arg.kind, next->text))))
                break;
            args.push_back(wholeArgument());
        }
        return args;
    }

    // The words after an unknown one on its line, up to a known word or brace.
    std::vector<Word> takeRestOfLine(const Word &head)
    {
        std::vector<Word> args;
        while (const Word *next = peek()) {
            if (next->line != head.line || Is(*next, "{") || Is(*next, "}") || wordOf(next->text))
                break;
            args.push_back(take());
        }
        return args;
    }

    void statement(const Word word)
    {
        if (Is(word, "{"))
            return openBrace(word);
        if (Is(word, "}"))
            return closeBrace(word);
        const WordInfo *info = wordOf(word.text);
        if (!info) {
            if (script_.foreign.size() < kForeignKept && IsForeign(word.text, before_.line != word.line))
                script_.foreign.push_back(word);
            Node node = Make(NodeKind::Unknown, word);
            node.args = takeRestOfLine(word);
            // A block of its own: blocks never nest, so one still open lacks its `}`.
            if (const Word *next = peek(); next && Is(*next, "{"))
                leaveBlock(word);
            nodes().push_back(std::move(node));
            awaitBlock(false);
            return;
        }
        switch (info->kind) {
        case WordKind::Section:
            leaveBlock(word);
            nodes().push_back(Make(NodeKind::Section, word, info));
            return;
        case WordKind::Flow: return flow(word, *info);
        case WordKind::Command: {
            leaveBlock(word);
            Node node = Make(NodeKind::Command, word, info);
            node.args = takeArgs(word, info->args);
            nodes().push_back(std::move(node));
            awaitBlock(true);
            return;
        }
        default: {
            Node node = Make(info->kind == WordKind::Directive ? NodeKind::Directive : NodeKind::Statement, word, info);
            node.args = takeArgs(word, info->args);
            if (Is(word, "#const") && node.args.size() == 2)
                alias(node.args[0].text, node.args[1].text);
            nodes().push_back(std::move(node));
        }
        }
    }

    // After an if's label, on its line: an operator and the value it
    // compares with, or a value alone.
    std::vector<Word> takeComparison(const Word &label)
    {
        std::vector<Word> words;
        bool operand = true; // a value may follow the label or an operator
        while (const Word *next = peek()) {
            if (next->line != label.line || Is(*next, "{") || Is(*next, "}") || FindWord(next->text))
                break;
            if (IsComparison(next->text)) {
                words.push_back(take());
                operand = true;
            } else if (operand && (LooksNumeric(next->text) || !words.empty())) {
                words.push_back(wholeArgument());
                operand = false;
            } else {
                break;
            }
        }
        return words;
    }

    // `#const NAME VALUE`: NAME stands for the word whose number VALUE is,
    // or for what the name VALUE stands for, and else for no word.
    void alias(QStringView name, QStringView value)
    {
        const WordInfo *word = WordOfNumber(value);
        if (!word && !aliases_.isEmpty())
            word = aliases_.value(value.toString());
        if (word)
            aliases_.insert(name.toString(), word);
        else if (!aliases_.isEmpty())
            aliases_.remove(name.toString());
    }

    // Words on a command's line that stand between it and its `{`: how many
    // there are, or 0 when no block follows them.
    size_t strayBeforeBlock(const Node &command)
    {
        for (size_t k = 0; k <= kMaxStray; ++k) {
            const Word *next = peek(k);
            if (!next)
                return 0;
            if (Is(*next, "{"))
                return k;
            if (next->line != command.head.line || Is(*next, "}") || wordOf(next->text))
                return 0;
        }
        return 0;
    }

    // After a command or an unknown word: its block, if a `{` follows.
    void awaitBlock(bool required)
    {
        Node &node = nodes().back();
        if (required) {
            for (size_t k = strayBeforeBlock(node); k > 0; --k)
                node.stray.push_back(take());
        }
        const Word *next = peek();
        if (next && Is(*next, "{")) {
            openBlock(&node, take());
            return;
        }
        // A command whose block follows a group of branches that each name
        // the command ("if A create_object X else create_object Y endif {")
        // is not told off: the block then belongs to the group.
        if (required && !(next && FindWord(next->text) && FindWord(next->text)->kind == WordKind::Flow))
            problems_.error(
                "block-missing", node.head,
                Ui::tr("命令“%1”后面缺少 { … } 块：请在它后面写 { 和 }，属性写在中间。").arg(node.head.text));
    }

    void openBlock(Node *owner, const Word &brace)
    {
        owner->hasBlock = true;
        owner->open = brace;
        frames_.push_back({Frame::Block, &owner->body, owner, brace});
    }

    void openBrace(const Word &brace)
    {
        // A block at the start of a branch of a group that follows a command
        // without one: the game decides `if` word by word, so the branch
        // gives the command its block.
        Frame &top = frames_.back();
        if ((top.type == Frame::IfBranch || top.type == Frame::RandomBranch) && top.afterCommand && nodes().empty()) {
            if (!top.command)
                moveIntoCommand();
            Node *command = frames_.back().command;
            if (!command->open.present())
                command->open = brace;
            frames_.push_back({Frame::Block, frames_.back().nodes, command, brace});
            return;
        }
        // A block after a group of branches that end in commands without one.
        if (frames_.back().type != Frame::Block && !nodes().empty()) {
            Node &last = nodes().back();
            if ((last.kind == NodeKind::If || last.kind == NodeKind::Random) && !last.hasBlock && last.end.present()
                && EndsInBlocklessCommand(last) && before_.offset == last.end.offset) {
                openBlock(&last, brace);
                return;
            }
        }
        problems_.error("brace-stray-open", brace,
                        Ui::tr("多余的 {：它前面没有命令，或者上一个块还没有用 } 关闭。请删掉它或补上缺少的内容。"));
    }

    // The group of the innermost frame, last of its list and just after a
    // command without a block, becomes that command's block.
    void moveIntoCommand()
    {
        std::vector<Node> &outer = *frames_[frames_.size() - 2].nodes;
        Node &command = outer[outer.size() - 2];
        command.hasBlock = true;
        command.body.push_back(std::move(outer.back()));
        outer.pop_back();
        Frame &top = frames_.back();
        top.owner = &command.body.back();
        top.nodes = &top.owner->branches.back().nodes;
        top.command = &command;
    }

    // The last word that belongs to a node without a block.
    static const Word &LastWord(const Node &node)
    {
        return !node.stray.empty() ? node.stray.back() : !node.args.empty() ? node.args.back() : node.head;
    }

    static bool HoldsSection(const Node &group)
    {
        for (const Branch &b : group.branches)
            for (const Node &n : b.nodes)
                if (n.kind == NodeKind::Section)
                    return true;
        return false;
    }

    static bool EndsInBlocklessCommand(const Node &group)
    {
        for (const Branch &b : group.branches)
            if (!b.nodes.empty() && b.nodes.back().kind == NodeKind::Command && !b.nodes.back().hasBlock)
                return true;
        return false;
    }

    void closeBrace(const Word &brace)
    {
        if (innermost(Frame::Block) < 0)
            return problems_.error("brace-stray-close", brace,
                                   Ui::tr("多余的 }：它前面没有打开的 {。请删掉它，或在块的开头补上 {。"));
        while (frames_.back().type != Frame::Block)
            closeUnfinished(brace);
        frames_.back().owner->close = brace;
        frames_.pop_back();
    }

    // A section header or a command inside a block: the block's `}` is missing.
    void leaveBlock(const Word &word)
    {
        if (innermost(Frame::Block) < 0)
            return;
        while (frames_.back().type != Frame::Block)
            closeUnfinished(word);
        closeUnfinished(word);
    }

    // Pops the innermost frame, which its closing word never ended.
    void closeUnfinished(const Word &where)
    {
        const Frame frame = frames_.back();
        frames_.pop_back();
        if (frame.type == Frame::IfBranch || frame.type == Frame::RandomBranch)
            --depth_;
        const bool atEnd = !where.present();
        switch (frame.type) {
        case Frame::Block:
            problems_.error("brace-unclosed", frame.start,
                            Ui::tr("这个 { 没有对应的 }：请在块的最后一个属性后面补上 }。"));
            break;
        case Frame::IfBranch:
            // Some scripts leave the last if open on purpose at the end; one
            // that holds a section header swallows the sections after it.
            problems_.add("if-unclosed", atEnd && !HoldsSection(*frame.owner) ? Severity::Warning : Severity::Error,
                          frame.owner->head,
                          Ui::tr("这个 if 没有对应的 endif：请在它的最后一个分支后面补上 endif。"));
            break;
        case Frame::RandomBranch:
            problems_.error("random-unclosed", frame.owner->head,
                            Ui::tr("这个 start_random 没有对应的 end_random：请在最后一个 percent_chance 分支后面补上 "
                                   "end_random。"));
            break;
        case Frame::Beyond:
        case Frame::Root: break;
        }
    }

    int innermost(Frame::Type type) const
    {
        for (int i = int(frames_.size()) - 1; i > 0; --i) {
            if (frames_[size_t(i)].type == type)
                return i;
            if (frames_[size_t(i)].type == Frame::Block)
                return -1; // flow never matches across a block's braces
        }
        return -1;
    }

    void flow(const Word &word, const WordInfo &info)
    {
        const bool isIf = Is(word, "if"), isRandom = Is(word, "start_random");
        if (isIf || isRandom) {
            const bool afterCommand = !nodes().empty() && nodes().back().kind == NodeKind::Command
                                      && !nodes().back().hasBlock
                                      && LastWord(nodes().back()).offset == before_.offset;
            Node node = Make(isIf ? NodeKind::If : NodeKind::Random, word);
            const std::vector<Word> args = takeArgs(word, info.args);
            if (depth_ >= kMaxNesting) {
                if (!tooDeep_)
                    problems_.error(
                        "nesting-too-deep", word,
                        Ui::tr("if 和 start_random 嵌套超过 %1 层：请减少嵌套。更深的分支没有检查。").arg(kMaxNesting));
                tooDeep_ = true;
                frames_.push_back({Frame::Beyond, &nodes(), nullptr, word, isIf});
                return;
            }
            node.branches.push_back(Branch{isIf ? word : Word(), args.empty() ? Word() : args[0], {}, {}});
            if (isIf && !args.empty())
                node.branches.back().compared = takeComparison(args[0]);
            nodes().push_back(std::move(node));
            Node *owner = &nodes().back();
            frames_.push_back({isIf ? Frame::IfBranch : Frame::RandomBranch, &owner->branches.back().nodes, owner,
                               word, false, afterCommand});
            ++depth_;
            return;
        }
        const bool ofIf = Is(word, "elseif") || Is(word, "else") || Is(word, "endif");
        const std::vector<Word> args = takeArgs(word, info.args);
        // Beyond the nesting limit, the branch words only keep count.
        if (frames_.back().type == Frame::Beyond) {
            if (Is(word, "endif") || Is(word, "end_random"))
                frames_.pop_back();
            return;
        }
        const int at = innermost(ofIf ? Frame::IfBranch : Frame::RandomBranch);
        if (at < 0)
            return problems_.error("flow-unmatched", word,
                                   (ofIf ? Ui::tr("“%1”前面没有打开的 if：请补上 if，或删掉它。")
                                         : Ui::tr("“%1”前面没有打开的 start_random：请补上 start_random，或删掉它。"))
                                       .arg(word.text));
        while (int(frames_.size()) - 1 > at)
            closeUnfinished(word);
        Node *owner = frames_.back().owner;
        if (Is(word, "endif") || Is(word, "end_random")) {
            owner->end = word;
            frames_.pop_back();
            --depth_;
            return;
        }
        if (ofIf && Is(owner->branches.back().keyword, "else"))
            problems_.error("flow-after-else", word,
                            Ui::tr("“%1”写在了 else 后面，永远不会被选中：请把它移到 else 前面。").arg(word.text));
        owner->branches.push_back(Branch{word, args.empty() ? Word() : args[0], {}, {}});
        if (Is(word, "elseif") && !args.empty())
            owner->branches.back().compared = takeComparison(args[0]);
        frames_.back().nodes = &owner->branches.back().nodes;
    }

    Script &script_;
    ProblemList problems_;
    Lookahead words_;
    Word last_, before_; // the last word taken and the one before it
    std::vector<Frame> frames_;
    QHash<QString, const WordInfo *> aliases_; // #const names that stand for a word
    int depth_ = 0;
    bool tooDeep_ = false;
};

} // namespace

Problem ScriptTooLarge()
{
    return {QStringLiteral("script-too-large"),
            Severity::Error,
            1,
            1,
            0,
            Ui::tr("脚本太大（超过 %1 MB），没有检查。").arg(kMaxScriptChars / (1024 * 1024))};
}

Script ReadScript(const QString &text)
{
    Script script;
    script.text = text;
    if (text.size() > kMaxScriptChars) {
        script.problems << ScriptTooLarge();
        return script;
    }
    Reader(&script).run();
    return script;
}

} // namespace quorlin::lang
