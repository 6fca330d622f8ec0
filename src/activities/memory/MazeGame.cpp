#include "activities/memory/MazeGame.h"

#include <cstdlib>

MazeGame::MazeGame(const QImage& picture)
    : picture_(picture.convertToFormat(QImage::Format_RGB32))
    , areas_(ScanMaze(picture_))
{
}

MazeGame::Step MazeGame::press(QPoint p)
{
    line_.clear();
    startedInA_ = NearBox(areas_.zoneA, p);
    startedInB_ = NearBox(areas_.zoneB, p);
    drawing_ = startedInA_ || startedInB_;
    if (!drawing_) return {};
    line_.push_back(p);
    return {Step::Kind::Started, p, p};
}

MazeGame::Step MazeGame::move(QPoint p)
{
    if (!drawing_) return {};
    const QPoint from = line_.back();
    if (const std::optional<QPoint> wall = firstWallOnWay(from, p))
        return stop(Step::Kind::Touched, *wall);
    if (!NearBox(areas_.wallBox, p)) return stop(Step::Kind::Touched, p);
    line_.push_back(p);
    return {Step::Kind::Drawn, from, p};
}

MazeGame::Step MazeGame::release(QPoint p)
{
    if (!drawing_) return {};
    // One line earns one reward, even where the two areas lie close enough to share a spot.
    const bool solved =
        (startedInA_ && NearBox(areas_.zoneB, p)) || (startedInB_ && NearBox(areas_.zoneA, p));
    return stop(solved ? Step::Kind::Solved : Step::Kind::Missed, p);
}

MazeGame::Step MazeGame::stop(Step::Kind kind, QPoint at)
{
    const QPoint from = line_.empty() ? at : line_.back();
    drawing_ = false;
    line_.clear();
    return {kind, from, at};
}

bool MazeGame::isWall(QPoint p) const
{
    return picture_.valid(p) &&
           (reinterpret_cast<const QRgb*>(picture_.constScanLine(p.y()))[p.x()] & 0xFFFFFF) ==
               MazeBlack;
}

std::optional<QPoint> MazeGame::firstWallOnWay(QPoint from, QPoint to) const
{
    if (from == to) return isWall(to) ? std::optional(to) : std::nullopt;
    // Bresenham's walk; the start is where the line already stands.
    const int dx = std::abs(to.x() - from.x()), sx = from.x() < to.x() ? 1 : -1;
    const int dy = -std::abs(to.y() - from.y()), sy = from.y() < to.y() ? 1 : -1;
    int error = dx + dy;
    QPoint at = from;
    while (at != to) {
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            at.rx() += sx;
        }
        if (twice <= dx) {
            error += dx;
            at.ry() += sy;
        }
        if (isWall(at)) return at;
    }
    return std::nullopt;
}
