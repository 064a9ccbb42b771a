#include "ui/preview_command.h"

#include "core/text_files.h"
#include "preview/map_sizes.h"
#include "preview/preview_drawing.h"
#include "preview/preview_engine.h"
#include "preview/preview_text.h"
#include "preview/script_plan.h"

#include <QBuffer>
#include <QGuiApplication>
#include <cstdio>

namespace quorlin {

namespace {

void Say(const QString &line)
{
    std::fputs(line.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
}

} // namespace

int RunPreviewCommand(int argc, char *argv[], const PreviewRequest &request)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    using namespace preview;
    PreviewOptions options;
    options.sizeIndex = request.sizeIndex;
    options.players = request.players;
    options.seed = request.seed;
    const MapPlan plan = PlanScript(request.script, QString::fromLatin1(MapSizes()[request.sizeIndex].label), request.seed);
    const PreviewResult result = BuildPreview(plan, options);
    for (const QString &line : PreviewWarnings(result) + SkippedLines(result))
        Say(QStringLiteral("quorlin: ") + line);

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    DrawPreview(result, request.square).save(&buffer, "PNG");
    QString error;
    if (!WriteFileAtomically(request.output, png, &error)) {
        Say(QStringLiteral("quorlin: cannot write %1: %2").arg(request.output, error));
        return 1;
    }
    return 0;
}

} // namespace quorlin
