#include "BoardFixture.h"

#include "drawing/DrawingWindows.h"

BoardFixture::BoardFixture(QSize screen)
    : fx(data.root(), screen)
{
    data.addCourse(QStringLiteral("提示"), QStringLiteral("[提示]\nMDIFrmHuatu=") + Instruction);
    registerDrawingWindows(fx.windows);
    board = fx.windows.open<MDIFrmHuatu>(QStringLiteral("MDIFrmHuatu"));
}

void BoardFixture::chooseTool(int hotspot)
{
    fx.click(&toolBox().Label4[hotspot]);
}

void BoardFixture::clickOption(ControlArray<Label>& options, int i)
{
    fx.click(&options[i]);
}

void BoardFixture::pressCell(int cell, Qt::MouseButton button)
{
    QWidget* swatch = &colours().Picture0[cell];
    const QPoint p = fx.onStage(swatch, swatch->rect().center());
    QTest::mouseMove(screen(), p);
    QTest::mousePress(screen(), button, {}, p);
    QTest::mouseRelease(screen(), button, {}, p);
}

void BoardFixture::useColours(int primaryCell, int secondaryCell)
{
    pressCell(primaryCell, Qt::LeftButton);
    pressCell(secondaryCell, Qt::RightButton);
}

void BoardFixture::clickButton(int index)
{
    fx.click(&board->buttonPanel->Command1[index]);
}

QPoint BoardFixture::onStage(QPoint canvasPixel)
{
    return fx.onStage(&picture(), canvasPixel);
}

void BoardFixture::press(QPoint at, Qt::MouseButton button)
{
    QTest::mouseMove(screen(), onStage(at));
    QTest::mousePress(screen(), button, {}, onStage(at));
}

void BoardFixture::moveTo(QPoint at)
{
    QTest::mouseMove(screen(), onStage(at));
}

void BoardFixture::release(QPoint at, Qt::MouseButton button)
{
    QTest::mouseRelease(screen(), button, {}, onStage(at));
}

void BoardFixture::click(QPoint at, Qt::MouseButton button)
{
    press(at, button);
    release(at, button);
}

void BoardFixture::drag(const std::vector<QPoint>& path, Qt::MouseButton button)
{
    press(path.front(), button);
    for (std::size_t i = 1; i < path.size(); ++i)
        moveTo(path[i]);
    release(path.back(), button);
}

void BoardFixture::keyPress(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(board, key, modifiers);
}

int BoardFixture::inkCount() const
{
    int count = 0;
    const QImage& image = drawing();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) != White;
    return count;
}

QRect BoardFixture::ink() const
{
    QRect found;
    const QImage& image = drawing();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != White) found |= QRect(x, y, 1, 1);
    return found;
}
