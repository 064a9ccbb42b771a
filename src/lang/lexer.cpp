#include "lang/lexer.h"

#include "core/text_files.h"
#include "lang/problem_list.h"

#include <QStringDecoder>

namespace quorlin::lang {

namespace {

// The game splits at ASCII blanks and line ends only.
bool IsBlank(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\n' || u == u'\r' || u == u'\v' || u == u'\f';
}

} // namespace

bool GluedToCommentMark(QStringView word)
{
    return word.size() > 2 && (word.startsWith(QLatin1String("/*")) || word.endsWith(QLatin1String("*/")));
}

std::vector<Word> SplitWords(QStringView text, std::vector<Word> *comments, ProblemList *problems)
{
    std::vector<Word> words;
    const qsizetype n = text.size();
    int line = 1;
    qsizetype lineStart = 0;
    int depth = 0; // of nested comments
    Word opener;   // the outermost open comment's `/*`
    for (qsizetype i = 0; i < n;) {
        const QChar c = text[i];
        if (c == u'\n' || (c == u'\r' && (i + 1 == n || text[i + 1] != u'\n'))) {
            ++line;
            lineStart = ++i;
            continue;
        }
        if (IsBlank(c)) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < n && !IsBlank(text[i]))
            ++i;
        const Word word{text.sliced(start, i - start), line, int(start - lineStart + 1), start};
        if (word.text == QLatin1String("/*")) {
            if (depth++ == 0) {
                opener = word;
                comments->push_back(word);
            }
        } else if (word.text == QLatin1String("*/")) {
            if (depth > 0)
                --depth;
            else
                problems->error("comment-stray-close", word,
                                Tr("多余的注释结束符 */：它前面没有打开的 /*。请删掉它，或在注释开头补上 /*。"));
        } else if (GluedToCommentMark(word.text)) {
            problems->warning("comment-glued", word,
                              (depth > 0 ? Tr("“%1”不会结束注释：注释符 /* 和 */ 只有单独成词才算数。"
                                              "请在它和文字之间加一个空格。")
                                         : Tr("“%1”不是注释：注释符 /* 和 */ 只有单独成词才算数，"
                                              "游戏会把它当成普通的词。请在它和文字之间加一个空格。"))
                                  .arg(word.text));
            if (depth == 0)
                words.push_back(word);
        } else if (depth == 0) {
            words.push_back(word);
        }
    }
    if (depth > 0)
        problems->error("comment-unclosed", opener,
                        Tr("第 %1 行第 %2 列的注释 /* 一直没有关闭，后面的内容都被当成了注释。请补上 */。")
                            .arg(opener.line)
                            .arg(opener.column));
    return words;
}

QString DecodeScript(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return FromGbk(bytes);
}

} // namespace quorlin::lang
