#pragma once

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

namespace quorlin {

// Colours a map script word by word. Words are what the game reads: runs of
// characters between blanks. "/*" and "*/" open and close a comment only as
// words of their own, and comments nest, so each line's block state is the
// comment depth at its end; Qt then recolours only the lines an edit touched
// and the following ones whose depth changed.
class ScriptHighlighter : public QSyntaxHighlighter {
public:
    // What a word is shown as; each has its own colour.
    enum class Role { Plain, Section, Command, Attribute, Flow, Directive, Constant, Number, Comment };

    explicit ScriptHighlighter(QTextDocument *document);

    // Chooses colours that read well on this background (light or dark) and
    // recolours the script when they change.
    void useBackground(const QColor &base);
    bool darkColours() const { return dark_; }

protected:
    void highlightBlock(const QString &text) override;

private:
    void makeFormats();
    Role roleOf(QStringView word) const;

    bool dark_ = false;
    QTextCharFormat formats_[int(Role::Comment) + 1]; // by role, for the background in use
};

} // namespace quorlin
