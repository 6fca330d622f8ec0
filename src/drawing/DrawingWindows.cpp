#include "drawing/DrawingWindows.h"

#include "shell/core/WindowRegistry.h"

void registerDrawingWindows(WindowRegistry& windows)
{
    // The drawing board and its panels.

    (void)windows;
}
