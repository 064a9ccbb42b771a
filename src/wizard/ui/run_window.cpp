#include "wizard/ui/run_window.h"

#include <QCoreApplication>
#include <cstdio>

namespace quorlin {

int RunWindow(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::fputs("quorlin: the wizard window is not part of this build yet; use `quorlin generate`.\n", stderr);
    return 2;
}

} // namespace quorlin
