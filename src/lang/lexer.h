// Splitting a script's text into words, with its comments taken out.
#pragma once

#include "lang/reader.h"

#include <vector>

namespace quorlin::lang {

class ProblemList;

// Hands out the words outside comments one at a time, so that no list of
// all the words is ever held. Outermost comment openers go to `comments`;
// unclosed and stray comment marks and words glued to one go to `problems`.
class Lexer {
public:
    Lexer(QStringView text, std::vector<Word> *comments, ProblemList *problems);

    // The next word outside comments; false at the end of the text, where an
    // unclosed comment is told of.
    bool next(Word *word);

private:
    bool nextWord(Word *word);

    QStringView text_;
    std::vector<Word> *comments_;
    ProblemList *problems_;
    qsizetype at_ = 0;
    qsizetype lineStart_ = 0;
    int line_ = 1;
    int depth_ = 0; // of nested comments
    Word opener_;   // the outermost open comment's `/*`
};

// Whether a word is or ends like a comment mark glued to other text
// ("/*note", "note*/"), which the game reads as an ordinary word.
bool GluedToCommentMark(QStringView word);

} // namespace quorlin::lang
