#pragma once
// The lesson pictures the jigsaw and the missing piece are played with.

class ActivityForm;

// How many pictures of the current lesson ItemPictures(1..n) holds, with ItemCount set to it.
// Opened from the chooser they are the photos it has just loaded; opened from a catalogue
// they are loaded afresh for the last lesson chosen, because ItemPictures may hold another
// window's pictures by then. Before any lesson was chosen there are none.
int PreparePuzzlePictures(ActivityForm& form);
