// Times one full assembly with every optional section and ready-made group on.
#include "script/assembler.h"
#include "wizard/scripted_dialogs.h"
#include "wizard/wizard_model.h"

#include <QElapsedTimer>
#include <cstdio>

using namespace quorlin;

int main()
{
    ScriptedDialogs dialogs;
    WizardModel model(&dialogs);
    model.selectAllReadyMade();
    for (const char *box : {"Check13", "Check15", "Check18", "Check21"}) // the partners too
        model.settings().setCheck(QString::fromLatin1(box), 2);
    for (const char *box : {"Check23", "Check24", "Check25", "Check26", "Check27", "Check28", "Check29", "Check30", "Check1"})
        model.setCheck(QString::fromLatin1(box), 1);

    const int rounds = 2000;
    QString script;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        script = AssembleScript(model.settings(), model.lands(), model.terrains(), model.units(), QStringLiteral("2026/12/7"));
    const double us = double(timer.nsecsElapsed()) / rounds / 1000.0;
    std::printf("one full assembly: %.1f us (mean of %d), %lld characters\n", us, rounds,
                static_cast<long long>(script.size()));
    return 0;
}
