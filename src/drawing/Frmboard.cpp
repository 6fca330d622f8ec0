#include "drawing/Frmboard.h"

#include "drawing/DragTools.h"
#include "drawing/FlowTools.h"
#include "drawing/FrmColor.h"
#include "drawing/FrmDrawplat.h"
#include "drawing/MDIFrmHuatu.h"
#include "drawing/PolygonTool.h"

namespace {

constexpr QSize RoundedCorners(30, 30);

} // namespace

Frmboard::Frmboard(MDIFrmHuatu& board)
    : Panel(board, QStringLiteral("Frmboard"), QSizeF(11505, 9285))
{
    lindex = board.makeIn<Label>(this, QStringLiteral("lindex"), QStringLiteral("1"));
    lindex->Move(240, 240, 375, 255);

    Picture1 = board.makeIn<CanvasView>(this, QStringLiteral("Picture1"));
    Picture1->Move(120, 120, 11265, 9015);
    connect(Picture1, &CanvasView::PixelMouseDown, this, &Frmboard::Picture1_MouseDown);
    connect(Picture1, &CanvasView::PixelMouseMove, this, &Frmboard::Picture1_MouseMove);
    connect(Picture1, &CanvasView::PixelMouseUp, this, &Frmboard::Picture1_MouseUp);

    // The marks lie on the canvas, in its pixels, and are never part of the drawing.
    Shape1 = board.makeIn<Shape>(Picture1, QStringLiteral("Shape1"), Shape::Kind::Rectangle);
    Shape1->setNoFill();
    Shape1->hide();
    Shape2 = board.makeIn<Shape>(Picture1, QStringLiteral("Shape2"), Shape::Kind::Rectangle);
    Shape2->setBorderStyle(Qt::DotLine);
    Shape2->setNoFill();
    Shape2->hide();
    const auto line = [&](const QString& name, Qt::PenStyle style) {
        auto* made = board.makeIn<Line>(Picture1, name);
        made->setLineStyle(style);
        made->hide();
        return made;
    };
    Line1 = line(QStringLiteral("Line1"), Qt::SolidLine);
    Line2 = line(QStringLiteral("Line2"), Qt::DotLine);
    Line3 = line(QStringLiteral("Line3"), Qt::DotLine);
    Line4 = line(QStringLiteral("Line4"), Qt::DotLine);
    Line5 = line(QStringLiteral("Line5"), Qt::DotLine);
    Line6 = line(QStringLiteral("Line6"), Qt::SolidLine);

    Timer1 = board.makeTimer(QStringLiteral("Timer1"));
    Timer1->setInterval(1);
    Timer1->setEnabled(false);
    connect(Timer1, &Timer::Tick, this, [this] {
        if (DrawingTool* spray = tool(ToolNumber::Spray)) spray->tick();
    });

    tools_[ToolNumber::Pencil] = std::make_unique<Pencil>(*this);
    tools_[ToolNumber::Line] = std::make_unique<LineTool>(*this);
    tools_[ToolNumber::Rectangle] =
        std::make_unique<RectangularTool>(*this, Shape::Kind::Rectangle, QSize());
    tools_[ToolNumber::Fill] = std::make_unique<FillTool>(*this);
    tools_[ToolNumber::Select] = std::make_unique<SelectTool>(*this);
    tools_[ToolNumber::Eraser] = std::make_unique<Eraser>(*this);
    tools_[ToolNumber::PickColour] = std::make_unique<PickColourTool>(*this);
    tools_[ToolNumber::Brush] = std::make_unique<Brush>(*this);
    tools_[ToolNumber::Spray] = std::make_unique<Spray>(*this);
    tools_[ToolNumber::Polygon] = std::make_unique<PolygonTool>(*this);
    tools_[ToolNumber::RoundedRectangle] =
        std::make_unique<RectangularTool>(*this, Shape::Kind::RoundedRectangle, RoundedCorners);
    // 任意形状选取 does nothing on the canvas.
    tools_[ToolNumber::FreeFormSelect] =
        std::make_unique<DrawingTool>(*this, false, DrawingTool::Footprint::Keep);
}

