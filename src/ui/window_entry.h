#pragma once

// What the executable and the window's module share. The window lives in a
// module of its own, loaded only when the window opens, so that the command
// line (`quorlin generate`, help, usage errors) runs with Qt Core alone and
// needs no display libraries. This header holds no Qt Widgets or Gui.

#include <QElapsedTimer>
#include <QString>

namespace quorlin {

// What the command line asks of the window, read before the window exists.
struct WindowOptions {
    QString draft;       // opened once the window is up, when not empty
    QString screenshots; // when not empty: draw the pages into this folder instead
    bool quitAfterShow = false;
    // Started as the program loaded; start-up timing counts from here, so it
    // covers loading the module too.
    QElapsedTimer processClock;
};

} // namespace quorlin

// The module's one exported function, under a C name so the executable finds
// it by that name: opens the window and runs it, creating the application
// there, and returns the program's exit code.
extern "C" {
using QuorlinRunWindow = int (*)(int argc, char *argv[], const quorlin::WindowOptions *options);
}
#define QUORLIN_RUN_WINDOW_SYMBOL "quorlin_run_window"
