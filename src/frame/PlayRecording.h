#pragma once
// What an activity window tells the record of play: its opening and closing and every
// answer judged, with the area and lesson the child is in.

#include "shell/record/PlayEvent.h"

class ActivityForm;

// Adds the event to the program's record, if it keeps one; returns at once.
void RecordPlay(ActivityForm& form, PlayEvent::Kind kind);
