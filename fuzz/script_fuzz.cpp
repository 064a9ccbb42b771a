// libFuzzer target for the script reader and checker: `make fuzz-script`.
//
// Besides crashes, hangs and sanitizer reports it checks the promises the
// editor and the preview build on: a bounded list of problems in the text's
// order, each on a word of the text; every word of the tree inside the text;
// if and random groups no deeper than the limit.

#include "lang/check.h"
#include "lang/reader.h"
#include "require.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace quorlin::lang;

namespace {

void RequireInside(const Script &s, const Word &w)
{
    if (!w.present())
        return;
    Require(w.offset >= 0 && w.offset + w.text.size() <= s.text.size(), "a word lies inside the text");
    Require(w.text.data() == s.text.constData() + w.offset, "a word views the script's text at its offset");
    Require(!w.text.isEmpty() && w.column >= 1, "a word has a place");
}

// Walks with an explicit stack, counting group depth.
void RequireTree(const Script &s)
{
    struct Item {
        const std::vector<Node> *nodes;
        int depth;
    };
    std::vector<Item> stack = {{&s.nodes, 0}};
    while (!stack.empty()) {
        const Item item = stack.back();
        stack.pop_back();
        Require(item.depth <= kMaxNesting + 1, "groups nest no deeper than the limit");
        for (const Node &n : *item.nodes) {
            RequireInside(s, n.head);
            for (const Word &w : n.args)
                RequireInside(s, w);
            for (const Word &w : n.stray)
                RequireInside(s, w);
            stack.push_back({&n.body, item.depth});
            for (const Branch &b : n.branches) {
                RequireInside(s, b.keyword);
                RequireInside(s, b.condition);
                for (const Word &w : b.compared)
                    RequireInside(s, w);
                stack.push_back({&b.nodes, item.depth + 1});
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = DecodeScript(bytes);
    const Script script = ReadScript(text);
    RequireTree(script);
    for (const Comment &c : script.comments)
        Require(c.end > c.open.offset && c.end <= script.text.size(), "a comment ends inside the text");
    const Dialect dialect = size > 0 ? Dialect(data[0] % 3) : Dialect::Classic;
    const QVector<Problem> problems = CheckScript(text, dialect);
    Require(problems.size() <= kMaxProblems, "the list of problems is bounded");
    const int lines = int(text.count(QLatin1Char('\n')) + text.count(QLatin1Char('\r'))) + 1;
    for (qsizetype i = 0; i < problems.size(); ++i) {
        const Problem &p = problems[i];
        Require(p.line >= 1 && p.line <= lines && p.column >= 1, "a problem is on a line of the text");
        Require(!p.id.isEmpty() && !p.message.isEmpty(), "a problem has an id and a message");
        Require(i == 0 || problems[i - 1].line < p.line
                    || (problems[i - 1].line == p.line && problems[i - 1].column <= p.column),
                "problems come in the text's order");
    }
    return 0;
}
