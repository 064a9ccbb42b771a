#pragma once

#include "ui/window_entry.h"

class QTranslator;

namespace quorlin {

// Opens the wizard window (with a draft when one is named) and runs it.
int RunWindow(int argc, char *argv[], const WindowOptions &options);

// Makes Qt's own texts (the buttons of message boxes, the file dialogs, the
// edit menus) Chinese like the rest of the window. Returns the translator,
// owned by the application, or nullptr when Qt's Chinese translations are not
// installed, in which case those texts stay English.
QTranslator *InstallQtTranslations();

} // namespace quorlin
