// Splitting a script's text into words, with its comments taken out.
#pragma once

#include "lang/reader.h"

#include <array>
#include <vector>

namespace quorlin::lang {

class ProblemList;

// Hands out the words outside comments one at a time, so that no list of
// all the words is ever held. Outermost comments go to `comments`;
// unclosed and stray comment marks and words glued to one go to `problems`.
class Lexer {
public:
    Lexer(QStringView text, std::vector<Comment> *comments, ProblemList *problems);

    // The next word outside comments; false at the end of the text, where an
    // unclosed comment is told of.
    bool next(Word *word);

private:
    bool nextWord(Word *word);
    // Whether a word further on ends in `*/` (a glued `/*note` then begins a note).
    bool closedLater();

    QStringView text_;
    std::vector<Comment> *comments_;
    ProblemList *problems_;
    qsizetype at_ = 0;
    qsizetype lineStart_ = 0;
    int line_ = 1;
    int depth_ = 0; // of nested comments
    Word opener_;   // the outermost open comment's `/*`
    bool recorded_ = false; // whether that comment went into comments_
    bool note_ = false;     // inside a note begun by a glued `/*note` outside comments
    // Where the last search for a closing `*/` began and the `*/` it found (-1: none).
    qsizetype searchedFrom_ = -1, nextClose_ = -1;
};

// The lexer's words with a few of them looked at ahead, so that the reader
// can tell a stray word before a block from the start of a new statement.
// Stops after kMaxWords words, with a problem that says so.
class Lookahead {
public:
    // The farthest a caller may look ahead: peek(k) needs k < kMaxAhead.
    static constexpr size_t kMaxAhead = 8;

    Lookahead(QStringView text, std::vector<Comment> *comments, ProblemList *problems)
        : lexer_(text, comments, problems), problems_(problems)
    {}

    // The word `k` places ahead (0: the next one); nullptr past the end.
    // The pointer holds until that word is taken.
    const Word *peek(size_t k = 0);
    // Takes the next word; only after peek() has found one.
    Word take();

private:
    Lexer lexer_;
    ProblemList *problems_;
    // The words looked at and not yet taken, in a ring: they never move,
    // so pointers to them hold.
    std::array<Word, kMaxAhead> ahead_;
    size_t first_ = 0, count_ = 0;
    bool ended_ = false;
    int counted_ = 0;
};

// Whether a word is or ends like a comment mark glued to other text
// ("/*note", "note*/"), which the game reads as an ordinary word.
bool GluedToCommentMark(QStringView word);

} // namespace quorlin::lang
