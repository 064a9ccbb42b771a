#pragma once

#include <QHash>
#include <QString>
#include <QStringView>
#include <QVector>

class QTextBlock;

namespace quorlin {

// What the editor needs to know about a script beyond the language tables:
// the names the file defines and which block and section each place of the
// text stands in. One pass over the words outside comments, far cheaper than
// reading the script into its tree, so that hovering and completion can
// afford it right after an edit; it asks nothing of the checker's worker.
class ScriptOutline {
public:
    enum class NameKind { Const, Define, Group };

    // A name the file defines: `#const NAME VALUE`, `#define NAME` or
    // `create_object_group NAME`.
    struct Name {
        QString name;
        NameKind kind = NameKind::Const;
        QString value; // of a #const
        int line = 0;  // from 1
        qsizetype offset = 0;
    };

    // Reads the text; never fails.
    static ScriptOutline Scan(QStringView text);

    // Every definition in the order of the text.
    const QVector<Name> &names() const { return names_; }
    // The first definition of a name, or nullptr.
    const Name *find(QStringView name) const;
    // How often the file defines a name.
    int count(QStringView name) const;

    // The command whose `{ … }` holds this offset of the text, or nothing.
    QString blockAt(qsizetype offset) const;
    // The section header that the offset stands under, or nothing.
    QString sectionAt(qsizetype offset) const;

private:
    struct Span {
        QString head;
        qsizetype from = 0, to = 0; // an unclosed block reaches the end
    };
    struct Mark {
        QString header;
        qsizetype at = 0;
    };

    QVector<Name> names_;
    QHash<QString, int> first_; // by name, the index of its first definition
    QHash<QString, int> counts_;
    QVector<Span> blocks_; // in the text's order, never overlapping
    QVector<Mark> sections_;
};

// The word of a line (a run between blanks) that covers this column, or that
// ends just before it; start and length in the line.
struct WordSpan {
    int start = 0;
    int length = 0;
};
WordSpan WordAt(QStringView line, int column);

// Whether the column of a line stands inside a comment. It relies on the
// script highlighter keeping the comment depth at each line's end as the
// line's state.
bool InComment(const QTextBlock &block, int column);

} // namespace quorlin
