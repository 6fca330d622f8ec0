// The drawing board as a window: its four panels placed on any screen, a fresh start at every
// opening, the colour cells and swatches, clearing, closing, and Ctrl+Z / Ctrl+Y.

#include "BoardFixture.h"
#include "shell/core/Launcher.h"

#include <gtest/gtest.h>

namespace {

struct ScreenCase {
    const char* name;
    QSize screen;
    double scale;
};

void PrintTo(const ScreenCase& c, std::ostream* out)
{
    *out << c.name;
}

class BoardOnScreen : public testing::TestWithParam<ScreenCase> {};

TEST_P(BoardOnScreen, PlacesItsPanelsAroundTheCanvasWithoutOverlap)
{
    const ScreenCase c = GetParam();
    BoardFixture b(c.screen);
    ASSERT_NE(b.board, nullptr);
    const QSize area = b.fx.stage.screenSize();
    EXPECT_EQ(b.board->geometry(), QRect(QPoint(0, 0), area)) << "the board fills the screen";

    const QRect tools = b.board->toolBox->geometry();
    const QRect canvas = b.board->canvas->geometry();
    const QRect colours = b.board->colourPanel->geometry();
    const QRect buttons = b.board->buttonPanel->geometry();
    EXPECT_EQ(tools.topLeft(), QPoint(0, 0));
    EXPECT_NEAR(tools.width(), 148 * c.scale, 1);
    EXPECT_EQ(canvas.topLeft(), QPoint(tools.width(), 0));
    EXPECT_EQ(colours.left(), tools.width());
    EXPECT_NEAR(colours.top(), area.height() - 1.14 * colours.height(), 1);
    EXPECT_EQ(buttons.top(), 0);
    EXPECT_NEAR(buttons.left() + buttons.width(), area.width(), 1);

    const QRect picture(b.picture().mapTo(b.board, QPoint(0, 0)), b.picture().size());
    EXPECT_NEAR(picture.width(), 751 * c.scale, 1);
    EXPECT_NEAR(picture.height(), 601 * c.scale, 1);
    EXPECT_LE(picture.right(), buttons.left()) << "the canvas is clear of the buttons";
    EXPECT_LE(picture.bottom(), colours.top()) << "and of the colour cells";
    EXPECT_EQ(b.drawing().size(), b.picture().size()) << "a drawing of the canvas's pixels";
    EXPECT_EQ(b.inkCount(), 0) << "white";
}

INSTANTIATE_TEST_SUITE_P(Screens, BoardOnScreen,
                         testing::Values(ScreenCase{"Design1024x768", {1024, 768}, 1.0},
                                         ScreenCase{"Screen1280x1024", {1280, 1024}, 1.25},
                                         ScreenCase{"Wide1366x768", {1366, 768}, 1.0}));

TEST(Board, OpensFromBothTitleTablesWithThePencilBlackAndWhite)
{
    for (TitleTable table : {TitleTable::Catalogue, TitleTable::Chooser}) {
        const auto titles = titlesOf(table);
        EXPECT_TRUE(std::any_of(titles.begin(), titles.end(), [](const TitleEntry& e) {
            return e.title == QStringLiteral("画图板") && e.window == QStringLiteral("MDIFrmHuatu");
        }));
    }
    BoardFixture b;
    EXPECT_EQ(b.board->Caption(), QStringLiteral("画图1.00版"));
    EXPECT_EQ(b.board->state.Tool, ToolNumber::Pencil);
    EXPECT_EQ(b.board->state.PrimaryColour, QColor(Black));
    EXPECT_EQ(b.board->state.SecondaryColour, QColor(White));
    EXPECT_EQ(b.board->state.SprayFactor, 1.0);
    EXPECT_EQ(b.colours().Picture11->BackColor(), QColor(Black));
    EXPECT_EQ(b.colours().Picture10->BackColor(), QColor(White));
    EXPECT_EQ(b.colours().Picture9->BackColor(), QColor(192, 192, 255));
    EXPECT_EQ(b.canvas().optionIndex(), 1);
    EXPECT_EQ(b.picture().FillStyle(), ShapeFill::Transparent);
    EXPECT_EQ(b.picture().DrawWidth(), 1);
    for (const ControlArray<Label>* marks :
         {&b.toolBox().Label4, &b.toolBox().Label1, &b.toolBox().Label2, &b.toolBox().Label6})
        marks->forEach([](int i, const Label& l) { EXPECT_FALSE(l.border()) << i; });
    for (Frame* panel : {b.toolBox().Frame1, b.toolBox().Frame2, b.toolBox().Frame4,
                         b.toolBox().Frame5, b.toolBox().Frame6})
        EXPECT_FALSE(panel->Visible()) << qPrintable(panel->name());
    EXPECT_FALSE(b.toolBox().Label4[Hotspot::Magnifier].isEnabled());
    EXPECT_FALSE(b.toolBox().Label4[Hotspot::Text].isEnabled());
    EXPECT_FALSE(b.toolBox().Label4.exists(11));
    EXPECT_EQ(b.toolBox().Label4[Hotspot::Curve].toolTip(), QStringLiteral("画曲线"));
    EXPECT_EQ(b.board->buttonPanel->Command1[0].Caption(), QStringLiteral("清   除"));
    EXPECT_EQ(b.board->buttonPanel->Command1[1].Caption(), QStringLiteral("保   存"));
    EXPECT_EQ(b.board->buttonPanel->Command1[2].Caption(), QStringLiteral("退   出"));
    EXPECT_EQ(b.fx.services.spoken, QStringList{Instruction});
}

TEST(Board, EveryOpeningStartsAfreshWhateverTheLastOneLeft)
{
    BoardFixture b;
    b.useColours(RedCell, BlueCell);
    b.chooseTool(Hotspot::Rectangle);
    b.drag({{100, 100}, {200, 150}});
    ASSERT_GT(b.inkCount(), 0);
    b.clickButton(2);
    StageFixture::settle();
    EXPECT_EQ(b.fx.windows.find(QStringLiteral("MDIFrmHuatu")), nullptr);

    b.board = b.fx.windows.open<MDIFrmHuatu>(QStringLiteral("MDIFrmHuatu"));
    ASSERT_NE(b.board, nullptr);
    EXPECT_EQ(b.inkCount(), 0);
    EXPECT_EQ(b.colours().Picture11->BackColor(), QColor(Black));
    EXPECT_EQ(b.colours().Picture10->BackColor(), QColor(White));
    EXPECT_EQ(b.board->state.Tool, ToolNumber::Pencil);
    EXPECT_FALSE(b.picture().document().undo()) << "no history from the last opening";
}

TEST(Board, ExitClosesTheBoardAndTheWindowBeneathIsInFrontAgain)
{
    BoardFixture b;
    Form beneath(b.fx.stage, QStringLiteral("FrmMulu"), ScaleUnit::Twips);
    b.fx.stage.unloadAll();
    StageFixture::settle();
    b.fx.stage.showForm(&beneath);
    b.board = b.fx.windows.open<MDIFrmHuatu>(QStringLiteral("MDIFrmHuatu"));
    ASSERT_EQ(b.fx.stage.top(), b.board);
    b.clickButton(2);
    EXPECT_EQ(b.fx.stage.top(), &beneath);
    b.fx.stage.unload(&beneath);
}

TEST(ColourPanel, LeftAndRightPressesSetTheSwatchesThatTheButtonsDrawWith)
{
    BoardFixture b;
    b.pressCell(RedCell, Qt::LeftButton);
    b.pressCell(BlueCell, Qt::RightButton);
    EXPECT_EQ(b.colours().Picture11->BackColor(), QColor(Red));
    EXPECT_EQ(b.colours().Picture10->BackColor(), QColor(Blue));
    EXPECT_EQ(b.board->state.PrimaryColour, QColor(Red));
    EXPECT_EQ(b.board->state.SecondaryColour, QColor(Blue));

    b.drag({{50, 50}, {60, 50}, {100, 50}}, Qt::LeftButton);
    b.drag({{50, 80}, {60, 80}, {100, 80}}, Qt::RightButton);
    EXPECT_EQ(b.pixel(80, 50), Red);
    EXPECT_EQ(b.pixel(80, 80), Blue);

    b.pressCell(GreenCell, Qt::MiddleButton);
    EXPECT_EQ(b.colours().Picture11->BackColor(), QColor(Red)) << "the middle button sets nothing";
    EXPECT_EQ(b.colours().Picture10->BackColor(), QColor(Blue));
}

TEST(ColourPanel, CellsFollowTheDesignsOrder)
{
    BoardFixture b;
    struct Cell {
        int index;
        int column, row;
        QRgb colour;
    };
    // The indices of the first row's third and fourth columns are swapped in the design.
    for (const Cell& c :
         {Cell{0, 0, 0, Black}, Cell{3, 2, 0, qRgb(128, 0, 0)}, Cell{2, 3, 0, qRgb(128, 128, 0)},
          Cell{14, 0, 1, White}, Cell{27, 13, 1, qRgb(255, 192, 128)}}) {
        const PictureBox& cell = b.colours().Picture0[c.index];
        EXPECT_DOUBLE_EQ(cell.Left(), 120 + 720 * c.column) << c.index;
        EXPECT_DOUBLE_EQ(cell.Top(), c.row ? 960 : 240) << c.index;
        EXPECT_EQ(cell.BackColor(), QColor(c.colour)) << c.index;
    }
}

TEST(Buttons, ClearWhitensTheCanvasKeepsToolAndColoursAndCanBeTakenBack)
{
    BoardFixture b;
    b.useColours(RedCell, BlueCell);
    b.chooseTool(Hotspot::Brush);
    b.drag({{100, 100}, {120, 110}, {140, 120}});
    const QImage drawn = b.drawing().copy();
    ASSERT_GT(b.inkCount(), 0);

    b.clickButton(0);
    EXPECT_EQ(b.inkCount(), 0);
    EXPECT_EQ(b.board->state.Tool, ToolNumber::Brush);
    EXPECT_EQ(b.colours().Picture11->BackColor(), QColor(Red));
    EXPECT_EQ(b.colours().Picture10->BackColor(), QColor(Blue));

    b.keyPress(Qt::Key_Z);
    EXPECT_EQ(b.drawing(), drawn) << "Ctrl+Z brings the drawing back";
}

TEST(History, CtrlZUndoesTheLastStrokeAndCtrlYRedoesIt)
{
    BoardFixture b;
    b.pressCell(RedCell);
    b.drag({{20, 20}, {40, 20}, {60, 20}});
    const QImage first = b.drawing().copy();
    b.drag({{20, 60}, {40, 60}, {60, 60}});
    const QImage second = b.drawing().copy();
    ASSERT_NE(first, second);

    b.keyPress(Qt::Key_Z);
    EXPECT_EQ(b.drawing(), first);
    b.keyPress(Qt::Key_Z);
    EXPECT_EQ(b.inkCount(), 0);
    b.keyPress(Qt::Key_Z);
    EXPECT_EQ(b.inkCount(), 0) << "nothing more to take back";
    b.keyPress(Qt::Key_Y);
    EXPECT_EQ(b.drawing(), first);
    b.keyPress(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(b.drawing(), second) << "Ctrl+Shift+Z redoes too";

    b.keyPress(Qt::Key_Z);
    b.drag({{20, 100}, {60, 100}});
    b.keyPress(Qt::Key_Y);
    EXPECT_EQ(b.pixel(40, 60), White) << "a new stroke drops what was taken back";
    EXPECT_EQ(b.pixel(40, 100), Red);
}

TEST(History, AStrokeThatChangesNoPixelIsNoStep)
{
    BoardFixture b;
    b.click({30, 30}); // a white dot on white
    EXPECT_EQ(b.picture().document().undoSteps(), 0);
    b.chooseTool(Hotspot::Fill);
    b.click({30, 30}); // the white canvas turns black
    EXPECT_EQ(b.picture().document().undoSteps(), 1);
    b.click({30, 30}); // black on black
    EXPECT_EQ(b.picture().document().undoSteps(), 1) << "filling with the colour already there";
}

} // namespace
