// What marking the typed fields costs per keystroke: judging every field in
// use (the script's blocks built once each, every line looked up), showing a
// mark on a field and taking it away, and a whole keystroke in a field of the
// units page that turns its mark on or off, to its repaint. The target is
// judging and showing under 2 ms. Run with QT_QPA_PLATFORM=offscreen
// (`make bench-fields`).
#include "core/scripted_dialogs.h"
#include "core/settings.h"
#include "fields/field_marks.h"
#include "ui/field_marker.h"
#include "ui/main_window.h"
#include "wizard/wizard_model.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <cstdio>

using namespace quorlin;

namespace {

constexpr int kRounds = 1000;

double Median(QVector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

double Report(const char *what, QVector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    std::printf("%s: median %.3f ms, 90th percentile %.3f ms, worst %.3f ms (%lld samples)\n", what, Median(ms),
                ms[ms.size() * 9 / 10], ms.back(), static_cast<long long>(ms.size()));
    return Median(ms);
}

template <class Work>
QVector<double> Time(Work work)
{
    QVector<double> ms;
    QElapsedTimer timer;
    for (int i = 0; i < kRounds; ++i) {
        timer.start();
        work(i);
        ms << timer.nsecsElapsed() / 1e6;
    }
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);

    // Every frame open and a mark in each kind of field.
    Settings s;
    for (const char *box : {"Check35", "Check4", "Check37", "Check23", "Check24"})
        s.setCheck(QString::fromLatin1(box), 1);
    s.setText(QStringLiteral("Label55"), QStringLiteral("xyz-12"));
    s.setText(QStringLiteral("Text6"), QStringLiteral("abc"));
    s.setText(QStringLiteral("Combo15"), QStringLiteral("lava"));
    s.setText(QStringLiteral("Text10"), QStringLiteral("20"));
    int marked = 0;
    const double judge =
        Report("judging every field in use", Time([&](int) { marked = int(JudgeFields(s, 0).size()); }));
    std::printf("  (%d fields judged)\n", marked);

    QLineEdit edit;
    edit.show();
    const FieldMark on{QStringLiteral("Text6"), QStringLiteral("“abc”不是数字。"), QString(), QStringLiteral("tip")};
    const double show =
        Report("showing or taking away one mark", Time([&](int i) { ShowMark(&edit, i % 2 ? on : FieldMark()); }));

    ScriptedDialogs dialogs;
    WizardModel model(&dialogs);
    MainWindow window(model);
    window.buildAllPages();
    window.show();
    while (model.page() != 3)
        model.next();
    auto *field = window.findChild<QLineEdit *>(QStringLiteral("Text6"));
    field->setFocus();
    QApplication::processEvents();
    Report("a keystroke that turns a mark on or off, to its repaint", Time([&](int i) {
               const bool type = i % 2 == 0;
               const QString text = type ? QStringLiteral("x") : QString();
               QKeyEvent press(QEvent::KeyPress, type ? Qt::Key_X : Qt::Key_Backspace, Qt::NoModifier, text);
               QKeyEvent release(QEvent::KeyRelease, type ? Qt::Key_X : Qt::Key_Backspace, Qt::NoModifier, text);
               QApplication::sendEvent(field, &press);
               QApplication::sendEvent(field, &release);
               QApplication::processEvents();
           }));

    const double marking = judge + show;
    std::printf("marking per keystroke (judging and showing): %.3f ms, target under 2 ms\n", marking);
    return marking < 2.0 ? 0 : 1;
}
