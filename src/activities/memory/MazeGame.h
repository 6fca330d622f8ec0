#pragma once
// The hand-eye game without pixels: the child presses in one red area and draws a line to
// the other without touching black and without straying beyond the walls. The game says
// what each press, move and release means; the window draws it and plays the sounds.

#include "activities/memory/MazeScan.h"

#include <QImage>
#include <QPoint>
#include <optional>
#include <vector>

class MazeGame {
public:
    MazeGame() = default;
    explicit MazeGame(const QImage& picture);

    const MazeAreas& areas() const { return areas_; }
    bool playable() const { return areas_.playable(); }

    struct Step {
        enum class Kind {
            Nothing, // no line is being drawn, or the press was not in a red area
            Started, // a line begins at `to`
            Drawn,   // the line goes on from `from` to `to`
            Touched, // the line touched black or left the walls at `to`: it is erased
            Solved,  // released in the other red area
            Missed,  // released anywhere else: the line is erased
        };
        Kind kind = Kind::Nothing;
        QPoint from, to;
    };

    Step press(QPoint p);
    Step move(QPoint p);
    Step release(QPoint p);

    bool drawing() const { return drawing_; }
    // The points of the line being drawn, from its start to the pen.
    const std::vector<QPoint>& line() const { return line_; }

private:
    bool isWall(QPoint p) const;
    // The first black pixel on the way from one point to the other, if any. The way is
    // followed pixel by pixel, so a quick hand cannot jump across a wall.
    std::optional<QPoint> firstWallOnWay(QPoint from, QPoint to) const;
    Step stop(Step::Kind kind, QPoint at);

    QImage picture_;
    MazeAreas areas_;
    bool startedInA_ = false;
    bool startedInB_ = false;
    bool drawing_ = false;
    std::vector<QPoint> line_;
};
