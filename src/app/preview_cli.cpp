// `quorlin preview`: the command line and the script; the module draws.
#include "app/cli.h"

#include "lang/reader.h"
#include "preview/lobby_labels.h"
#include "preview/map_sizes.h"
#include "wizard/wizard_model.h"

#include <QCommandLineParser>
#include <QFile>

namespace quorlin {

namespace {

const char kUsage[] = "quorlin: usage: quorlin preview [FILE.rms | --draft FILE.qlx] "
                      "[--size tiny|small|medium|normal|large|giant] [--players N] [--teams T,T,...] "
                      "[--seed N | --seeds A-B] [--square] --output MAP.png (see --help)";

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

// "1,1,2,2": each player's team, one per player.
bool ReadTeams(const QString &text, QVector<int> *teams)
{
    for (const QString &part : text.split(QLatin1Char(','))) {
        quint64 team = 0;
        if (part == QLatin1String("-"))
            team = 0;
        else if (!ReadNumber(part, 0, preview::kMaxTeams, &team))
            return false;
        *teams << int(team);
    }
    return teams->size() <= 8;
}

// "1-9" (from one to the other) or "3,5,8": the sheet's seeds, at most a
// sheet's worth.
bool ReadSeeds(const QString &text, QVector<quint64> *seeds)
{
    const quint64 most = std::numeric_limits<quint64>::max();
    const QStringList range = text.split(QLatin1Char('-'));
    if (range.size() == 2) {
        quint64 from = 0, to = 0;
        if (!ReadNumber(range[0], 0, most, &from) || !ReadNumber(range[1], from, most, &to)
            || to - from >= quint64(preview::kMaxSheetSeeds))
            return false;
        for (quint64 seed = from; seed <= to; ++seed)
            *seeds << seed;
        return true;
    }
    for (const QString &part : text.split(QLatin1Char(','))) {
        quint64 seed = 0;
        if (!ReadNumber(part, 0, most, &seed))
            return false;
        *seeds << seed;
    }
    return seeds->size() <= preview::kMaxSheetSeeds;
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
        {QStringLiteral("players"), QStringLiteral("Players, 1 to 8 (2; with --teams, one per team given)."),
         QStringLiteral("N")},
        {QStringLiteral("teams"),
         QStringLiteral("Each player's team in lobby order, 1 to %1, or 0 or - for none (none).")
             .arg(preview::kMaxTeams),
         QStringLiteral("T,T,...")},
        {QStringLiteral("seed"), QStringLiteral("The random seed (1)."), QStringLiteral("N")},
        {QStringLiteral("seeds"),
         QStringLiteral("A contact sheet: the map of each seed, A-B or A,B,..., at most %1.")
             .arg(preview::kMaxSheetSeeds),
         QStringLiteral("A-B")},
        {QStringLiteral("square"), QStringLiteral("A square picture instead of the game's diamond.")},
        {QStringLiteral("output"), QStringLiteral("The PNG picture to write."), QStringLiteral("MAP.png")},
    });
    if (const std::optional<int> done = ParseOrHelp(parser, arguments))
        return *done;
    const QStringList files = parser.positionalArguments().mid(1);
    const auto given = [&](const char *name) { return parser.isSet(QString::fromLatin1(name)); };
    const auto value = [&](const char *name) { return parser.value(QString::fromLatin1(name)); };
    quint64 players = 2, seed = 1;
    QVector<int> teams;
    QVector<quint64> seeds;
    const int size = preview::MapSizeIndex(given("size") ? value("size") : QStringLiteral("medium"));
    const bool teamsRead = !given("teams") || ReadTeams(value("teams"), &teams);
    if (teamsRead && given("teams") && !given("players"))
        players = quint64(teams.size());
    if (files.size() > 1 || (files.size() == 1 && given("draft")) || size < 0 || !given("output")
        || (given("players") && !ReadNumber(value("players"), 1, 8, &players)) || !teamsRead
        || (given("teams") && quint64(teams.size()) != players)
        || (given("seed")
            && (given("seeds") || !ReadNumber(value("seed"), 0, std::numeric_limits<quint64>::max(), &seed)))
        || (given("seeds") && !ReadSeeds(value("seeds"), &seeds))) {
        Err(QString::fromLatin1(kUsage));
        return kExitUsage;
    }
    request->sizeIndex = size;
    request->players = int(players);
    request->teams = teams;
    request->seed = seed;
    request->seeds = seeds;
    request->square = given("square");
    request->output = value("output");
    if (files.isEmpty())
        return WizardScript(value("draft"), &request->script);
    QFile file(files.first());
    if (file.size() > lang::kMaxScriptChars || !file.open(QIODevice::ReadOnly)) {
        Err(QStringLiteral("quorlin: cannot read %1: %2").arg(files.first(), file.errorString()));
        return kExitFileError;
    }
    request->script = lang::DecodeScript(file.readAll());
    return std::nullopt;
}

} // namespace quorlin
