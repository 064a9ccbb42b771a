#pragma once

#include "ui/window_entry.h"

#include <QStringList>

#include <optional>

namespace quorlin {

// Exit codes of the command line; scripts rely on them.
enum ExitCode { kExitOk = 0, kExitFileError = 1, kExitUsage = 2 };

// `quorlin generate [options]`: drives the wizard model from the command line
// and prints or writes the script. `arguments` includes the program name.
int RunGenerate(const QStringList &arguments);

// `quorlin [FILE.qlx]`: reads the window's command line before any window
// exists, so that help and usage errors need no display. Returns the exit
// code when the program ends here, or nothing when the window is to open.
std::optional<int> ReadWindowArguments(const QStringList &arguments, WindowOptions *options);

// Loads the window's module from `module` and runs the window there; when the
// module cannot be loaded, says so on standard error and returns kExitFileError.
int OpenWindow(const QString &module, int argc, char *argv[], const WindowOptions &options);

} // namespace quorlin
