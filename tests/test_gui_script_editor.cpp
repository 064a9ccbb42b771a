// The script page's editor: colouring with nested comments, problems shown
// as underlines and list rows, going to a problem, live checks that never
// publish what an older text had, and what the editor knows of the
// language: the meaning of a word under the mouse, and completion.
#include "lang/vocabulary.h"
#include "ui/problem_list.h"
#include "ui/script_completer.h"
#include "ui/script_edit.h"
#include "ui/script_editor.h"
#include "ui/script_highlighter.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
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

// A point of the viewport over the character at a line and column (from 0).
QPoint PointAt(const ScriptEdit *edit, int line, int column)
{
    QTextCursor cursor(edit->document()->findBlockByNumber(line));
    cursor.setPosition(cursor.position() + column);
    return edit->cursorRect(cursor).center() + QPoint(2, 0);
}

// Puts the cursor at a line and column (from 0) and types there.
void TypeAt(ScriptEdit *edit, int line, int column, const QString &keys)
{
    QTextCursor cursor(edit->document()->findBlockByNumber(line));
    cursor.setPosition(cursor.position() + column);
    edit->setTextCursor(cursor);
    QTest::keyClicks(edit, keys);
}

const QString kKnownScript = QStringLiteral("#const MY_GOLD GOLD\n"
                                            "<OBJECTS_GENERATION>\n"
                                            "create_object_group HERD { }\n"
                                            "create_object MY_GOLD {  } /* GOLD */\n"
                                            "if TINY_MAP #const MY_GOLD 3 endif\n"
                                            "create_object \n");

} // namespace

