// What each word of the language is, for colouring a script.
#pragma once

#include <QStringView>

namespace quorlin::lang {

enum class WordKind { Unknown, Section, Flow, Directive, Command, Attribute, TopLevel, Constant, Label };

// The kind of a word as the language tables list it, in any dialect.
WordKind KindOfWord(QStringView word);

} // namespace quorlin::lang
