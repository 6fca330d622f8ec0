#include "activities/memory/MemoryWindows.h"

#include "shell/core/WindowRegistry.h"

void registerMemoryWindows(WindowRegistry& windows)
{
    // Memory games.

    // The hand-eye maze.

    (void)windows;
}
