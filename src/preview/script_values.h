// The values of a script's words as the game reads them: names bound with
// `#const`, `rnd(a,b)` drawn with the seed, `( … )` arithmetic wherever a
// number stands, and the built-in terrain or object that a number names.
#pragma once

#include "preview/random.h"

#include <QHash>
#include <QString>

#include <optional>

namespace quorlin::preview {

// What a name argument names when it holds a number.
enum class NameGroup { None, Terrain, Object };

class ScriptValues {
public:
    explicit ScriptValues(Random random) : random_(random) {}

    // Binds `name` as `#const` does. A number, a formula or a name bound
    // before is worked out now, so a later `#const` of a name it uses does
    // not move it, and no chain of names can loop. Returns why a formula
    // could not be worked out (the name is then bound to the word as it
    // stands), or an empty text.
    QString define(const QString &name, const QString &value);

    // A number as written, a `#const` name of one, `rnd(a,b)` or `( … )`
    // arithmetic; nullopt with the reason in `why` when the word is none of
    // these. Results are kept within ±kLimit.
    std::optional<qint64> number(const QString &word, QString *why = nullptr);
    // Whether the word is written as a formula (rnd or parentheses), which
    // only `number` can read.
    static bool isFormula(const QString &word);

    // A name argument: a `#const` name put in its place, and a number turned
    // into the built-in name of that number in `group` ("23" in a terrain's
    // place is MED_WATER), so it is drawn in that terrain's colour.
    QString name(const QString &word, NameGroup group);

    static constexpr qint64 kLimit = 1000000000000LL;
    // Parentheses and rnd nest at most this deep in one formula.
    static constexpr int kMaxDepth = 64;

private:
    QHash<QString, QString> consts_;
    Random random_;
};

} // namespace quorlin::preview
