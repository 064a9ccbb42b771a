#include "lang/lexer.h"

#include "core/text_files.h"
#include "lang/problem_list.h"
#include "lang/vocabulary.h"

namespace quorlin::lang {

namespace {

// The game splits at ASCII blanks and line ends only: the space and tab,
// line feed, vertical tab, form feed and carriage return (9 to 13).
bool IsBlank(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

// A word glued to both marks ("/*note*/", "/****/"), which would open and
// close a comment of its own.
bool BalancedMark(QStringView word)
{
    return word.size() >= 4 && word.startsWith(QLatin1String("/*")) && word.endsWith(QLatin1String("*/"));
}

} // namespace

bool GluedToCommentMark(QStringView word)
{
    return word.size() > 2 && (word.startsWith(QLatin1String("/*")) || word.endsWith(QLatin1String("*/")));
}

Lexer::Lexer(QStringView text, std::vector<Comment> *comments, ProblemList *problems)
    : text_(text), comments_(comments), problems_(problems)
{}

bool Lexer::nextWord(Word *word)
{
    // Scanned with locals, written back once: this loop sees every
    // character of the script.
    const char16_t *text = text_.utf16();
    const qsizetype n = text_.size();
    qsizetype at = at_;
    while (at < n) {
        const char16_t c = text[at];
        if (c == u'\n' || (c == u'\r' && (at + 1 == n || text[at + 1] != u'\n'))) {
            ++line_;
            lineStart_ = ++at;
        } else if (IsBlank(c)) {
            ++at;
        } else {
            const qsizetype start = at;
            while (at < n && !IsBlank(text[at]))
                ++at;
            at_ = at;
            *word = Word{text_.sliced(start, at - start), line_, int(start - lineStart_ + 1), start};
            return true;
        }
    }
    at_ = at;
    return false;
}

bool Lexer::next(Word *out)
{
    Word word;
    while (nextWord(&word)) {
        // Every comment mark, glued or not, begins or ends with a slash; a
        // word with neither is script outside comments and nothing inside.
        if (word.text.front() != u'/' && word.text.back() != u'/' && !note_) {
            if (depth_ > 0)
                continue;
            *out = word;
            return true;
        }
        if (word.text == QLatin1String("/*")) {
            note_ = false;
            if (depth_++ == 0) {
                opener_ = word;
                recorded_ = comments_->size() < size_t(kMaxWords);
                if (recorded_)
                    comments_->push_back({word, text_.size()});
            }
        } else if (word.text == QLatin1String("*/")) {
            if (depth_ > 0) {
                if (--depth_ == 0 && recorded_)
                    comments_->back().end = at_;
            } else if (note_) {
                note_ = false;
            } else {
                problems_->error("comment-stray-close", word,
                                 Ui::tr("多余的注释结束符 */：它前面没有打开的 /*。请删掉它，或在注释开头补上 /*。"));
            }
        } else if (depth_ == 0 && note_) {
            // A note begun by a glued `/*note`: the game reads its words and
            // passes over the ones it does not know. It ends at a word that
            // ends in `*/`, or at the first word the game knows (or a brace),
            // which is read as script again.
            if (word.text.endsWith(QLatin1String("*/"))) {
                note_ = false;
            } else if (FindWord(word.text) || word.text == QLatin1String("{") || word.text == QLatin1String("}")) {
                note_ = false;
                *out = word;
                return true;
            }
        } else if (depth_ > 0 && BalancedMark(word.text)) {
            // `/*note*/` inside a comment opens and closes nothing, as its
            // writer meant: the comment ends where it was meant to.
        } else if (GluedToCommentMark(word.text)) {
            // Inside a comment, `note*/` does not end it: the comment swallows what follows.
            const bool swallows = depth_ > 0 && word.text.endsWith(QLatin1String("*/"));
            problems_->add("comment-glued", swallows ? Severity::Error : Severity::Warning, word,
                               (swallows ? Ui::tr("“%1”不会结束注释：注释符 */ 只有单独成词才算数，注释一直延续到"
                                                  "后面单独的 */，中间的内容都被当成了注释。请在 */ 前面加一个空格。")
                                : depth_ > 0 ? Ui::tr("“%1”不是注释符，不会打开或结束注释：注释符 /* 和 */ "
                                                    "只有单独成词才算数。请在它和文字之间加一个空格。")
                                           : Ui::tr("“%1”不是注释：注释符 /* 和 */ 只有单独成词才算数，"
                                                    "游戏会把它当成普通的词。请在它和文字之间加一个空格。"))
                                   .arg(word.text));
            if (depth_ == 0) {
                if (word.text.startsWith(QLatin1String("/*")) && !word.text.endsWith(QLatin1String("*/"))
                    && closedLater()) {
                    note_ = true;
                    continue;
                }
                *out = word;
                return true;
            }
        } else if (depth_ == 0) {
            *out = word;
            return true;
        }
    }
    if (depth_ > 0)
        problems_->error("comment-unclosed", opener_,
                         Ui::tr("第 %1 行第 %2 列的注释 /* 一直没有关闭，后面的内容都被当成了注释。请补上 */。")
                             .arg(opener_.line)
                             .arg(opener_.column));
    depth_ = 0;
    return false;
}

bool Lexer::closedLater()
{
    const bool known = searchedFrom_ >= 0 && at_ >= searchedFrom_ && (nextClose_ < 0 || at_ <= nextClose_);
    if (!known) {
        searchedFrom_ = at_;
        nextClose_ = -1;
        const QLatin1String mark("*/");
        for (qsizetype i = text_.indexOf(mark, at_); i >= 0; i = text_.indexOf(mark, i + 1)) {
            if (i + 2 == text_.size() || IsBlank(text_[i + 2].unicode())) {
                nextClose_ = i;
                break;
            }
        }
    }
    return nextClose_ >= 0;
}

const Word *Lookahead::peek(size_t k)
{
    Q_ASSERT(k < kMaxAhead);
    while (count_ <= k && !ended_) {
        Word word;
        if (!lexer_.next(&word)) {
            ended_ = true;
        } else if (++counted_ > kMaxWords) {
            ended_ = true;
            problems_->error("script-too-large", word,
                             Ui::tr("脚本的词太多（超过 %1 个），从这里往后没有检查。").arg(kMaxWords));
        } else {
            ahead_[(first_ + count_++) % kMaxAhead] = word;
        }
    }
    return k < count_ ? &ahead_[(first_ + k) % kMaxAhead] : nullptr;
}

Word Lookahead::take()
{
    const Word word = ahead_[first_];
    first_ = (first_ + 1) % kMaxAhead;
    --count_;
    return word;
}

QString DecodeScript(const QByteArray &bytes) { return DecodeText(bytes).text; }

} // namespace quorlin::lang
