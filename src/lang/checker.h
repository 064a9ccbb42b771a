// The checks that walk a script's tree; CheckScript runs them. Internal to lang.
#pragma once

#include "lang/check.h"
#include "lang/problem_list.h"
#include "lang/reader.h"
#include "lang/suggest.h"
#include "lang/vocabulary.h"

#include <QHash>
#include <QSet>

namespace quorlin::lang {

// Where a node stands while the tree is walked.
struct Place {
    const Node *block = nullptr; // the command whose block holds it, if any
    bool unknownBlock = false;   // inside the block of a word the tables do not know
    bool inBranch = false;       // inside an if or random branch
    Dialect allowed;             // the newest dialect an enclosing if's label stands for
};

class Checker {
public:
    Checker(Dialect dialect, QVector<Problem> *problems) : dialect_(dialect), problems_(problems) {}
    void run(const Script &script);

private:
    void walk(const std::vector<Node> &nodes, const Place &place);
    void node(const Node &node, const Place &place);
    void statement(const Node &node, const Place &place);
    void command(const Node &node, const Place &place);
    void directive(const Node &node, const Place &place);
    void ifGroup(const Node &node, const Place &place);
    void randomGroup(const Node &node, const Place &place);
    void sharedBlock(const Node &node, const Place &place);
    void unknown(const Node &node, const Place &place);
    void duplicates(const std::vector<Node> &nodes, bool sectionLevel);
    void sectionPlace(const Node &node);

    // Arguments (check_args.cpp).
    void arguments(const Node &node, const Place &place);
    void argument(const Word &head, ArgKind kind, const Word &arg, const WordInfo *info, bool lone, const Place &place);
    void integer(const Word &head, ArgKind kind, const Word &arg, const WordInfo *info, bool lone, const Place &place);
    void fraction(const Word &head, const Word &arg, const Place &place);

    // Names (check_names.cpp).
    void constant(const Word &arg, const Place &place);
    void label(const Word &arg);
    void undefinedLabels();
    bool includedMayDefine(const Word &arg, const char *what);
    const QSet<QString> &labelsInComments();
    void aliasUse(const Node &node);

    bool newer(Dialect of, const Place &place) const { return of > dialect_ && of > place.allowed; }
    void dialectOf(const Word &word, Dialect of, const Place &place);
    bool known(QStringView name) const;
    // SuggestionText, for the first kMaxSuggestions words of a script only:
    // a script with more misspelt words than that is no script.
    QString suggestion(QStringView word, NamePool pool, const QString &otherwise = QString());
    static constexpr int kMaxSuggestions = 200;
    int suggestions_ = 0;

    struct Definition {
        QString value;
        Word name;
        bool inBranch = false;
    };

    Dialect dialect_;
    ProblemList problems_;
    const Script *script_ = nullptr;
    QString section_;
    QHash<QString, Definition> consts_;
    QSet<QString> labels_;
    QSet<QString> groups_;        // names declared by create_object_group
    QStringList included_;        // the files of the #include_drs lines read so far
    std::vector<Word> undefined_; // if labels that nothing had defined where they stood
    QSet<QString> aliasesNoted_;  // #const names whose use as a word has been told of
    std::optional<QSet<QString>> commentedLabels_;
};

// The name a message gives a command or attribute: as written, with the
// word it stands for when that is a #const alias ("L（create_land）").
QString WrittenName(const Node &node);

// Whether a word is a number of any form ("2", "-3", "2.5").
bool LooksLikeNumber(QStringView word);

// The name of an argument's kind in a message ("整数").
QString KindText(ArgKind kind);

} // namespace quorlin::lang
