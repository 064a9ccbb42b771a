// Times one full assembly with every optional section on: all ready-made
// groups (each pair of alternatives once with its first and once with its
// second box, since the two cannot be ticked together), elevation, cliffs,
// both connection groups and mixed water.
#include "core/scripted_dialogs.h"
#include "script/assembler.h"
#include "wizard/wizard_model.h"

#include <QElapsedTimer>
#include <cstdio>

using namespace quorlin;

namespace {

void Time(const char *label, const WizardModel &model)
{
    const int rounds = 2000;
    QString script;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        script = AssembleScript(model.settings(), model.lands(), model.terrains(), model.units(),
                                QStringLiteral("2026/12/7"));
    const double us = double(timer.nsecsElapsed()) / rounds / 1000.0;
    std::printf("one full assembly, %s: %.1f us (mean of %d), %lld characters\n", label, us, rounds,
                static_cast<long long>(script.size()));
}

} // namespace

int main()
{
    ScriptedDialogs dialogs;
    WizardModel model(&dialogs);
    for (const char *box :
         {"Check23", "Check24", "Check25", "Check26", "Check27", "Check28", "Check29", "Check30", "Check1"})
        model.setCheck(QString::fromLatin1(box), 1);
    model.selectAllReadyMade();
    Time("first box of each pair", model);
    for (const char *box : {"Check13", "Check15", "Check18", "Check21"})
        model.setCheck(QString::fromLatin1(box), 1);
    Time("second box of each pair", model);
    return 0;
}
