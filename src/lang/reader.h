// Reading a map script the way the game does, into a tolerant tree.
//
// The game splits a script into words at blanks and line ends, nothing else:
// `{`, `}`, `/*` and `*/` mean something only as words of their own. `/*` and
// `*/` nest, and a word glued to one (`/*note`) is an ordinary word. The
// reader never stops at a problem: it notes it and reads on, so that one
// missing `}` does not hide the rest of the script.
//
// The tree. `Script::nodes` holds the script's statements in the text's
// order. Sections do not contain what follows them: a `Section` node switches
// the section for the nodes after it in reading order (also inside if and
// random branches). Each node is one of
//   Section    head = the header (`<LAND_GENERATION>`)
//   Statement  head = a section-level word or an attribute, args = its arguments
//   Command    head = the command (`create_object`), args = its arguments
//              (`GOLD`), body = the attributes and flow of its `{ ... }` block;
//              open/close are the braces (close.line == 0: never closed)
//   Directive  head = `#const`, `#define`, `#undefine`, `#include_drs`, ...
//              args = its name and value or file
//   If         head = `if`; branches, one per `if`, `elseif` and `else`:
//              keyword = that word, condition = the label after `if`/`elseif`
//              (none for `else`), nodes = what the branch holds; end = `endif`
//   Random     head = `start_random`; branches, one per `percent_chance`:
//              keyword = `percent_chance`, condition = its percent, nodes; a
//              first branch with no keyword holds what stands between
//              `start_random` and the first `percent_chance`; end = `end_random`
//              An If or Random group whose branches end in commands without a
//              block may have a block after its end ("if A create_object X
//              else create_object Y endif { ... }"): hasBlock, open, close and
//              body then belong to the group, shared by those commands.
//   Unknown    head = a word the tables do not know, args = the words after it
//              on its line that are no known word; with a block if `{` follows
// A word missing from the text (an `if` never closed, say) has line 0. Every
// word keeps its line and column (from 1; the column counted in UTF-16 code
// units, as a text editor counts), so that a previewer can say "not simulated
// at line N". If and random groups nest at most kMaxNesting deep; deeper ones
// are read into the innermost branch with an error, so that walking the tree
// recursively stays bounded.
#pragma once

#include "lang/check.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <vector>

namespace quorlin::lang {

struct WordInfo;

// One word of the text. The text views the script's own text (Script::text).
struct Word {
    QStringView text;
    int line = 0;
    int column = 0;
    qsizetype offset = 0; // in the script's text

    bool present() const { return line > 0; }
};

enum class NodeKind { Section, Statement, Command, Directive, If, Random, Unknown };

struct Branch;

struct Node {
    NodeKind kind = NodeKind::Unknown;
    Word head;
    const WordInfo *info = nullptr; // the head's row; nullptr for if, random and unknown words
    std::vector<Word> args;
    // Command (and an unknown word followed by a block):
    bool hasBlock = false;
    Word open, close;
    std::vector<Node> body;
    // If and Random:
    std::vector<Branch> branches;
    Word end;
};

struct Branch {
    Word keyword;
    Word condition;
    std::vector<Node> nodes;
};

struct Script {
    QString text;               // what the words view
    std::vector<Node> nodes;    // the tree described above
    std::vector<Word> comments; // each `/*` that opens an outermost comment, for the editor and the checks
    QVector<Problem> problems;  // what reading found: unmatched braces, flow words and comments
};

constexpr int kMaxNesting = 64;
// Longer texts are not read at all: the game's own scripts are far smaller.
constexpr qsizetype kMaxScriptChars = 16 * 1024 * 1024;
// Nor is a script read past this many words (outside comments), so that its
// tree stays within a few tens of megabytes; real scripts have far fewer.
constexpr int kMaxWords = 300000;
// A list of problems stops growing here, with a last one that says so.
constexpr int kMaxProblems = 1000;

// Reads a script's text into its tree; never fails.
Script ReadScript(const QString &text);

// The one problem of a text longer than kMaxScriptChars, which is not read.
Problem ScriptTooLarge();

// A script file's bytes as text, by the rule of core's DecodeText: valid
// UTF-8 (with or without a byte-order mark) is read as UTF-8, anything else as GBK.
QString DecodeScript(const QByteArray &bytes);

} // namespace quorlin::lang
