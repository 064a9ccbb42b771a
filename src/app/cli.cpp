#include "app/cli.h"

#include "core/text_files.h"
#include "names/terrain_names.h"
#include "script/script_file.h"
#include "wizard/wizard_model.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLibrary>
#include <cstdio>

namespace quorlin {

void Err(QString line)
{
    line.replace(QLatin1Char('\r'), QStringLiteral("\\r")).replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    std::fputs(line.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
}

std::optional<int> ParseOrHelp(QCommandLineParser &parser, const QStringList &arguments)
{
    if (!parser.parse(arguments)) {
        Err(QStringLiteral("quorlin: ") + parser.errorText());
        return kExitUsage;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(parser.helpText().toLocal8Bit().constData(), stdout);
        return kExitOk;
    }
    return std::nullopt;
}

namespace {

// "NAME=VALUE" split at the first '='.
bool SplitAssignment(const QString &text, QString *name, QString *value)
{
    const int eq = text.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return false;
    *name = text.left(eq);
    *value = text.mid(eq + 1);
    return true;
}

bool ParseLines(const QString &text, QVector<int> *lines)
{
    lines->clear();
    if (text.isEmpty())
        return true;
    for (const QString &part : text.split(QLatin1Char(','))) {
        bool ok = false;
        const int line = part.trimmed().toInt(&ok);
        if (!ok)
            return false;
        lines->append(line);
    }
    return true;
}

// The control table for people who script --set: one line per control, tab
// separated: name, kind, the values it takes (a slider's range and its small
// and large steps, a list's entries; nothing for free text), its value at
// start-up as --set writes it, and what it means.
QString ControlListing()
{
    const Settings start;
    QString listing;
    for (const ControlDef &def : ControlTable()) {
        const QString name = QString::fromLatin1(def.name);
        QString values;
        switch (def.kind) {
        case ControlKind::Check: values = QStringLiteral("0|1|2"); break;
        case ControlKind::Option: values = QStringLiteral("true|false"); break;
        case ControlKind::Slider:
            values =
                QStringLiteral("%1..%2 step %3/%4").arg(def.min).arg(def.max).arg(def.smallStep).arg(def.largeStep);
            break;
        case ControlKind::EditableList:
        case ControlKind::ClosedList: values = ListEntries(name).join(QLatin1Char('|')); break;
        case ControlKind::Text:
        case ControlKind::Display: break;
        }
        listing +=
            QStringList{name, KindName(def.kind), values, start.toString(name), QString::fromUtf8(def.meaning)}.join(
                QLatin1Char('\t'))
            + QLatin1Char('\n');
    }
    return listing;
}

class Generate {
public:
    explicit Generate(WizardModel &model) : model_(model) {}

    // Applies one option; returns an exit code, kExitOk to go on.
    int apply(const QString &option, const QString &value)
    {
        if (option == QLatin1String("set"))
            return set(value);
        if (option == QLatin1String("select"))
            return select(value);
        if (option == QLatin1String("click"))
            return click(value);
        if (option == QLatin1String("draft"))
            return openDraft(value);
        if (option == QLatin1String("date"))
            model_.setDate(value);
        return kExitOk;
    }

private:
    int set(const QString &assignment)
    {
        QString name, value;
        if (!SplitAssignment(assignment, &name, &value)) {
            Err(QStringLiteral("quorlin: --set takes NAME=VALUE, not \"%1\"").arg(assignment));
            return kExitUsage;
        }
        const QString error = model_.setValue(name, value);
        if (!error.isEmpty()) {
            Err(QStringLiteral("quorlin: ") + error);
            return kExitUsage;
        }
        return kExitOk;
    }

    int select(const QString &assignment)
    {
        QString name, value;
        QVector<int> lines;
        if (!SplitAssignment(assignment, &name, &value) || !model_.list(name) || !ParseLines(value, &lines)) {
            Err(QStringLiteral("quorlin: --select takes Lst0, Lst1 or Lst2 = line numbers, not \"%1\"")
                    .arg(assignment));
            return kExitUsage;
        }
        if (!model_.selectLines(name, lines)) {
            Err(QStringLiteral("quorlin: %1 has %2 lines; \"%3\" is out of range")
                    .arg(name)
                    .arg(model_.list(name)->count())
                    .arg(value));
            return kExitUsage;
        }
        return kExitOk;
    }

    int click(const QString &button)
    {
        if (!WizardModel::buttons().contains(button)) {
            Err(QStringLiteral("quorlin: --click takes one of %1, not \"%2\"")
                    .arg(WizardModel::buttons().join(QLatin1Char(' ')), button));
            return kExitUsage;
        }
        const Outcome outcome = model_.click(button);
        if (!outcome) {
            const Refusal &refusal = outcome.refusal();
            Err(QStringLiteral("%1: %2").arg(refusal.title, refusal.text));
            return kExitFileError;
        }
        return kExitOk;
    }

    int openDraft(const QString &path)
    {
        QString error;
        if (!model_.openDraftFrom(path, &error)) {
            Err(QStringLiteral("quorlin: cannot open draft %1: %2").arg(path, error));
            return kExitFileError;
        }
        return kExitOk;
    }

    WizardModel &model_;
};

// Qt's own options, which QApplication takes from the command line itself:
// single-dash words, most with a value ("-style fusion", "-platform offscreen").
const char *const kQtValueOptions[] = {
    "platform",     "platformpluginpath", "platformtheme", "plugin",      "display", "geometry", "qwindowgeometry",
    "title",        "qwindowtitle",       "icon",          "qwindowicon", "session", "style",    "stylesheet",
    "qmljsdebugger"};
const char *const kQtFlags[] = {"reverse", "widgetcount"};

} // namespace

std::optional<int> ReadWindowArguments(const QStringList &arguments, WindowOptions *options)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Quorlin writes random map scripts (*.rms) step by step.\n"
                       "\n"
                       "  quorlin [FILE.qlx]           open the wizard, with that draft if one is named\n"
                       "  quorlin generate [OPTION]... write a script without the window;\n"
                       "                               see quorlin generate --help\n"
                       "  quorlin check FILE...        check scripts; see quorlin check --help\n"
                       "  quorlin preview [OPTION]...  draw an approximate picture of a script's map;\n"
                       "                               see quorlin preview --help"));
    // Qt's --help-all would list its options of the window's application,
    // which does not exist yet: plain help only.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
                                  QStringLiteral("Displays this help."));
    parser.addOption(help);
    parser.addPositionalArgument(
        QStringLiteral("draft"),
        QStringLiteral("A draft (*.qlx) to open, or a map script (*.rms) to show on the script page."),
        QStringLiteral("[FILE.qlx]"));
    const QCommandLineOption screenshots(QStringLiteral("screenshots"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption quitAfterShow(QStringLiteral("quit-after-show"));
    QList<QCommandLineOption> hidden = {screenshots, quitAfterShow};
    for (const char *name : kQtValueOptions)
        hidden << QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("VALUE"));
    for (const char *name : kQtFlags)
        hidden << QCommandLineOption(QString::fromLatin1(name));
    for (QCommandLineOption &option : hidden) {
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    if (!parser.parse(arguments)) {
        Err(QStringLiteral("quorlin: %1 (see quorlin --help)").arg(parser.errorText()));
        return kExitUsage;
    }
    if (parser.isSet(help)) {
        std::fputs(parser.helpText().toLocal8Bit().constData(), stdout);
        return kExitOk;
    }
    if (parser.positionalArguments().size() > 1) {
        Err(QStringLiteral("quorlin: give at most one draft to open (see quorlin --help)"));
        return kExitUsage;
    }
    options->draft = parser.positionalArguments().value(0);
    options->screenshots = parser.value(screenshots);
    options->quitAfterShow = parser.isSet(quitAfterShow);
    return std::nullopt;
}

int RunGenerate(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes a random map script from the wizard's settings."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("generate"), QStringLiteral("Assemble the script."));
    const QList<QCommandLineOption> options = {
        {QStringLiteral("set"), QStringLiteral("Set a control of pages 0-4 (or Label55)."),
         QStringLiteral("NAME=VALUE")},
        {QStringLiteral("select"), QStringLiteral("Select exactly these lines of Lst0, Lst1 or Lst2."),
         QStringLiteral("LIST=I,J,...")},
        {QStringLiteral("click"), QStringLiteral("Press a button of the settings pages."), QStringLiteral("NAME")},
        {QStringLiteral("draft"), QStringLiteral("Open a draft at this point."), QStringLiteral("FILE")},
        {QStringLiteral("save-draft"), QStringLiteral("Save the final state as a draft."), QStringLiteral("FILE")},
        {QStringLiteral("date"), QStringLiteral("Text of the script's date line."), QStringLiteral("TEXT")},
        {QStringLiteral("output"), QStringLiteral("Write the script file here (GBK) instead of printing it."),
         QStringLiteral("FILE")},
        {QStringLiteral("check"),
         QStringLiteral("Also print the written script's problems on standard error (the exit code stays).")},
        {QStringLiteral("list-controls"),
         QStringLiteral("Only print the controls --set takes, one per line, tab-separated: name, kind, range or "
                        "entries, default, meaning.")},
    };
    parser.addOptions(options);
    if (const std::optional<int> done = ParseOrHelp(parser, arguments))
        return *done;
    if (parser.positionalArguments() != QStringList{QStringLiteral("generate")}) {
        Err(QStringLiteral("quorlin: usage: quorlin generate [--set NAME=VALUE] [--select LIST=I,J] [--click NAME] "
                           "[--draft FILE] [--save-draft FILE] [--date TEXT] [--output FILE] [--check] (see --help)"));
        return kExitUsage;
    }
    if (parser.isSet(QStringLiteral("list-controls"))) {
        const QByteArray bytes = ControlListing().toUtf8();
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
        return std::fflush(stdout) == 0 ? kExitOk : kExitFileError;
    }

    // Without dialogs: a refused click says why in its outcome, and nothing asks.
    WizardModel model(nullptr);
    Generate generate(model);
    // Options act in the order given; optionNames() lists each occurrence.
    QHash<QString, int> seen;
    for (const QString &name : parser.optionNames()) {
        const int k = seen[name]++;
        const QString value = parser.values(name).value(k);
        if (const int code = generate.apply(name, value))
            return code;
    }

    // Built exactly as leaving the last settings page does.
    for (int page = model.page(); page < WizardModel::kLastPage; ++page)
        model.next();
    const QString script = model.script();
    const QString output = parser.value(QStringLiteral("output"));
    if (parser.isSet(QStringLiteral("check")))
        PrintCheckOfScript(output.isEmpty() ? QStringLiteral("-") : output, ScriptFileText(script));

    if (parser.isSet(QStringLiteral("save-draft"))) {
        const QString path = parser.value(QStringLiteral("save-draft"));
        QString error;
        if (!model.saveDraftTo(path, &error)) {
            Err(QStringLiteral("quorlin: cannot save draft %1: %2").arg(path, error));
            return kExitFileError;
        }
    }
    if (parser.isSet(QStringLiteral("output"))) {
        const QString path = parser.value(QStringLiteral("output"));
        QString error;
        if (!WriteFileAtomically(path, ScriptFileBytes(script), &error)) {
            Err(QStringLiteral("quorlin: cannot write %1: %2").arg(path, error));
            return kExitFileError;
        }
        return kExitOk;
    }
    // The same text as the file, in UTF-8.
    const QByteArray bytes = ScriptFileText(script).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    return std::fflush(stdout) == 0 ? kExitOk : kExitFileError;
}

QFunctionPointer ModuleEntry(const QString &module, const char *symbol, const QString &purpose)
{
    // QLibrary's own message for a missing file names the last of the
    // variants of the name it tried, not the file that is missing.
    if (!QFileInfo::exists(module)) {
        Err(QStringLiteral("quorlin: cannot %1: its module %2 is missing").arg(purpose, module));
        return nullptr;
    }
    QLibrary library(module);
    const QFunctionPointer entry = library.resolve(symbol);
    if (!entry)
        Err(QStringLiteral("quorlin: cannot %1: %2").arg(purpose, library.errorString()));
    return entry;
}

int OpenWindow(const QString &module, int argc, char *argv[], const WindowOptions &options)
{
    const auto run = reinterpret_cast<QuorlinRunWindow>(
        ModuleEntry(module, QUORLIN_RUN_WINDOW_SYMBOL, QStringLiteral("open the window")));
    return run ? run(argc, argv, &options) : int(kExitFileError);
}

} // namespace quorlin
