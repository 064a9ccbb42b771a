#pragma once

// What the executable and its modules share. The window lives in a module
// of its own, loaded only when the window opens, and `quorlin preview` draws
// with another that holds no widgets, so that the command line (`quorlin
// generate`, help, usage errors) runs with Qt Core alone and needs no display
// libraries. This header holds no Qt Widgets or Gui.

#include <QElapsedTimer>
#include <QString>
#include <QVector>

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

// What `quorlin preview` asks of the module, which draws the picture: read
// and checked before any application with a display exists.
struct PreviewRequest {
    QString script;    // the script's text
    int sizeIndex = 2; // into the preview's map sizes
    int players = 2;
    QVector<int> teams; // each player's team, 0 for none; empty: no teams
    quint64 seed = 1;
    QVector<quint64> seeds; // when not empty: a contact sheet of these seeds instead
    bool square = false;
    QString output; // the PNG to write
};

} // namespace quorlin

// The modules' entry points, under C names so the executable finds them by
// those names. Each creates its application there and returns the program's
// exit code: the window's module opens the window and runs it, the drawing
// module draws a script's preview into a file.
extern "C" {
using QuorlinRunWindow = int (*)(int argc, char *argv[], const quorlin::WindowOptions *options);
using QuorlinRunPreview = int (*)(int argc, char *argv[], const quorlin::PreviewRequest *request);
}
#define QUORLIN_RUN_WINDOW_SYMBOL "quorlin_run_window"
#define QUORLIN_RUN_PREVIEW_SYMBOL "quorlin_run_preview"
