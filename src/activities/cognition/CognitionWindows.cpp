#include "activities/cognition/CognitionWindows.h"

#include "shell/core/WindowRegistry.h"

void registerCognitionWindows(WindowRegistry& windows)
{
    // Finding the same, classification, colours, sequences and picture arrangement.

    // Jigsaw, missing piece and the colouring game.

    (void)windows;
}
