#pragma once
// The record of play as the windows see it: events go in without waiting, figures come
// out. The program's record writes an SQLite file on a thread of its own; tests may use
// the same on a temporary file.

#include "shell/record/PlayEvent.h"
#include "shell/record/PlayFigures.h"

class PlayRecord {
public:
    virtual ~PlayRecord() = default;

    // Takes the event and returns at once; it is written soon after.
    virtual void add(const PlayEvent& event) = 0;
    // The figures of the local days from since on, every event added before included.
    virtual PlayFigures figures(const QDate& since) = 0;
    // Forgets everything recorded; false when the record could not be cleared.
    virtual bool clear() = 0;
};
