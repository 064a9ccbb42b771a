#pragma once

#include <QString>

class QTranslator;

namespace quorlin {

// What the command line asks of the window, read before the window exists.
struct WindowOptions {
    QString draft;       // opened once the window is up, when not empty
    QString screenshots; // when not empty: draw the pages into this folder instead
    bool quitAfterShow = false;
};

// Opens the wizard window (with a draft when one is named) and runs it.
int RunWindow(int argc, char *argv[], const WindowOptions &options);

// Makes Qt's own texts (the buttons of message boxes, the file dialogs, the
// edit menus) Chinese like the rest of the window. Returns the translator,
// owned by the application, or nullptr when Qt's Chinese translations are not
// installed, in which case those texts stay English.
QTranslator *InstallQtTranslations();

} // namespace quorlin
