#pragma once
// 画多边形: each press of the left button adds a vertex and draws the edge from the one
// before; the release of the right button closes the polygon and paints it, outline in the
// fore colour and inside in the fill colour when the fill style is solid. The list holds 51
// vertices: the 51st closes the polygon as a right release would.

#include "drawing/DrawingTool.h"

#include <QPoint>
#include <array>

class PolygonTool : public DrawingTool {
public:
    static constexpr int MaxVertices = 51;

    explicit PolygonTool(Frmboard& canvas);
    void press(Qt::MouseButton button, QPointF at) override;
    void release(Qt::MouseButton button, QPointF at) override;

    int PolygonCount() const { return count_; }
    QPoint PolygonPoints(int i) const { return points_.at(std::size_t(i)); }
    void startAfresh() { count_ = 0; }

protected:
    void chosen() override { startAfresh(); }

private:
    void close();

    std::array<QPoint, MaxVertices> points_{};
    int count_ = 0;
};
