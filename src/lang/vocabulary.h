// What each word of the language is, for colouring a script and checking it.
// The facts come from the language tables built into the program
// (src/lang/data/*.tsv, read once on first use).
#pragma once

#include "lang/check.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

namespace quorlin::lang {

enum class WordKind { Unknown, Section, Flow, Directive, Command, Attribute, TopLevel, Constant, Label };

// The kind of a word as the language tables list it, in any dialect.
WordKind KindOfWord(QStringView word);

// What an argument of a word takes.
enum class ArgKind {
    Int,      // a whole number
    Percent,  // a whole number from 0 to 100
    Constant, // a built-in or #const name
    Flag,     // a label for if and #undefine
    Name,     // a new name (#define, #const, create_object_group)
    File,     // a file name
};

struct ArgSpec {
    ArgKind kind = ArgKind::Int;
    bool optional = false;
};

// One row of the word table. `where` lists the section headers
// ("<LAND_GENERATION>") and the commands whose blocks take the word;
// "any" stands for everywhere. `min`/`max` bound a lone numeric argument.
struct WordInfo {
    QString word;
    WordKind kind = WordKind::Unknown;
    QStringList where;
    std::vector<ArgSpec> args;
    bool repeatable = true;
    std::optional<int> min, max;
    QString defaultValue;
    Dialect dialect = Dialect::Classic;
    QString doc;
    std::optional<int> id; // the word's internal number in the game, where known

    bool anywhere() const { return where.contains(QLatin1String("any")); }
};

struct ConstantInfo {
    QString name;
    int value = 0;
    QString group; // terrain, object or other
    Dialect dialect = Dialect::Classic;
    // False for a name the game has built in whose number is not known:
    // it is defined, but `value` means nothing.
    bool valueKnown = true;
};

struct LabelInfo {
    QString label;
    QString meaning;
    Dialect dialect = Dialect::Classic;
};

// The rows for a word, a constant or an if label; nullptr for one the tables
// do not have. Words are case-sensitive.
const WordInfo *FindWord(QStringView word);
const ConstantInfo *FindConstant(QStringView name);
const LabelInfo *FindLabel(QStringView label);

// The word whose internal number is `id`; nullptr when no word has it.
const WordInfo *FindWordById(int id);

// The word that a name defined by `#const NAME VALUE` stands for when it is
// written alone: the command, attribute or section-level word whose
// internal number VALUE is (`#const L 32`: create_land); nullptr otherwise.
const WordInfo *WordOfNumber(QStringView value);

// Every word, constant and label of the tables, for suggestions.
const QStringList &AllNames();

// A whole number as the game reads it: an optional sign and digits.
bool IsWholeNumber(QStringView text);

// The range the checker holds a number to where an argument of `kind` stands:
// 0 to 100 for a percent, else none. The lone number of a word (`lone`, or
// null) keeps to that word's limits in the tables, and the counts and
// distances whose lower limit the tables leave open are not negative.
struct NumberRange {
    int min;
    int max;
};
NumberRange ArgumentRange(ArgKind kind, const WordInfo *lone);

// The dialect's name as the command line takes it ("classic"), and back.
QString DialectName(Dialect dialect);
std::optional<Dialect> DialectFromName(QStringView name);

} // namespace quorlin::lang
