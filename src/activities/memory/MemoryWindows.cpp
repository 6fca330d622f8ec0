#include "activities/memory/MemoryWindows.h"

#include "activities/memory/FrmMemory.h"
#include "activities/memory/FrmMemory2.h"
#include "activities/memory/FrmShouYanxt.h"
#include "shell/core/WindowRegistry.h"

void registerMemoryWindows(WindowRegistry& windows)
{
    // Memory games.
    windows.add({
        windowOf<FrmMemory>(QStringLiteral("FrmMemory")),
        windowOf<FrmMemory2>(QStringLiteral("FrmMemory2")),
    });

    // The hand-eye maze.
    windows.add(windowOf<FrmShouYanxt>(QStringLiteral("FrmShouYanxt")));
}
