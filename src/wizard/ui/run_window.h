#pragma once

namespace quorlin {

// Opens the wizard window (with a draft when one is named) and runs it.
int RunWindow(int argc, char *argv[]);

} // namespace quorlin
