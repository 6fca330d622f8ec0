#pragma once
// The shell's shared services for every window: rescaling to the screen, random orders,
// sounds and speech.

#include "shell/core/AppContext.h"

class Form;

// Rescales a window designed for 1024 x 768 to the screen area of the stage, unless the
// area is the size of the design.
void ScaleForm(AppContext& app, Form& form);

// Permutations of 1..n into RandomOrder, RandomOrder2, RandomOrder3 (positions 1..n).
void MakeRandomOrder(AppContext& app, int n);
void MakeRandomOrder2(AppContext& app, int n);
void MakeRandomOrder3(AppContext& app, int n);

// Plays sheng/<name>.wav from the data folder.
void PlayWave(AppContext& app, const QString& name);
// Speaks a text in the background; silence on any failure.
void SpeakText(AppContext& app, const QString& text);
