// What one keystroke costs the window's thread on the script page with a
// 5,000-line script: the key press, the edit, the recolouring of what
// changed, the model's copy of the script and the repaint. The check itself
// runs on a worker thread after the typing rests; its share of the window's
// thread (reading the text, showing 200 problems) is timed apart, and so
// are hovering a word (its meaning in the tooltip) and opening the
// completion list, each right after an edit, when the editor reads the
// file's own names again.
// Run with QT_QPA_PLATFORM=offscreen (`make bench-editor`).
#include "core/scripted_dialogs.h"
#include "ui/main_window.h"
#include "ui/problem_list.h"
#include "ui/script_completer.h"
#include "ui/script_edit.h"
#include "ui/script_editor.h"
#include "wizard/wizard_model.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTextBlock>
#include <algorithm>
#include <cstdio>
#include <ctime>

using namespace quorlin;

namespace {

constexpr int kLines = 5000;
constexpr int kKeys = 400;
constexpr int kHelps = 100;

// The wizard's own script, repeated to kLines lines.
QString LongScript(const QString &script)
{
    const QStringList lines = QString(script).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(u'\n');
    QStringList out;
    while (out.size() < kLines)
        out << lines.mid(0, kLines - out.size());
    return out.join(u'\n');
}

// CPU time of the calling thread in milliseconds: unlike the wall clock,
// it does not count the time other programs on a busy machine take.
double ThreadMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double Median(QVector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

void Report(const char *what, QVector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    std::printf("%s: median %.3f ms, 90th percentile %.3f ms, worst %.3f ms (%lld samples)\n", what, Median(ms),
                ms[ms.size() * 9 / 10], ms.back(), static_cast<long long>(ms.size()));
}

// Types a letter and takes it back, in turns, timing each key to its repaint
// by the wall clock and by the window thread's CPU time.
QVector<double> TimeKeys(ScriptEdit *edit, QVector<double> *cpu)
{
    QVector<double> ms;
    QElapsedTimer timer;
    for (int i = 0; i < kKeys; ++i) {
        const bool type = i % 2 == 0;
        const QString text = type ? QStringLiteral("x") : QString();
        QKeyEvent press(QEvent::KeyPress, type ? Qt::Key_X : Qt::Key_Backspace, Qt::NoModifier, text);
        QKeyEvent release(QEvent::KeyRelease, type ? Qt::Key_X : Qt::Key_Backspace, Qt::NoModifier, text);
        timer.start();
        const double cpuStart = ThreadMs();
        QApplication::sendEvent(edit, &press);
        QApplication::sendEvent(edit, &release);
        QApplication::processEvents();
        ms << timer.nsecsElapsed() / 1e6;
        *cpu << ThreadMs() - cpuStart;
    }
    return ms;
}

void SendKey(QWidget *to, int key, const QString &text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(to, &press);
    QApplication::sendEvent(to, &release);
}

// Times `what` (with the events it leaves) by the wall clock and the
// thread's CPU time, each time after typing a letter and taking it back;
// `after` tidies up untimed.
template <class What, class After>
QVector<double> TimeAfterEdits(ScriptEdit *edit, QVector<double> *cpu, What what, After after)
{
    QVector<double> ms;
    QElapsedTimer timer;
    for (int i = 0; i < kHelps; ++i) {
        SendKey(edit, Qt::Key_X, QStringLiteral("x"));
        SendKey(edit, Qt::Key_Backspace, QString());
        QApplication::processEvents();
        timer.start();
        const double cpuStart = ThreadMs();
        what();
        QApplication::processEvents();
        ms << timer.nsecsElapsed() / 1e6;
        *cpu << ThreadMs() - cpuStart;
        after();
    }
    return ms;
}

// Hovering a command in the middle of the script, and the completion list
// opened by the second letter of a word typed in a block there, and by
// Ctrl+Space; returns the worst of their medians.
double TimeHelp(ScriptEdit *edit)
{
    QTextBlock block = edit->document()->findBlockByNumber(kLines / 2);
    while (block.isValid() && !block.text().trimmed().startsWith(QLatin1String("create_")))
        block = block.next();
    QTextCursor at(block);
    at.movePosition(QTextCursor::NextWord);
    edit->setTextCursor(at);
    edit->centerCursor();
    QApplication::processEvents();
    const QPoint point = edit->cursorRect(QTextCursor(block)).center() + QPoint(6, 0);
    std::printf("hovering \"%s\"\n", qPrintable(block.text().trimmed().section(QLatin1Char(' '), 0, 0)));
    QVector<double> cpu;
    const QVector<double> hover = TimeAfterEdits(
        edit, &cpu,
        [&] {
            QHelpEvent help(QEvent::ToolTip, point, edit->viewport()->mapToGlobal(point));
            QApplication::sendEvent(edit->viewport(), &help);
        },
        [] {});
    Report("hovering a word (its meaning in the tooltip), wall clock", hover);
    Report("hovering a word, the thread's CPU time", cpu);

    // A new line in the block of that command: "nu" opens the list.
    QTextCursor end(block);
    end.movePosition(QTextCursor::EndOfBlock);
    edit->setTextCursor(end);
    edit->insertPlainText(QStringLiteral("\n  n"));
    QAbstractItemView *popup = edit->completer()->completer()->popup();
    cpu.clear();
    const QVector<double> typed = TimeAfterEdits(
        edit, &cpu, [&] { SendKey(edit, Qt::Key_U, QStringLiteral("u")); },
        [&] {
            if (!popup->isVisible())
                std::printf("the list did not open\n");
            SendKey(popup, Qt::Key_Escape, QString());
            SendKey(edit, Qt::Key_Backspace, QString());
        });
    Report("opening the completion list by typing, wall clock", typed);
    Report("opening the completion list by typing, the thread's CPU time", cpu);
    cpu.clear();
    const QVector<double> asked = TimeAfterEdits(
        edit, &cpu, [&] { SendKey(edit, Qt::Key_Space, QString(), Qt::ControlModifier); },
        [&] { SendKey(popup, Qt::Key_Escape, QString()); });
    Report("opening the completion list with Ctrl+Space, wall clock", asked);
    Report("opening the completion list with Ctrl+Space, the thread's CPU time", cpu);
    edit->undo();
    return qMax(Median(hover), qMax(Median(typed), Median(asked)));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ScriptedDialogs dialogs;
    WizardModel model(&dialogs);
    MainWindow window(model);
    window.buildAllPages();
    window.show();
    while (model.page() != WizardModel::kLastPage)
        model.next();
    auto *edit = window.findChild<ScriptEdit *>(QStringLiteral("Txt"));
    const QString script = LongScript(model.script());
    edit->setPlainText(script);
    QTextCursor middle(edit->document()->findBlockByNumber(kLines / 2));
    middle.movePosition(QTextCursor::EndOfWord);
    edit->setTextCursor(middle);
    edit->setFocus();
    QApplication::processEvents();
    std::printf("script: %d lines, %lld characters\n", edit->blockCount(), static_cast<long long>(script.size()));
    QVector<double> cpu;
    const QVector<double> keys = TimeKeys(edit, &cpu);
    Report("one keystroke in the window, wall clock", keys);
    Report("one keystroke in the window, the thread's CPU time", cpu);

    // The worst case for the colours: a comment opened in the middle of the
    // script changes the state of every line after it, which are recoloured.
    QElapsedTimer comment;
    comment.start();
    edit->insertPlainText(QStringLiteral(" /* "));
    QApplication::processEvents();
    std::printf("opening a comment in the middle (recolours the rest): %.3f ms, last line at depth %d\n",
                comment.nsecsElapsed() / 1e6, edit->document()->lastBlock().userState());
    edit->undo();
    QApplication::processEvents();
    const double help = TimeHelp(edit);

    // The check's share of the window's thread, with 200 problems found.
    QVector<lang::Problem> problems;
    for (int i = 0; i < 200; ++i)
        problems << lang::Problem{QStringLiteral("x"),
                                  i % 3 ? lang::Severity::Warning : lang::Severity::Error,
                                  1 + i * 25,
                                  1,
                                  5,
                                  QStringLiteral("问题 %1").arg(i)};
    ScriptEditor editor([&](const QString &, lang::Dialect) { return problems; });
    editor.resize(900, 700);
    editor.show();
    editor.edit()->setPlainText(script);
    auto *list = editor.findChild<ProblemList *>(QStringLiteral("ProblemList"));
    QVector<double> start, show;
    QElapsedTimer timer;
    for (int i = 0; i < 30; ++i) {
        timer.start();
        editor.liveCheck()->checkNow(); // reads the text and hands it to the worker
        start << timer.nsecsElapsed() / 1e6;
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        timer.start();
        editor.edit()->showProblems(problems);
        list->setProblems(problems);
        QApplication::processEvents();
        show << timer.nsecsElapsed() / 1e6;
    }
    Report("starting a check (reading the text)", start);
    Report("showing 200 problems (underlines, list, repaint)", show);
    return Median(keys) <= 16.0 && help <= 16.0 ? 0 : 1;
}
