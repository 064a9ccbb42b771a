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
//              open/close are the braces (close.line == 0: never closed).
//              stray = words on the command's line between its arguments and
//              its `{` (`create_object SHEEP 1 {`): a fault, but the block
//              is still the command's.
//              A group right after a command without a block whose branches
//              start with `{` ("create_elevation 3 if TINY_MAP { ... } else
//              { ... } endif") gives the command its block branch by branch,
//              as the game reads it: the command's body is then that one If
//              or Random node, each branch holding its block's attributes;
//              open is the first branch's `{`, close the last `}` read.
//   Directive  head = `#const`, `#define`, `#undefine`, `#include_drs`, ...
//              args = its name and value or file
//   If         head = `if`; branches, one per `if`, `elseif` and `else`:
//              keyword = that word, condition = the label after `if`/`elseif`
//              (none for `else`), nodes = what the branch holds; end = `endif`;
//              compared = the words of a comparison after the label
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
//
// Arguments. A word that opens parentheses takes the words after it on its
// line until they close, as one argument whose text runs from the first to
// the last (`( LENGTH * 16 )`, `rnd( 3 , 5 )`: blanks and all; nesting
// counted). A name defined by `#const NAME N`, where N is the internal
// number (`id`) of a command, attribute or section-level word, or a name that
// already stands for one, stands for that word from there on: `#const L 32`
// then `L { ... }` is a Command node whose head is `L` and whose info is
// create_land's row. So read what a node is from `info->word`, and use
// `head` for where it stands. Such a name is an argument on its head's line
// (`#const M L`) and a word of its own on a later line. `create_object_group
// NAME` declares NAME: later `create_object NAME` commands place the group.
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
    // The row of the word the head stands for (itself or the word a #const
    // alias names); nullptr for if, random and unknown words.
    const WordInfo *info = nullptr;
    std::vector<Word> args;
    std::vector<Word> stray; // Command: words between the arguments and the `{`
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
    // Words after an if's or elseif's label on its line that make it read
    // like a comparison (`if LENGTH > 220`, `elseif LENGTH 200`): the game
    // only asks whether the label is defined.
    std::vector<Word> compared;
};

// An outermost comment: its `/*` and the offset just past its last `*/`
// (the text's end when it is never closed).
struct Comment {
    Word open;
    qsizetype end = 0;
};

struct Script {
    QString text;               // what the words view
    std::vector<Node> nodes;    // the tree described above
    std::vector<Comment> comments; // each outermost comment, for the editor and the checks
    QVector<Problem> problems;  // what reading found: unmatched braces, flow words and comments
    // The first few words of someone's own preprocessor (a line that starts
    // with a `#` word the game does not have, a `$name`): a text with them
    // is the source such a tool turns into a script.
    std::vector<Word> foreign;
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
