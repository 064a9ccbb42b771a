#pragma once

#include <QStringList>

namespace quorlin {

// Exit codes of the command line; scripts rely on them.
enum ExitCode { kExitOk = 0, kExitFileError = 1, kExitUsage = 2 };

// `quorlin generate [options]`: drives the wizard model from the command line
// and prints or writes the script. `arguments` includes the program name.
int RunGenerate(const QStringList &arguments);

} // namespace quorlin
