#include "activities/language/LanguageWindows.h"

#include "shell/core/WindowRegistry.h"

void registerLanguageWindows(WindowRegistry& windows)
{
    // Recognition, pairing, word building, picture talk and sentence ordering.

    // Writing practice, the stroke recorder and the replay.

    // Picture learning, the point-picture game and the shooting game.

    (void)windows;
}
