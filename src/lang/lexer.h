// Splitting a script's text into words, with its comments taken out.
#pragma once

#include "lang/reader.h"

#include <vector>

namespace quorlin::lang {

class ProblemList;

// The words outside comments, in order. Outermost comment openers go to
// `comments`; unclosed and stray comment marks and words glued to one go to
// `problems`.
std::vector<Word> SplitWords(QStringView text, std::vector<Word> *comments, ProblemList *problems);

// Whether a word is or ends like a comment mark glued to other text
// ("/*note", "note*/"), which the game reads as an ordinary word.
bool GluedToCommentMark(QStringView word);

} // namespace quorlin::lang
