#pragma once
// --launch: opens a window straight from the command line, over the main menu, the way a
// child would reach it through the catalogue and the activity chooser.

#include "shell/core/AppContext.h"

struct LaunchRequest {
    QString target; // a window name (FrmXunxushsh) or a catalogue or step title (数数)
    QString area;   // CurrentArea first; the catalogue of that area opens underneath
    QString lesson; // CurrentLesson first; the chooser opens and the lesson's photos load
};

// Returns whether the target window opened.
bool LaunchFromCommandLine(AppContext& app, const LaunchRequest& request);
