// Drawing a script's preview into a PNG file, for `quorlin preview`.
#pragma once

#include "ui/window_entry.h"

namespace quorlin {

// Creates the application for drawing (off screen: no display is needed),
// writes the picture whole or not at all, and prints the warnings and what
// was not simulated to standard error. Returns 0, or 1 when the file could
// not be written.
int RunPreviewCommand(int argc, char *argv[], const PreviewRequest &request);

} // namespace quorlin
