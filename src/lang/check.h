// Checking a map script: the mistakes found in a script's text.
#pragma once

#include <QString>
#include <QVector>

namespace quorlin::lang {

// The edition of the language a script is written for; each one takes in
// the one before. Classic is what the wizard writes.
enum class Dialect { Classic, Patched, Modern };

// Error: the game will read the script otherwise than it is written, or a
// line does nothing. Warning: it may be meant so, or does no harm. Info: a
// remark on a reading that is right (a switch turned off on purpose).
enum class Severity { Error, Warning, Info };

// One mistake: where it starts (line and column from 1, the column counted in
// characters), how many characters it covers, a stable English id and a
// message in Chinese that names the word and says what to do.
struct Problem {
    QString id;
    Severity severity = Severity::Error;
    int line = 0;
    int column = 0;
    int length = 0;
    QString message;
};

// Every mistake in the script, in the order of the text (at most
// kMaxProblems of them). Safe to call from any thread.
QVector<Problem> CheckScript(const QString &text, Dialect dialect = Dialect::Classic);

} // namespace quorlin::lang
