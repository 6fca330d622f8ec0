// The arithmetic, decomposition and quantity windows at 1920 x 1080: each window from its
// load handler to its first painted frame (course reads, number pictures, controls, one
// paint of the whole window); one step of a drag of a number tile, of a decomposition
// picture and of the picture taken into the boxes; and what an open window costs while
// nobody touches it.

#include "DataFixture.h"
#include "QuietServices.h"
#include "ShellBench.h"
#include "activities/math/Decomposition.h"
#include "activities/math/FrmShu_wu.h"
#include "activities/math/MathWindows.h"
#include "activities/math/TwoTileSum.h"
#include "shell/core/AppContext.h"
#include "shell/core/WindowRegistry.h"
#include "ui/Form.h"
#include "ui/Stage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <ctime>

namespace {

const char* const Windows[] = {
    "frmNumjia",  "frmNumjiang", "Frmpicjia",   "FrmNumtk",  "FrmPictk",  "FrmNumtk2", "FrmPictk2",
    "frmFengjie", "FrmFengjie2", "FrmFengjie3", "frmShu_wu", "frmWu_shu", "frmQunshu", "frmJieshu"};

// A picture with texture at the size the demo's number and counting pictures have, so that
// decoding costs what it costs there.
QImage textured(int seed)
{
    QImage image(240, 240, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    QPainter p(&image);
    p.fillRect(image.rect(), QColor::fromHsv(seed * 37 % 360, 100, 240));
    for (int i = 0; i < 60; ++i) {
        p.setBrush(QColor::fromHsv(random.bounded(360), 200, random.bounded(120, 255)));
        p.drawEllipse(QPoint(random.bounded(240), random.bounded(240)), random.bounded(4, 40),
                      random.bounded(4, 40));
    }
    return image;
}

struct NumberData {
    DataFixture data;
    NumberData()
    {
        QStringList counting;
        for (int i = 1; i <= 10; ++i) {
            counting << QStringLiteral("物%1").arg(i);
            data.addFile(QStringLiteral("pic/sxpic/%1.jpg").arg(counting.last()),
                         DataFixture::jpeg(textured(i)));
            data.addFile(QStringLiteral("pic/sxpic/数字/%1.jpg").arg(i),
                         DataFixture::jpeg(textured(20 + i)));
            data.addFile(QStringLiteral("pic/sxpic/苹果/%1.jpg").arg(i),
                         DataFixture::jpeg(textured(40 + i)));
        }
        QString additions, subtractions;
        for (int k = 1; k <= 30; ++k) {
            additions += QStringLiteral("%1=%2+%3\n").arg(k).arg(k % 5 + 1).arg(k % 4 + 1);
            subtractions += QStringLiteral("%1=%2-%3\n").arg(k).arg(k % 5 + 5).arg(k % 4 + 1);
        }
        data.addCourse(QStringLiteral("数学课程"),
                       QStringLiteral("[图片]\n图片=") + counting.join(QLatin1Char(' ')) +
                           QStringLiteral("\n[加法]\n") + additions + QStringLiteral("[减法]\n") +
                           subtractions + QStringLiteral("[数字]\n1=1 2 3 4 5 6 7 8 9 10\n"));
    }
};

struct Screen {
    NumberData numbers;
    QuietServices services;
    AppContext app{services, numbers.data.root()};
    Stage stage;
    WindowRegistry windows{app};

    Screen()
    {
        app.stage = &stage;
        app.windows = &windows;
        windows.attach(stage);
        registerMathWindows(windows);
        stage.resize(1920, 1080);
        stage.show();
        if (!QTest::qWaitForWindowExposed(&stage)) qFatal("the stage is not shown");
    }
    ~Screen()
    {
        stage.unloadAll();
        ShellBench::settle();
    }
    bool problems(benchmark::State& state) const
    {
        if (services.problems.isEmpty()) return false;
        state.SkipWithError(
            qPrintable(QStringLiteral("data problem: ") + services.problems.first()));
        return true;
    }
};

void BM_OpenWindow(benchmark::State& state, const QString& window)
{
    Screen screen;
    for (auto _ : state) {
        Form* form = screen.windows.open(window);
        if (!form) {
            state.SkipWithError("the window did not open");
            break;
        }
        form->repaint(); // the first frame, painted now rather than at the next event loop turn
        state.PauseTiming();
        form->Unload();
        ShellBench::settle();
        state.ResumeTiming();
    }
    screen.problems(state);
}

// Drags the picture of the window back and forth over the whole window, 7 pixels a
// step as a child's hand moves; each step is the move and the repaint it causes.
using PictureOf = QWidget* (*)(Form*);

void BM_DragStep(benchmark::State& state, const QString& window, PictureOf pictureOf)
{
    Screen screen;
    Form* form = screen.windows.open(window);
    QWidget* dragged = form ? pictureOf(form) : nullptr;
    if (!dragged) {
        state.SkipWithError("no picture to drag");
        return;
    }
    QWindow* handle = screen.stage.windowHandle();
    const QPoint from = dragged->mapTo(&screen.stage, dragged->rect().center());
    QTest::mouseMove(handle, from);
    QTest::mousePress(handle, Qt::LeftButton, {}, from);
    ShellBench::settle();
    int step = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        const int x = 300 + (step % 180) * 7;
        ++step;
        QTest::mouseMove(handle, QPoint(x, 400 + step % 300));
        QCoreApplication::processEvents();
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    }
    QTest::mouseRelease(handle, Qt::LeftButton, {}, from);
    screen.problems(state);
}

// Process CPU time used in a second of an open window with nobody touching it.
void BM_AtRest(benchmark::State& state, const QString& window)
{
    Screen screen;
    if (!screen.windows.open(window)) {
        state.SkipWithError("the window did not open");
        return;
    }
    ShellBench::settle();
    for (auto _ : state) {
        const std::clock_t before = std::clock();
        QEventLoop idle;
        QTimer::singleShot(1000, &idle, &QEventLoop::quit);
        idle.exec();
        state.counters["cpu_percent"] = 100.0 * double(std::clock() - before) / CLOCKS_PER_SEC;
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    for (const char* window : Windows)
        benchmark::RegisterBenchmark((std::string("BM_OpenWindow/") + window).c_str(),
                                     BM_OpenWindow, QString::fromLatin1(window))
            ->Unit(benchmark::kMillisecond);
    const std::pair<const char*, PictureOf> drags[] = {
        {"FrmNumtk2",
         [](Form* f) -> QWidget* { return &static_cast<TwoTileSum*>(f)->Picture2[4]; }},
        {"frmFengjie",
         [](Form* f) -> QWidget* { return static_cast<Decomposition*>(f)->Picture1; }},
        {"frmShu_wu", [](Form* f) -> QWidget* { return static_cast<FrmShu_wu*>(f)->Picture2; }}};
    for (const auto& [window, pictureOf] : drags)
        benchmark::RegisterBenchmark((std::string("BM_DragStep/") + window).c_str(), BM_DragStep,
                                     QString::fromLatin1(window), pictureOf)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    for (const char* window : {"frmNumjia", "FrmNumtk2", "frmFengjie", "frmShu_wu", "frmJieshu"})
        benchmark::RegisterBenchmark((std::string("BM_AtRest/") + window).c_str(), BM_AtRest,
                                     QString::fromLatin1(window))
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
