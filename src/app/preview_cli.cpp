// `quorlin preview`: the command line and the script; the module draws.
#include "app/cli.h"

#include "lang/reader.h"
#include "preview/map_sizes.h"
#include "wizard/wizard_model.h"

#include <QCommandLineParser>
#include <QFile>

namespace quorlin {

namespace {

const char kUsage[] = "quorlin: usage: quorlin preview [FILE.rms | --draft FILE.qlx] "
                      "[--size tiny|small|medium|normal|large|giant] [--players N] [--seed N] [--square] "
                      "--output MAP.png (see --help)";

// The script the wizard builds from a draft, or from its defaults without one.
std::optional<int> WizardScript(const QString &draft, QString *script)
{
    WizardModel model(nullptr);
    QString error;
    if (!draft.isEmpty() && !model.openDraftFrom(draft, &error)) {
        Err(QStringLiteral("quorlin: cannot open draft %1: %2").arg(draft, error));
        return kExitFileError;
    }
    for (int page = model.page(); page < WizardModel::kLastPage; ++page)
        model.next();
    *script = model.script();
    return std::nullopt;
}

bool ReadNumber(const QString &text, quint64 low, quint64 high, quint64 *number)
{
    bool ok = false;
    *number = text.toULongLong(&ok);
    return ok && *number >= low && *number <= high;
}

} // namespace

std::optional<int> ReadPreviewArguments(const QStringList &arguments, PreviewRequest *request)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws an approximate preview of the map a script makes."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("preview"), QStringLiteral("Draw the preview."));
    parser.addPositionalArgument(QStringLiteral("FILE.rms"),
                                 QStringLiteral("The script; without it and --draft, the wizard's defaults."),
                                 QStringLiteral("[FILE.rms]"));
    QStringList sizes;
    for (const preview::MapSize &size : preview::MapSizes())
        sizes << QString::fromLatin1(size.option);
    parser.addOptions({
        {QStringLiteral("draft"), QStringLiteral("The script the wizard builds from this draft."),
         QStringLiteral("FILE.qlx")},
        {QStringLiteral("size"), QStringLiteral("The map's size: %1 (medium).").arg(sizes.join(QLatin1Char('|'))),
         QStringLiteral("SIZE")},
        {QStringLiteral("players"), QStringLiteral("Players, 1 to 8 (2)."), QStringLiteral("N")},
        {QStringLiteral("seed"), QStringLiteral("The random seed (1)."), QStringLiteral("N")},
        {QStringLiteral("square"), QStringLiteral("A square picture instead of the game's diamond.")},
        {QStringLiteral("output"), QStringLiteral("The PNG picture to write."), QStringLiteral("MAP.png")},
    });
    if (const std::optional<int> done = ParseOrHelp(parser, arguments))
        return *done;
    const QStringList files = parser.positionalArguments().mid(1);
    quint64 players = 2, seed = 1;
    const int size = parser.isSet(QStringLiteral("size")) ? preview::MapSizeIndex(parser.value(QStringLiteral("size")))
                                                          : preview::MapSizeIndex(QStringLiteral("medium"));
    if (files.size() > 1 || (files.size() == 1 && parser.isSet(QStringLiteral("draft"))) || size < 0
        || !parser.isSet(QStringLiteral("output"))
        || (parser.isSet(QStringLiteral("players"))
            && !ReadNumber(parser.value(QStringLiteral("players")), 1, 8, &players))
        || (parser.isSet(QStringLiteral("seed"))
            && !ReadNumber(parser.value(QStringLiteral("seed")), 0, std::numeric_limits<quint64>::max(), &seed))) {
        Err(QString::fromLatin1(kUsage));
        return kExitUsage;
    }
    request->sizeIndex = size;
    request->players = int(players);
    request->seed = seed;
    request->square = parser.isSet(QStringLiteral("square"));
    request->output = parser.value(QStringLiteral("output"));
    if (files.isEmpty())
        return WizardScript(parser.value(QStringLiteral("draft")), &request->script);
    QFile file(files.first());
    if (file.size() > lang::kMaxScriptChars || !file.open(QIODevice::ReadOnly)) {
        Err(QStringLiteral("quorlin: cannot read %1: %2").arg(files.first(), file.errorString()));
        return kExitFileError;
    }
    request->script = lang::DecodeScript(file.readAll());
    return std::nullopt;
}

} // namespace quorlin
