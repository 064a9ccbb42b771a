#include "ui/preview_command.h"

#include "core/text_files.h"
#include "preview/preview_drawing.h"

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
    preview::PreviewOptions options;
    options.sizeIndex = request.sizeIndex;
    options.players = request.players;
    options.seed = request.seed;
    const preview::ScriptPreview picture = preview::PreviewScript(request.script, options, request.square, true);
    for (const QString &line : picture.notes)
        Say(QStringLiteral("quorlin: ") + line);

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.image.save(&buffer, "PNG");
    QString error;
    if (!WriteFileAtomically(request.output, png, &error)) {
        Say(QStringLiteral("quorlin: cannot write %1: %2").arg(request.output, error));
        return 1;
    }
    return 0;
}

} // namespace quorlin
