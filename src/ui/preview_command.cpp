#include "ui/preview_command.h"

#include "core/text_files.h"
#include "core/ui_text.h"
#include "preview/contact_sheet.h"
#include "preview/picture_file.h"
#include "preview/preview_drawing.h"
#include "ui/picture_fonts.h"

#include <QGuiApplication>
#include <cstdio>

namespace quorlin {

namespace {

// Each line on standard error behind the program's name, in one write: a
// long script has a hundred notes.
void Say(const QStringList &lines)
{
    QString said;
    for (const QString &line : lines)
        said += QStringLiteral("quorlin: ") + line + QLatin1Char('\n');
    const QByteArray bytes = said.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

// The notes of a contact sheet: a line every seed has once, the others
// with their seed.
QStringList SheetNotes(const QVector<quint64> &seeds, const QVector<QStringList> &notes)
{
    QStringList lines;
    for (const QString &line : notes.value(0)) {
        if (std::all_of(notes.begin(), notes.end(), [&](const QStringList &seed) { return seed.contains(line); }))
            lines << line;
    }
    for (int i = 0; i < notes.size(); ++i) {
        for (const QString &line : notes[i]) {
            if (!lines.contains(line))
                lines << Ui::tr("种子 %1：%2").arg(seeds[i]).arg(line);
        }
    }
    return lines;
}

} // namespace

int RunPreviewCommand(int argc, char *argv[], const PreviewRequest &request)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    UseLeanFontConfig();
    QGuiApplication app(argc, argv);
    preview::PreviewOptions options;
    options.sizeIndex = request.sizeIndex;
    options.players = request.players;
    options.teams = request.teams;
    options.seed = request.seed;
    QImage image;
    QStringList notes;
    if (request.seeds.isEmpty()) {
        const preview::ScriptPreview picture = preview::PreviewScript(request.script, options, request.square, true);
        image = picture.image;
        notes = picture.notes;
    } else {
        const preview::ContactSheet sheet =
            preview::PreviewSeeds(request.script, options, request.seeds, request.square);
        image = sheet.image;
        notes = SheetNotes(request.seeds, sheet.notes);
    }
    Say(notes);

    const QByteArray png = preview::PngBytes(image);
    if (png.isEmpty()) {
        Say({QStringLiteral("cannot encode the picture of %1").arg(request.output)});
        return 1;
    }
    QString error;
    if (!WriteFileAtomically(request.output, png, &error)) {
        Say({QStringLiteral("cannot write %1: %2").arg(request.output, error)});
        return 1;
    }
    return 0;
}

} // namespace quorlin
