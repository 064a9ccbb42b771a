// "Did you mean": the table name closest to a word that is not in the tables.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace quorlin::lang {

enum class NamePool { Words, Constants, Labels };

// The name of the pool, or of `own` (the script's own names, preferred on a
// tie), that differs from `word` in case only, or else the nearest by edit
// distance (a few edits at most); empty when none is close.
QString Suggest(QStringView word, NamePool pool, const QStringList &own = {});

// The sentence that offers the suggestion for `word` ("你是不是想写…"), or
// `otherwise` when there is none.
QString SuggestionText(QStringView word, NamePool pool, const QString &otherwise = QString(),
                       const QStringList &own = {});

} // namespace quorlin::lang
