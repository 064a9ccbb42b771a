#pragma once

#include <QString>

namespace quorlin {

// Renders each page of the window, with an item in every list and every frame
// of page 4 shown, and the unit picker, to PNG files in `dir`. Returns the
// program's exit code.
int TakeScreenshots(const QString &dir);

} // namespace quorlin
