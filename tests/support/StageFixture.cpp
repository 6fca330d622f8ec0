#include "StageFixture.h"

#include "ui/Form.h"

#include <QApplication>
#include <QCoreApplication>

StageFixture::StageFixture(const QString& dataRoot, QSize size)
    : app(services, dataRoot)
    , windows(app)
{
    app.stage = &stage;
    app.windows = &windows;
    windows.attach(stage);
    stage.resize(size);
    stage.show();
    if (!QTest::qWaitForWindowExposed(&stage))
        qWarning("StageFixture: the stage was never exposed");
}

StageFixture::~StageFixture()
{
    stage.unloadAll();
    settle();
}

QPoint StageFixture::onStage(QWidget* widget, QPoint local) const
{
    return widget->mapTo(const_cast<Stage*>(&stage), local);
}

void StageFixture::click(QWidget* widget)
{
    clickAt(widget, widget->rect().center());
}

void StageFixture::clickAt(QWidget* widget, QPoint local)
{
    const QPoint p = onStage(widget, local);
    QTest::mouseMove(stage.windowHandle(), p);
    QTest::mouseClick(stage.windowHandle(), Qt::LeftButton, {}, p);
}

void StageFixture::moveTo(QWidget* widget)
{
    moveToAt(widget, widget->rect().center());
}

void StageFixture::moveToAt(QWidget* widget, QPoint local)
{
    QTest::mouseMove(stage.windowHandle(), onStage(widget, local));
}

void StageFixture::press(QWidget* widget)
{
    const QPoint p = onStage(widget, widget->rect().center());
    QTest::mouseMove(stage.windowHandle(), p);
    QTest::mousePress(stage.windowHandle(), Qt::LeftButton, {}, p);
}

void StageFixture::release(QWidget* widget)
{
    QTest::mouseRelease(stage.windowHandle(), Qt::LeftButton, {},
                        onStage(widget, widget->rect().center()));
}

void StageFixture::keyUp(Qt::Key key)
{
    QWidget* target = stage.top() ? static_cast<QWidget*>(stage.top()) : &stage;
    QTest::keyRelease(target, key);
}

void StageFixture::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
