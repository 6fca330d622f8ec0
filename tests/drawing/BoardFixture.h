#pragma once
// The drawing board open on a stage, over a writable data folder, with the child's mouse on
// the canvas: presses, drags and releases of any button through the stage's window, at
// points given in pixels of the canvas.

#include "DataFixture.h"
#include "StageFixture.h"
#include "drawing/CanvasView.h"
#include "drawing/FrmButton.h"
#include "drawing/FrmColor.h"
#include "drawing/FrmDrawplat.h"
#include "drawing/Frmboard.h"
#include "drawing/MDIFrmHuatu.h"

#include <vector>

inline const QRgb White = qRgb(255, 255, 255);
inline const QRgb Black = qRgb(0, 0, 0);
inline const QRgb Red = qRgb(255, 0, 0);
inline const QRgb Blue = qRgb(0, 0, 255);
inline const QRgb Green = qRgb(0, 255, 0);
inline const QRgb Yellow = qRgb(255, 255, 0);

// The colour cells of those colours.
constexpr int RedCell = 17;
constexpr int BlueCell = 21;
constexpr int GreenCell = 18;
constexpr int YellowCell = 16;

// Hotspots of the tool box.
namespace Hotspot {
constexpr int Eraser = 0, Fill = 1, PickColour = 2, Magnifier = 3, Pencil = 4, Brush = 5, Spray = 6,
              Text = 7, Line = 8, Rectangle = 9, Select = 10, FreeFormSelect = 12, Polygon = 13,
              Curve = 14, RoundedRectangle = 15;
}

inline const QString Instruction = QStringLiteral("画画吧。");

struct BoardFixture {
    explicit BoardFixture(QSize screen = QSize(1024, 768));

    DataFixture data;
    StageFixture fx;
    MDIFrmHuatu* board;

    Frmboard& canvas() const { return *board->canvas; }
    CanvasView& picture() const { return *board->canvas->Picture1; }
    FrmDrawplat& toolBox() const { return *board->toolBox; }
    FrmColor& colours() const { return *board->colourPanel; }
    const QImage& drawing() const { return picture().image(); }
    QRgb pixel(int x, int y) const { return drawing().pixel(x, y); }
    QWindow* screen() { return fx.stage.windowHandle(); }

    void chooseTool(int hotspot);
    void clickOption(ControlArray<Label>& options, int i);
    void pressCell(int cell, Qt::MouseButton button = Qt::LeftButton);
    // The primary and secondary swatches, as the child sets them from the colour cells.
    void useColours(int primaryCell, int secondaryCell);
    void clickButton(int index); // 清除, 保存, 退出

    // Canvas pixels on the stage.
    QPoint onStage(QPoint canvasPixel);
    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton);
    void moveTo(QPoint at);
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton);
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton);
    // Presses at the first point, moves through the others and releases at the last.
    void drag(const std::vector<QPoint>& path, Qt::MouseButton button = Qt::LeftButton);
    void keyPress(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier);

    // Pixels of the drawing that are not white.
    int inkCount() const;
    // The smallest rectangle holding every pixel not white.
    QRect ink() const;
};
