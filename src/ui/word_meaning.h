#pragma once

#include "lang/vocabulary.h"
#include "ui/script_outline.h"

#include <QString>

namespace quorlin {

// The edition's name as the script page shows it ("经典版").
QString DialectCaption(lang::Dialect dialect);

// What the editor says a word of a script means, as rich text for a tooltip:
// the file's own definition of it (a #const with its value and line, a
// #define, an object group) and what the language tables say (a word's kind,
// where it may stand, its arguments, range, default, edition and doc; a
// constant's value and group; an if label's meaning). Empty for a word that
// neither knows.
QString MeaningOf(QStringView word, const ScriptOutline &outline);

// The same in one plain line, for an entry of the completion list.
QString BriefOf(const lang::WordInfo &word);
QString BriefOf(const lang::ConstantInfo &constant);
QString BriefOf(const lang::LabelInfo &label);
QString BriefOf(const ScriptOutline::Name &name);

} // namespace quorlin
