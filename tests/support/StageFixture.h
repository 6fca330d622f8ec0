#pragma once
// A stage of a given size with fake services, shared state and the window registry, as
// Main builds them; plus the child's mouse, through the stage's window so that events take
// Qt's real path (the pressed control keeps the moves and the release).

#include "FakeServices.h"
#include "shell/core/AppContext.h"
#include "shell/core/WindowRegistry.h"
#include "ui/Stage.h"

#include <QTest>
#include <memory>

class Control;

class StageFixture {
public:
    explicit StageFixture(const QString& dataRoot = QString(), QSize size = QSize(1024, 768));
    ~StageFixture();

    FakeServices services;
    AppContext app;
    Stage stage;
    WindowRegistry windows;

    // Mouse actions at a widget's centre (or a point of it), in stage coordinates.
    void click(QWidget* widget);
    void clickAt(QWidget* widget, QPoint local);
    void moveTo(QWidget* widget);
    void moveToAt(QWidget* widget, QPoint local);
    void press(QWidget* widget);
    void release(QWidget* widget);
    void keyUp(Qt::Key key);

    QPoint onStage(QWidget* widget, QPoint local) const;
    // Runs deferred deletions so that unloaded forms are really gone.
    static void settle();
};
