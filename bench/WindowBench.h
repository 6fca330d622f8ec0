#pragma once
// What the window benchmarks measure: a window from its load handler to its first painted
// frame, and one step of a drag with a picture in hand.

#include "shell/core/WindowRegistry.h"
#include "ui/Form.h"
#include "ui/Stage.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <benchmark/benchmark.h>
#include <functional>

namespace WindowBench {

inline void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Each iteration opens the window and paints its first frame; closing it is not timed.
inline void measureOpening(benchmark::State& state, WindowRegistry& windows, const QString& name)
{
    for (auto _ : state) {
        Form* form = windows.open(name);
        if (!form) {
            state.SkipWithError("the window did not open");
            break;
        }
        form->repaint(); // the first frame, painted now rather than at the next event loop turn
        state.PauseTiming();
        form->Unload();
        settle();
        state.ResumeTiming();
    }
}

// Presses the left button on the picture, then each iteration moves the pointer to the
// next point of the path (stage coordinates) and lets the window repaint what changed;
// use with UseManualTime().
inline void measureDragSteps(benchmark::State& state, Stage& stage, QWidget& picture,
                             const std::function<QPoint(int step)>& path)
{
    QWindow* window = stage.windowHandle();
    const QPoint from = picture.mapTo(&stage, picture.rect().center());
    QTest::mouseMove(window, from);
    QTest::mousePress(window, Qt::LeftButton, {}, from);
    settle();
    int step = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        QTest::mouseMove(window, path(++step));
        QCoreApplication::processEvents(); // the repaint
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    }
    QTest::mouseRelease(window, Qt::LeftButton, {}, from);
}

} // namespace WindowBench
