// `quorlin check`: the script checker on the command line.
#include "app/cli.h"

#include "core/ui_text.h"
#include "lang/check.h"
#include "lang/reader.h"
#include "lang/vocabulary.h"

#include <QCommandLineParser>
#include <QFile>
#include <cstdio>

namespace quorlin {

namespace {

void Print(FILE *to, const QString &line) { std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), to); }

QString CountLine(int errors, int warnings)
{
    if (errors == 0 && warnings == 0)
        return Ui::tr("没有发现问题");
    return Ui::tr("%1 个错误，%2 个警告").arg(errors).arg(warnings);
}

} // namespace

int PrintProblems(FILE *to, const QString &file, const QVector<lang::Problem> &problems, int *warnings)
{
    int errors = 0;
    for (const lang::Problem &p : problems) {
        const bool error = p.severity == lang::Severity::Error;
        errors += error;
        *warnings += p.severity == lang::Severity::Warning;
        QString message = p.message;
        message.replace(QLatin1Char('\n'), QLatin1Char(' '));
        Print(to, QStringLiteral("%1:%2:%3: %4: %5 [%6]")
                      .arg(file)
                      .arg(p.line)
                      .arg(p.column)
                      .arg(error                                        ? QStringLiteral("error")
                           : p.severity == lang::Severity::Warning ? QStringLiteral("warning")
                                                                   : QStringLiteral("note"),
                           message, p.id));
    }
    return errors;
}

void PrintCheckOfScript(const QString &file, const QString &text)
{
    int warnings = 0;
    const int errors = PrintProblems(stderr, file, lang::CheckScript(text), &warnings);
    Print(stderr, CountLine(errors, warnings));
}

int RunCheck(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Checks map scripts and prints each problem as FILE:LINE:COLUMN: error|warning|note: message [id].\n"
                       "Exit code: 0 when no file has an error, 1 when one has, 2 for a usage error or an "
                       "unreadable file."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("check"), QStringLiteral("Check scripts."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Scripts to check (GBK or UTF-8)."),
                                 QStringLiteral("FILE..."));
    const QCommandLineOption dialect(QStringLiteral("dialect"),
                                     QStringLiteral("The edition to check for: classic (the default), patched or "
                                                    "modern."),
                                     QStringLiteral("DIALECT"), QStringLiteral("classic"));
    parser.addOption(dialect);
    if (const std::optional<int> done = ParseOrHelp(parser, arguments))
        return *done;
    const std::optional<lang::Dialect> chosen = lang::DialectFromName(parser.value(dialect));
    QStringList files = parser.positionalArguments();
    files.removeFirst();
    if (!chosen || files.isEmpty()) {
        Print(stderr, QStringLiteral("quorlin: usage: quorlin check [--dialect classic|patched|modern] FILE..."));
        return kExitUsage;
    }
    int errors = 0, warnings = 0;
    bool unreadable = false;
    for (const QString &path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            Print(stderr, QStringLiteral("quorlin: cannot read %1: %2").arg(path, file.errorString()));
            unreadable = true;
            continue;
        }
        // A file too large for a script is not read at all.
        const QVector<lang::Problem> problems = file.size() > lang::kMaxScriptChars
                                                    ? QVector<lang::Problem>{lang::ScriptTooLarge()}
                                                    : lang::CheckScript(lang::DecodeScript(file.readAll()), *chosen);
        errors += PrintProblems(stdout, path, problems, &warnings);
    }
    Print(stdout, CountLine(errors, warnings));
    std::fflush(stdout);
    if (unreadable)
        return kExitUsage;
    return errors > 0 ? kExitFileError : kExitOk;
}

} // namespace quorlin
