#pragma once

#include "ui/window_entry.h"

#include "lang/check.h"

#include <QStringList>
#include <cstdio>

#include <QCommandLineParser>
#include <optional>

namespace quorlin {

// Exit codes of the command line; scripts rely on them.
enum ExitCode { kExitOk = 0, kExitFileError = 1, kExitUsage = 2 };

// Writes one line to standard error; every message is one line, even one
// that quotes a value holding line breaks.
void Err(QString line);

// Parses a mode's options. On a usage error or --help it says so and gives the
// exit code; otherwise nothing, and the mode goes on.
std::optional<int> ParseOrHelp(QCommandLineParser &parser, const QStringList &arguments);

// `quorlin generate [options]`: drives the wizard model from the command line
// and prints or writes the script. `arguments` includes the program name.
int RunGenerate(const QStringList &arguments);

// `quorlin check [--dialect D] FILE...`: prints each problem of each script
// and a count; exit 0 when no script has an error, 1 when one has, 2 for a
// usage error or a file that cannot be read.
int RunCheck(const QStringList &arguments);

// Prints problems as FILE:LINE:COLUMN: error|warning: message [id]; returns
// the errors and adds the warnings to `warnings`.
int PrintProblems(FILE *to, const QString &file, const QVector<lang::Problem> &problems, int *warnings);

// The problems of a script's text and their count, on standard error.
void PrintCheckOfScript(const QString &file, const QString &text);

// `quorlin [FILE.qlx]`: reads the window's command line before any window
// exists, so that help and usage errors need no display. Returns the exit
// code when the program ends here, or nothing when the window is to open.
std::optional<int> ReadWindowArguments(const QStringList &arguments, WindowOptions *options);

// Loads the window's module from `module` and runs the window there; when the
// module cannot be loaded, says so on standard error and returns kExitFileError.
int OpenWindow(const QString &module, int argc, char *argv[], const WindowOptions &options);

// The function `symbol` of the window's module; nullptr, said on standard
// error as what could not be done (`purpose`), when the module cannot be loaded.
QFunctionPointer ModuleEntry(const QString &module, const char *symbol, const QString &purpose);

// `quorlin preview [FILE.rms | --draft FILE.qlx] [--size …] [--players N]
// [--seed N] [--square] --output MAP.png`: reads the command line and the
// script. Returns the exit code when the program ends here, or nothing when
// the module is to draw `request`.
std::optional<int> ReadPreviewArguments(const QStringList &arguments, PreviewRequest *request);

} // namespace quorlin
