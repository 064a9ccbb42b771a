#include "app/cli.h"
#include "wizard/ui/run_window.h"

#include <QCoreApplication>
#include <cstring>

int main(int argc, char *argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "generate") == 0) {
        QCoreApplication app(argc, argv);
        return quorlin::RunGenerate(app.arguments());
    }
    return quorlin::RunWindow(argc, argv);
}
