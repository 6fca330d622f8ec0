#pragma once
// The photos of the current lesson, prepared for an activity before it opens.

#include "shell/core/AppContext.h"

class TextBox;

// Reads the items of CurrentLesson (through Txtini) and puts their photos, decoded on all
// cores and no larger than the stage, into ItemPictures(1..n); a missing photo half is reported
// once per half and leaves an empty picture. Returns n.
int LoadLessonPictures(AppContext& app, TextBox& Txtini);
