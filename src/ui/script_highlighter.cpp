#include "ui/script_highlighter.h"

#include "lang/vocabulary.h"

#include <QColor>
#include <QFont>

namespace quorlin {

namespace {

using Role = ScriptHighlighter::Role;
using lang::WordKind;

struct RoleStyle {
    Role role;
    QRgb onLight; // on a light background
    QRgb onDark;  // on a dark background
    bool bold;
    bool italic;
};

// Each colour keeps a contrast of at least 4.5 to 1 against white (light) or
// against a background near #202020 (dark).
// clang-format off
const RoleStyle kStyles[] = {
    {Role::Section,   0x8b1a89, 0xe49ce0, true,  false},
    {Role::Command,   0x0b4fa8, 0x7fb8ff, true,  false},
    {Role::Attribute, 0x1f5f8b, 0x8fd0f0, false, false},
    {Role::Flow,      0xa03c00, 0xffab6e, true,  false},
    {Role::Directive, 0x6b4e00, 0xe6c65c, true,  false},
    {Role::Constant,  0x00695c, 0x6ee0c8, false, false},
    {Role::Number,    0x9c2d2d, 0xff9b9b, false, false},
    {Role::Comment,   0x5f6b5f, 0x9fb09f, false, true},
};

// The colour of each kind of word the language tables know.
const struct { WordKind kind; Role role; } kKindRoles[] = {
    {WordKind::Section,   Role::Section},
    {WordKind::Command,   Role::Command},
    {WordKind::Attribute, Role::Attribute},
    {WordKind::TopLevel,  Role::Attribute},
    {WordKind::Flow,      Role::Flow},
    {WordKind::Directive, Role::Directive},
    {WordKind::Constant,  Role::Constant},
    {WordKind::Label,     Role::Constant},
};
// clang-format on

bool IsBlank(QChar c) { return c.isSpace(); }

// A whole number or a decimal, with an optional sign: "60", "-1", "+60", "2.5".
bool IsNumber(QStringView word)
{
    int i = (word.startsWith(QLatin1Char('-')) || word.startsWith(QLatin1Char('+'))) ? 1 : 0;
    bool digits = false, point = false;
    for (; i < word.size(); ++i) {
        const QChar c = word[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits = true;
        else if (c == QLatin1Char('.') && !point)
            point = true;
        else
            return false;
    }
    return digits;
}

// Calls `word(start, length)` for each word of a line, in order.
template <class Visit>
void ForEachWord(QStringView line, Visit word)
{
    int i = 0;
    const int n = int(line.size());
    while (i < n) {
        while (i < n && IsBlank(line[i]))
            ++i;
        const int start = i;
        while (i < n && !IsBlank(line[i]))
            ++i;
        if (i > start)
            word(start, i - start);
    }
}

} // namespace

ScriptHighlighter::ScriptHighlighter(QTextDocument *document) : QSyntaxHighlighter(document) { makeFormats(); }

void ScriptHighlighter::useBackground(const QColor &base)
{
    const bool dark = base.lightnessF() < 0.5;
    if (dark == dark_)
        return;
    dark_ = dark;
    makeFormats();
    rehighlight();
}

void ScriptHighlighter::highlightBlock(const QString &text)
{
    int depth = qMax(0, previousBlockState());
    const QStringView line(text);
    ForEachWord(line, [&](int start, int length) {
        const QStringView word = line.mid(start, length);
        Role role = Role::Comment;
        if (word == QLatin1String("/*"))
            ++depth;
        else if (word == QLatin1String("*/") && depth > 0)
            --depth;
        else if (depth == 0)
            role = roleOf(word);
        if (role != Role::Plain)
            setFormat(start, length, formats_[int(role)]);
    });
    setCurrentBlockState(depth);
}

ScriptHighlighter::Role ScriptHighlighter::roleOf(QStringView word) const
{
    if (IsNumber(word))
        return Role::Number;
    const WordKind kind = lang::KindOfWord(word);
    for (const auto &row : kKindRoles)
        if (row.kind == kind)
            return row.role;
    return Role::Plain;
}

void ScriptHighlighter::makeFormats()
{
    for (const RoleStyle &style : kStyles) {
        QTextCharFormat &format = formats_[int(style.role)];
        format = QTextCharFormat();
        format.setForeground(QColor(dark_ ? style.onDark : style.onLight));
        if (style.bold)
            format.setFontWeight(QFont::Bold);
        format.setFontItalic(style.italic);
    }
}

} // namespace quorlin