class ScriptEditorTest : public QObject {
    Q_OBJECT
private slots:
    void commentsNestAcrossLines();
    void problemsBecomeUnderlinesAndRows();
    void aStaleResultIsDropped();
    void hoverTellsWhatAWordMeans();
    void completionOffersAndInserts();
    void noListInCommentsOrNumbers();
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

void ScriptEditorTest::hoverTellsWhatAWordMeans()
{
    // The checker finds one problem, on the command of line 4.
    ScriptEditor editor([](const QString &, lang::Dialect) {
        return QVector<Problem>{{QStringLiteral("x"), Severity::Error, 4, 1, 13, QStringLiteral("问题<在此>")}};
    });
    editor.resize(700, 400);
    editor.show();
    ScriptEdit *edit = editor.edit();
    edit->setPlainText(kKnownScript);
    editor.liveCheck()->checkNow();
    QTRY_VERIFY(!edit->extraSelections().isEmpty());

    // A word of the tables: its kind, place and doc; a place in <…> stays text.
    const QString command = edit->meaningAt(PointAt(edit, 3, 3));
    QVERIFY(command.contains(QStringLiteral("命令")));
    QVERIFY(command.contains(QStringLiteral("&lt;OBJECTS_GENERATION&gt;")));
    QVERIFY(command.contains(lang::FindWord(u"create_object")->doc.toHtmlEscaped()));
    // The problem's message and the meaning share the tooltip.
    const QString tip = edit->toolTipAt(PointAt(edit, 3, 3));
    QVERIFY(tip.startsWith(QStringLiteral("问题&lt;在此&gt;<hr>")) && tip.endsWith(command));

    // A constant of the tables: its value and group; an if label: its meaning.
    const QString gold = edit->meaningAt(PointAt(edit, 0, 17));
    QVERIFY(gold.contains(QStringLiteral("值：66")) && gold.contains(QStringLiteral("对象")));
    QVERIFY(edit->meaningAt(PointAt(edit, 4, 5)).contains(lang::FindLabel(u"TINY_MAP")->meaning));

    // The file's own #const, defined twice: the first value, resolved, and its line.
    const QString mine = edit->meaningAt(PointAt(edit, 3, 16));
    QVERIFY2(mine.contains(QStringLiteral("GOLD（= 66），第 1 行 #const")), qPrintable(mine));
    QVERIFY(mine.contains(QStringLiteral("共定义了 2 次")));
    QVERIFY(edit->meaningAt(PointAt(edit, 2, 21)).contains(QStringLiteral("第 3 行 create_object_group")));

    // Nothing in a comment, beside the end of a line, or for a brace.
    QVERIFY(edit->meaningAt(PointAt(edit, 3, 30)).isEmpty());
    QVERIFY(edit->meaningAt(PointAt(edit, 1, 19) + QPoint(40, 0)).isEmpty());
    QVERIFY(edit->meaningAt(PointAt(edit, 2, 25)).isEmpty());
    // Edits are seen at once: the outline follows the text.
    edit->setPlainText(QStringLiteral("#define WET\nif WET endif"));
    QVERIFY(edit->meaningAt(PointAt(edit, 1, 4)).contains(QStringLiteral("第 1 行 #define")));
    // A #const holding a word's internal number stands for that word; a
    // built-in name whose number nobody knows shows none.
    edit->setPlainText(QStringLiteral("#const L 32\nL { }\n#const W DLC_WILD_DROMEDARY"));
    QVERIFY2(edit->meaningAt(PointAt(edit, 1, 0)).contains(QStringLiteral("代表“create_land”")),
             qPrintable(edit->meaningAt(PointAt(edit, 1, 0))));
    const QString unnumbered = edit->meaningAt(PointAt(edit, 2, 12));
    QVERIFY2(unnumbered.contains(QStringLiteral("编号未知")) && !unnumbered.contains(QStringLiteral("值：0")),
             qPrintable(unnumbered));
}

void ScriptEditorTest::completionOffersAndInserts()
{
    ScriptEditor editor([](const QString &, lang::Dialect) { return QVector<Problem>{}; });
    editor.resize(700, 400);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    ScriptEdit *edit = editor.edit();
    edit->setPlainText(kKnownScript);
    QCompleter *completer = edit->completer()->completer();
    QAbstractItemView *popup = completer->popup();

    // In create_object's block, its attributes come first, with their meaning.
    TypeAt(edit, 3, 24, QStringLiteral("n"));
    QVERIFY(!popup->isVisible()); // one letter is not enough
    QTest::keyClicks(edit, QStringLiteral("um"));
    QVERIFY(popup->isVisible());
    const QAbstractItemModel *rows = completer->completionModel();
    QCOMPARE(rows->index(0, 0).data().toString(), QStringLiteral("number_of_groups"));
    QCOMPARE(rows->index(1, 0).data().toString(), QStringLiteral("number_of_objects"));
    QCOMPARE(rows->index(2, 0).data().toString(), QStringLiteral("number_of_clumps")); // another block's
    QVERIFY(rows->index(1, 1).data().toString().contains(lang::FindWord(u"number_of_objects")->doc));
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    QVERIFY(!popup->isVisible());
    QCOMPARE(edit->document()->findBlockByNumber(3).text(),
             QStringLiteral("create_object MY_GOLD { number_of_objects } /* GOLD */"));

    // Ctrl+Space after create_object offers the file's names first, then
    // constants; case does not matter; Escape closes the list.
    TypeAt(edit, 5, 14, QString());
    QTest::keyClick(edit, Qt::Key_Space, Qt::ControlModifier);
    QVERIFY(popup->isVisible());
    QCOMPARE(rows->index(0, 0).data().toString(), QStringLiteral("HERD"));
    QCOMPARE(rows->index(1, 0).data().toString(), QStringLiteral("MY_GOLD"));
    QVERIFY(rows->index(1, 1).data().toString().contains(QStringLiteral("第 1 行")));
    QTest::keyClicks(edit, QStringLiteral("gol"));
    QCOMPARE(rows->index(0, 0).data().toString(), QStringLiteral("GOLD"));
    QTest::keyClick(popup, Qt::Key_Escape);
    QVERIFY(!popup->isVisible());
    QCOMPARE(edit->document()->findBlockByNumber(5).text(), QStringLiteral("create_object gol"));

    // Alt+/ asks too; Tab takes the chosen row, replacing the whole word.
    TypeAt(edit, 5, 16, QString());
    QTest::keyClick(edit, Qt::Key_Slash, Qt::AltModifier);
    const QString first = rows->index(0, 0).data().toString();
    QVERIFY(first.startsWith(QLatin1String("GO")));
    QTest::keyClick(popup, Qt::Key_Tab);
    QCOMPARE(edit->document()->findBlockByNumber(5).text(), QStringLiteral("create_object ") + first);
}

void ScriptEditorTest::noListInCommentsOrNumbers()
{
    ScriptEditor editor([](const QString &, lang::Dialect) { return QVector<Problem>{}; });
    editor.resize(700, 400);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    ScriptEdit *edit = editor.edit();
    edit->setPlainText(QStringLiteral("/* a\n\n*/\n<LAND_GENERATION>\n\n"));
    QAbstractItemView *popup = edit->completer()->completer()->popup();
    TypeAt(edit, 1, 0, QStringLiteral("create_la"));
    QVERIFY(!popup->isVisible()); // a comment opened on the line before
    TypeAt(edit, 0, 4, QStringLiteral(" */ crea"));
    QVERIFY(popup->isVisible()); // closed on the same line
    QTest::keyClick(popup, Qt::Key_Escape);
    TypeAt(edit, 4, 0, QStringLiteral("create_land { land_percent 40"));
    QVERIFY(!popup->isVisible()); // a number, and a blank closes the list
    TypeAt(edit, 5, 0, QStringLiteral("#const NEW"));
    QVERIFY(!popup->isVisible()); // a name being made up
}

QTEST_MAIN(ScriptEditorTest)
#include "test_gui_script_editor.moc"
