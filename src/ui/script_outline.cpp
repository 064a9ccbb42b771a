#include "ui/script_outline.h"

#include "lang/vocabulary.h"

#include <QTextBlock>

#include <algorithm>
#include <utility>

namespace quorlin {

namespace {

// The game splits at ASCII blanks and line ends only.
bool IsBlank(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\n' || u == u'\r' || u == u'\v' || u == u'\f';
}

// What the word after a directive or the group command names.
enum class Expect { Nothing, ConstName, ConstValue, DefineName, GroupName };

} // namespace

ScriptOutline ScriptOutline::Scan(QStringView text)
{
    ScriptOutline out;
    const qsizetype n = text.size();
    int line = 1, depth = 0;
    Expect expect = Expect::Nothing;
    int expectLine = 0;  // the line of the #const whose value may follow
    QStringView command; // the last command head: it owns the next `{`
    bool inBlock = false;
    auto define = [&](NameKind kind, QStringView name, qsizetype at) {
        const QString key = name.toString();
        if (!out.first_.contains(key))
            out.first_.insert(key, int(out.names_.size()));
        ++out.counts_[key];
        out.names_.push_back({name.toString(), kind, {}, line, at});
    };
    for (qsizetype at = 0; at < n;) {
        const QChar c = text[at];
        if (c == u'\n' || (c == u'\r' && (at + 1 == n || text[at + 1] != u'\n'))) {
            ++line;
            ++at;
            continue;
        }
        if (IsBlank(c)) {
            ++at;
            continue;
        }
        const qsizetype start = at;
        while (at < n && !IsBlank(text[at]))
            ++at;
        const QStringView word = text.sliced(start, at - start);
        if (word == QLatin1String("/*")) {
            ++depth;
            continue;
        }
        if (word == QLatin1String("*/") && depth > 0) {
            --depth;
            continue;
        }
        if (depth > 0)
            continue;

        switch (std::exchange(expect, Expect::Nothing)) {
        case Expect::ConstName:
            define(NameKind::Const, word, start);
            expect = Expect::ConstValue;
            expectLine = line;
            continue;
        case Expect::ConstValue:
            if (line == expectLine) {
                out.names_.back().value = word.toString();
                continue;
            }
            break;
        case Expect::DefineName: define(NameKind::Define, word, start); continue;
        case Expect::GroupName: define(NameKind::Group, word, start); continue;
        case Expect::Nothing: break;
        }

        if (word == QLatin1String("#const")) {
            expect = Expect::ConstName;
        } else if (word == QLatin1String("#define")) {
            expect = Expect::DefineName;
        } else if (word.startsWith(u'<')) {
            out.sections_.push_back({word.toString(), start});
        } else if (word.startsWith(QLatin1String("create_"))) {
            const lang::WordInfo *info = lang::FindWord(word);
            if (info && info->kind == lang::WordKind::Command) {
                command = word;
                if (word == QLatin1String("create_object_group"))
                    expect = Expect::GroupName;
            }
        } else if (word == QLatin1String("{") && !inBlock) {
            // `if` branches may each open the same command's block, so the
            // last command seen owns every `{` until the next command.
            out.blocks_.push_back({command.toString(), at, n});
            inBlock = true;
        } else if (word == QLatin1String("}") && inBlock) {
            out.blocks_.back().to = start;
            inBlock = false;
        }
    }
    return out;
}

const ScriptOutline::Name *ScriptOutline::find(QStringView name) const
{
    const auto it = first_.constFind(name.toString());
    return it == first_.cend() ? nullptr : &names_[*it];
}

int ScriptOutline::count(QStringView name) const { return counts_.value(name.toString()); }

QString ScriptOutline::blockAt(qsizetype offset) const
{
    auto after = std::upper_bound(blocks_.cbegin(), blocks_.cend(), offset,
                                  [](qsizetype at, const Span &span) { return at < span.from; });
    if (after == blocks_.cbegin())
        return {};
    --after;
    return offset <= after->to ? after->head : QString();
}

QString ScriptOutline::sectionAt(qsizetype offset) const
{
    auto after = std::upper_bound(sections_.cbegin(), sections_.cend(), offset,
                                  [](qsizetype at, const Mark &mark) { return at < mark.at; });
    return after == sections_.cbegin() ? QString() : std::prev(after)->header;
}

WordSpan WordAt(QStringView line, int column)
{
    const int n = int(line.size());
    column = qBound(0, column, n);
    int start = column, end = column;
    while (start > 0 && !IsBlank(line[start - 1]))
        --start;
    while (end < n && !IsBlank(line[end]))
        ++end;
    return {start, end - start};
}

bool InComment(const QTextBlock &block, int column)
{
    int depth = qMax(0, block.previous().userState());
    const QString text = block.text();
    const int end = qMin(column, int(text.size()));
    for (int at = 0; at < end;) {
        if (IsBlank(text[at])) {
            ++at;
            continue;
        }
        const int start = at;
        while (at < int(text.size()) && !IsBlank(text[at]))
            ++at;
        if (at > column) // the word under the column itself
            return depth > 0;
        const QStringView word = QStringView(text).sliced(start, at - start);
        if (word == QLatin1String("/*"))
            ++depth;
        else if (word == QLatin1String("*/") && depth > 0)
            --depth;
    }
    return depth > 0;
}

} // namespace quorlin
