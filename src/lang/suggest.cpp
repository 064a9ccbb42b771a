#include "lang/suggest.h"

#include "lang/problem_list.h"
#include "lang/vocabulary.h"

#include <QHash>
#include <QStringList>

#include <algorithm>
#include <array>
#include <vector>

namespace quorlin::lang {

namespace {

constexpr int kLongestWord = 48; // longer words are no typo of a table name

// Levenshtein distance, or more than `limit` when it exceeds it.
int Distance(QStringView a, QStringView b, int limit)
{
    if (std::abs(int(a.size()) - int(b.size())) > limit || b.size() > kLongestWord + 3)
        return limit + 1;
    std::array<int, kLongestWord + 4> row;
    for (qsizetype j = 0; j <= b.size(); ++j)
        row[size_t(j)] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        int best = row[0];
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int up = row[size_t(j)];
            row[size_t(j)] = std::min({up + 1, row[size_t(j - 1)] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = up;
            best = std::min(best, row[size_t(j)]);
        }
        if (best > limit)
            return limit + 1;
    }
    return row[size_t(b.size())];
}

// Whether the shorter of two words is the longer with letters left out.
bool KeepsLetters(QStringView a, QStringView b)
{
    if (a.size() > b.size())
        std::swap(a, b);
    qsizetype i = 0;
    for (qsizetype j = 0; j < b.size() && i < a.size(); ++j)
        i += a[i] == b[j];
    return i == a.size();
}

struct Pool {
    QStringList names;
    QHash<QString, QString> byLowerCase;
};

const Pool &ThePool(NamePool which)
{
    static const auto pools = [] {
        std::vector<Pool> p(3);
        for (const QString &name : AllNames()) {
            const WordKind kind = KindOfWord(name);
            const size_t at = kind == WordKind::Constant ? 1 : kind == WordKind::Label ? 2 : 0;
            p[at].names << name;
            p[at].byLowerCase.insert(name.toLower(), name);
        }
        return p;
    }();
    return pools[size_t(which)];
}

} // namespace

QString Suggest(QStringView word, NamePool which, const QStringList &own)
{
    if (word.size() > kLongestWord)
        return {};
    // Names are made of these; anything else is no typo of one (binary data, say).
    for (QChar c : word)
        if (c.unicode() > 0x7F || !(c.isLetterOrNumber() || c == u'_' || c == u'<' || c == u'>' || c == u'#'))
            return {};
    const Pool &pool = ThePool(which);
    for (const QString &name : own)
        if (name.compare(word, Qt::CaseInsensitive) == 0)
            return name;
    const QString sameLetters = pool.byLowerCase.value(word.toString().toLower());
    if (!sameLetters.isEmpty())
        return sameLetters;
    // Labels are long words of a few parts: a word short of a whole syllable
    // (GIANT_MAP for GIGANTIC_MAP) is still close.
    int limit = std::clamp(int(word.size()) / (which == NamePool::Labels ? 3 : 4), 1, 3);
    // Of names equally near, one that keeps every letter of the word in order
    // (GIGANTIC_MAP for GIANT_MAP, not TINY_MAP) is the likelier.
    QString best;
    bool bestKeeps = false;
    for (const QStringList *names : {&own, &pool.names}) {
        for (const QString &name : *names) {
            const int d = Distance(word, name, limit);
            if (d > limit)
                continue;
            const bool keeps = KeepsLetters(word, name);
            if (best.isEmpty() || d < limit || (keeps && !bestKeeps)) {
                best = name;
                bestKeeps = keeps;
                limit = d;
            }
        }
    }
    return best;
}

QString SuggestionText(QStringView word, NamePool pool, const QString &otherwise, const QStringList &own)
{
    const QString suggestion = Suggest(word, pool, own);
    if (suggestion.isEmpty())
        return otherwise;
    if (suggestion.compare(word, Qt::CaseInsensitive) == 0)
        return Ui::tr("名字区分大小写：请写作“%1”。").arg(suggestion);
    return Ui::tr("你是不是想写“%1”？").arg(suggestion);
}

} // namespace quorlin::lang
