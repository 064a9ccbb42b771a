// The entry point of the window's module (see ui/window_entry.h).
#include "ui/run_window.h"
#include "ui/window_entry.h"

extern "C" Q_DECL_EXPORT int quorlin_run_window(int argc, char *argv[], const quorlin::WindowOptions *options)
{
    return quorlin::RunWindow(argc, argv, *options);
}
