#include "drawing/DrawingWindows.h"

#include "drawing/MDIFrmHuatu.h"
#include "shell/core/WindowRegistry.h"

void registerDrawingWindows(WindowRegistry& windows)
{
    // The drawing board and its panels.
    windows.add(windowOf<MDIFrmHuatu>(QStringLiteral("MDIFrmHuatu")));
}
