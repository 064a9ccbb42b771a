// The script page's editor: colouring with nested comments, problems shown
// as underlines and list rows, going to a problem, and live checks that
// never publish what an older text had.
#include "ui/problem_list.h"
#include "ui/script_edit.h"
#include "ui/script_editor.h"
#include "ui/script_highlighter.h"

#include <QComboBox>
#include <QLabel>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTextBlock>
#include <QtTest>

using namespace quorlin;
using lang::Problem;
using lang::Severity;

namespace {

// A checker that calls each "bad" an error and each "meh" a warning.
QVector<Problem> PlantedProblems(const QString &text, lang::Dialect)
{
    QVector<Problem> found;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int l = 0; l < lines.size(); ++l)
        for (const char *word : {"bad", "meh"})
            for (int at = lines[l].indexOf(QLatin1String(word)); at >= 0;
                 at = lines[l].indexOf(QLatin1String(word), at + 1))
                found << Problem{QString::fromLatin1(word),
                                 word[0] == 'b' ? Severity::Error : Severity::Warning,
                                 l + 1,
                                 at + 1,
                                 3,
                                 QStringLiteral("不认识“%1”").arg(QLatin1String(word))};
    std::sort(found.begin(), found.end(), [](const Problem &a, const Problem &b) {
        return std::pair(a.line, a.column) < std::pair(b.line, b.column);
    });
    return found;
}

// The format Qt shows at a line and column (both from 0).
QTextCharFormat FormatAt(const QTextDocument &doc, int line, int column)
{
    const QTextBlock block = doc.findBlockByNumber(line);
    for (const QTextLayout::FormatRange &range : block.layout()->formats())
        if (range.start <= column && column < range.start + range.length)
            return range.format;
    return {};
}

} // namespace

class ScriptEditorTest : public QObject {
    Q_OBJECT
private slots:
    void commentsNestAcrossLines();
    void problemsBecomeUnderlinesAndRows();
    void aStaleResultIsDropped();
};

void ScriptEditorTest::commentsNestAcrossLines()
{
    QPlainTextEdit edit;
    QTextDocument &doc = *edit.document();
    ScriptHighlighter highlighter(&doc);
    edit.setPlainText(QStringLiteral("a /* one\n/* two */ still\n*/ x -5\n/*glued */ 7"));
    auto comment = [&](int line, int column) { return FormatAt(doc, line, column).fontItalic(); };
    QVERIFY(!comment(0, 0) && comment(0, 2) && comment(0, 5));
    QVERIFY(comment(1, 10)); // still inside the outer comment
    QVERIFY(comment(2, 0) && !comment(2, 3));
    QVERIFY(FormatAt(doc, 2, 5).hasProperty(QTextFormat::ForegroundBrush)); // a signed number
    QVERIFY(!comment(3, 0) && !comment(3, 11));                             // glued to a word, "/*" opens nothing
    QCOMPARE(doc.findBlockByNumber(1).userState(), 1);
    QCOMPARE(doc.findBlockByNumber(2).userState(), 0);

    // Closing the outer comment early uncovers the words after it.
    QTextCursor cursor(doc.findBlockByNumber(0));
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.insertText(QStringLiteral(" */"));
    QVERIFY(!comment(1, 10));
    QCOMPARE(doc.findBlockByNumber(2).userState(), 0);

    // Colours change with a dark background.
    const QBrush light = FormatAt(doc, 2, 5).foreground();
    highlighter.useBackground(Qt::black);
    QVERIFY(highlighter.darkColours());
    QVERIFY(FormatAt(doc, 2, 5).foreground() != light);
}

void ScriptEditorTest::problemsBecomeUnderlinesAndRows()
{
    QCOMPARE(ProblemList::Summary({}), QStringLiteral("没有发现问题"));
    QCOMPARE(ProblemList::Summary({Problem{{}, Severity::Warning, 1, 1, 1, {}}}), QStringLiteral("1 个警告"));

    ScriptEditor editor(PlantedProblems);
    editor.resize(600, 500);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    ScriptEdit *edit = editor.edit();
    edit->setPlainText(QStringLiteral("<PLAYER_SETUP>\nrandom_placement bad\n\n  meh x bad"));
    auto *summary = editor.findChild<QLabel *>(QStringLiteral("ProblemSummary"));
    QTRY_COMPARE(summary->text(), QStringLiteral("2 个错误，1 个警告"));

    const auto marks = edit->extraSelections();
    QCOMPARE(marks.size(), 3);
    QCOMPARE(marks[0].cursor.selectedText(), QStringLiteral("bad"));
    QCOMPARE(marks[0].format.underlineStyle(), QTextCharFormat::WaveUnderline);
    QVERIFY(marks[0].format.underlineColor() != marks[1].format.underlineColor()); // error, warning
    QTextCursor meh = edit->cursorFor(Problem{{}, Severity::Warning, 4, 3, 3, {}});
    meh.setPosition(meh.selectionStart());
    QCOMPARE(edit->problemAt(edit->cursorRect(meh).center() + QPoint(4, 0)), QStringLiteral("不认识“meh”"));
    QVERIFY(edit->problemAt(QPoint(2, 2)).isEmpty());

    auto *list = editor.findChild<ProblemList *>(QStringLiteral("ProblemList"));
    QCOMPARE(list->topLevelItemCount(), 3);
    QCOMPARE(list->topLevelItem(2)->text(0), QStringLiteral("4"));

    // A double click selects the word; so does Enter.
    QTreeWidgetItem *last = list->topLevelItem(2);
    const QPoint at = list->visualItemRect(last).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(edit->textCursor().blockNumber(), 3);
    QCOMPARE(edit->textCursor().positionInBlock() - 3, 8);
    QCOMPARE(edit->textCursor().selectedText(), QStringLiteral("bad"));
    list->setFocus();
    list->setCurrentItem(list->topLevelItem(1));
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(edit->textCursor().blockNumber(), 3);
    QCOMPARE(edit->textCursor().selectedText(), QStringLiteral("meh"));

    // The underlines follow the text until the next check.
    edit->setPlainText(QStringLiteral("fine"));
    QTRY_COMPARE(summary->text(), QStringLiteral("没有发现问题"));
    QVERIFY(edit->extraSelections().isEmpty());
    QCOMPARE(list->topLevelItemCount(), 0);
}

void ScriptEditorTest::aStaleResultIsDropped()
{
    QSemaphore firstMayEnd;
    QAtomicInt calls;
    ScriptEditor editor([&](const QString &text, lang::Dialect dialect) {
        if (calls.fetchAndAddOrdered(1) == 0)
            firstMayEnd.acquire();
        const Problem seen{QStringLiteral("seen"), Severity::Warning, 1, 1, 1, text + QString::number(int(dialect))};
        return QVector<Problem>{seen};
    });
    LiveCheck *live = editor.liveCheck();
    live->setPause(0);
    QSignalSpy spy(live, &LiveCheck::checked);
    editor.edit()->setPlainText(QStringLiteral("old"));
    live->checkNow();
    QTRY_COMPARE(calls.loadAcquire(), 1); // the first check reads "old" and waits
    editor.edit()->setPlainText(QStringLiteral("new"));
    editor.findChild<QComboBox *>(QStringLiteral("DialectBox"))->setCurrentIndex(2);
    firstMayEnd.release();
    QTRY_COMPARE(spy.size(), 1);
    QCOMPARE(spy[0][0].value<QVector<Problem>>()[0].message, QStringLiteral("new2"));
}

QTEST_MAIN(ScriptEditorTest)
#include "test_gui_script_editor.moc"
