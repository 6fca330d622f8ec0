#pragma once
// One thing that happened in play: an activity window opened or closed, an answer judged
// right or wrong, with when and where in the courses it happened.

#include <QString>
#include <QtGlobal>

struct PlayEvent {
    enum class Kind { Opened, Closed, Right, Wrong };

    Kind kind = Kind::Opened;
    qint64 at = 0;  // milliseconds since the epoch
    QString area;   // the course area chosen on the main menu ("数学"), may be empty
    QString lesson; // the lesson of a lesson area, else empty
    QString window; // the window's name (FrmXunxushsh)
    QString title;  // what the child clicked to open it ("10以内数数(四)")

    bool operator==(const PlayEvent&) const = default;
};
