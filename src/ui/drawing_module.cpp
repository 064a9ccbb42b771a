// The entry point of the drawing module, which `quorlin preview` loads: the
// preview and Qt Gui alone, without the window's widgets, so that drawing a
// picture from the command line loads as little as it can.
#include "ui/preview_command.h"
#include "ui/window_entry.h"

extern "C" Q_DECL_EXPORT int quorlin_run_preview(int argc, char *argv[], const quorlin::PreviewRequest *request)
{
    return quorlin::RunPreviewCommand(argc, argv, *request);
}
