#pragma once
// The lesson pictures the memory windows play with: the chooser has loaded them into
// ItemPictures; the window reads the lesson's item list again to know how many there are.

#include <QString>

class ActivityForm;

// How many pictures the current lesson has (at most as many as ItemPictures holds).
int ReadLessonPictureCount(ActivityForm& form);

// A lesson with fewer pictures than the game needs: a message, and the window closes (the
// chooser is in front again). False then; true when there are enough.
bool EnoughLessonPictures(ActivityForm& form, int count, int needed);
