#include "app/cli.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <cstring>

namespace {

// Started while the program loads, before main, so start-up timing covers
// everything from there to the first painted page.
QElapsedTimer &ProcessClock()
{
    static QElapsedTimer clock;
    return clock;
}
const bool kClockStarted = (ProcessClock().start(), true);

// A module of the program (the window's, the drawing's): beside the
// executable in the build folder, in the program's own library folder where
// it is installed. When it is in neither, the one beside is named as missing.
QString Module(const QString &fileName)
{
    const QDir here(QCoreApplication::applicationDirPath());
    const QString beside = here.filePath(fileName);
    const QString installed =
        QDir::cleanPath(here.filePath(QStringLiteral(QUORLIN_MODULE_FROM_BINARY "/") + fileName));
    return !QFileInfo::exists(beside) && QFileInfo::exists(installed) ? installed : beside;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "generate") == 0) {
        QCoreApplication app(argc, argv);
        return quorlin::RunGenerate(app.arguments());
    }
    if (argc > 1 && std::strcmp(argv[1], "check") == 0) {
        QCoreApplication app(argc, argv);
        return quorlin::RunCheck(app.arguments());
    }
    if (argc > 1 && std::strcmp(argv[1], "preview") == 0) {
        // Read and checked with Qt Core alone; the drawing module draws the picture.
        quorlin::PreviewRequest request;
        QString module;
        {
            QCoreApplication app(argc, argv);
            if (const std::optional<int> exitCode = quorlin::ReadPreviewArguments(app.arguments(), &request))
                return *exitCode;
            module = Module(QStringLiteral(QUORLIN_DRAWING_MODULE));
        }
        const auto run = reinterpret_cast<QuorlinRunPreview>(
            quorlin::ModuleEntry(module, QUORLIN_RUN_PREVIEW_SYMBOL, QStringLiteral("draw the preview")));
        return run ? run(argc, argv, &request) : int(quorlin::kExitFileError);
    }
    // The window's command line is read before the window's application
    // exists, which needs a display: help and usage errors need none.
    quorlin::WindowOptions options;
    options.processClock = ProcessClock();
    QString module;
    {
        QCoreApplication app(argc, argv);
        if (const std::optional<int> exitCode = quorlin::ReadWindowArguments(app.arguments(), &options))
            return *exitCode;
        module = Module(QStringLiteral(QUORLIN_WINDOW_MODULE));
    }
    return quorlin::OpenWindow(module, argc, argv, options);
}
