#include "app/cli.h"
#include "ui/run_window.h"

#include <QCoreApplication>
#include <cstring>

int main(int argc, char *argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "generate") == 0) {
        QCoreApplication app(argc, argv);
        return quorlin::RunGenerate(app.arguments());
    }
    // The window's command line is read before the window's application
    // exists, which needs a display: help and usage errors need none.
    quorlin::WindowOptions options;
    {
        QCoreApplication app(argc, argv);
        if (const std::optional<int> exitCode = quorlin::ReadWindowArguments(app.arguments(), &options))
            return *exitCode;
    }
    return quorlin::RunWindow(argc, argv, options);
}