Frmboard::~Frmboard() = default;

MdlHuatu& Frmboard::state() const
{
    return board().state;
}

void Frmboard::Form_Load()
{
    state().SprayFactor = 1;
    polygon().startAfresh();
    Move(board().toolBox->Width(), 0);
    Picture1->newDocument();
    // Until an eraser size is chosen, the smallest.
    setFootprintSize(board().toolBox->eraserSize(0));
}

int Frmboard::optionIndex() const
{
    return lindex->Caption().toInt();
}

void Frmboard::setOptionIndex(int index)
{
    lindex->setCaption(QString::number(index));
}

DrawingTool* Frmboard::tool(ToolNumber number) const
{
    const auto it = tools_.find(number);
    return it == tools_.end() ? nullptr : it->second.get();
}

PolygonTool& Frmboard::polygon() const
{
    return static_cast<PolygonTool&>(*tool(ToolNumber::Polygon));
}

void Frmboard::toolChosen()
{
    if (DrawingTool* chosen = toolInHand()) chosen->choose();
}

QColor Frmboard::colourOf(Qt::MouseButton button) const
{
    return button == Qt::LeftButton ? state().PrimaryColour : state().SecondaryColour;
}

double Frmboard::units(double pixels) const
{
    return pixels * unitsPerPixel(board().unit());
}

void Frmboard::placeFootprint(QPointF topLeft)
{
    Shape1->Move(units(topLeft.x()), units(topLeft.y()));
}

QRectF Frmboard::footprint() const
{
    const double k = 1 / units(1);
    return QRectF(Shape1->Left() * k, Shape1->Top() * k, Shape1->Width() * k, Shape1->Height() * k);
}

void Frmboard::setFootprintSize(QSizeF pixels)
{
    Shape1->Move(Shape1->Left(), Shape1->Top(), units(pixels.width()), units(pixels.height()));
}

void Frmboard::placeBand(Control& band, QPointF corner, QPointF opposite)
{
    const QRectF r = QRectF(corner, opposite).normalized();
    band.Move(units(r.left()), units(r.top()), units(r.width()), units(r.height()));
}

void Frmboard::placeLine(Line& line, QPointF from, QPointF to)
{
    line.setEnds(units(from.x()), units(from.y()), units(to.x()), units(to.y()));
}

void Frmboard::outlineMarquee(QPointF corner, QPointF opposite)
{
    const QPointF a = corner;
    const QPointF c = opposite;
    placeLine(*Line2, a, QPointF(c.x(), a.y()));
    placeLine(*Line3, QPointF(c.x(), a.y()), c);
    placeLine(*Line4, c, QPointF(a.x(), c.y()));
    placeLine(*Line5, QPointF(a.x(), c.y()), a);
}

void Frmboard::showMarquee(bool shown)
{
    for (Line* side : {Line2, Line3, Line4, Line5})
        side->setVisible(shown);
}

bool Frmboard::marqueeShown() const
{
    return Line2->Visible();
}

void Frmboard::Picture1_MouseDown(Qt::MouseButton button, QPointF at)
{
    board().colourPanel->readSwatches();
    StartX = at.x();
    StartY = at.y();
    const bool left = button == Qt::LeftButton;
    Shape2->setBorderColor(left ? state().PrimaryColour : state().SecondaryColour);
    Shape2->setFillColor(left ? state().SecondaryColour : state().PrimaryColour);
    DrawingTool* inHand = toolInHand();
    if (!inHand) return;
    if (inHand->dotsAtPress()) Picture1->PSet(at, state().SecondaryColour);
    inHand->press(button, at);
}

void Frmboard::Picture1_MouseMove(Qt::MouseButtons buttons, QPointF at)
{
    if (DrawingTool* inHand = toolInHand()) inHand->move(buttons, at);
}

void Frmboard::Picture1_MouseUp(Qt::MouseButton button, QPointF at)
{
    if (DrawingTool* inHand = toolInHand()) inHand->release(button, at);
    // A stroke ends with its button: one step back for Ctrl+Z.
    Picture1->document().commitStep();
}
