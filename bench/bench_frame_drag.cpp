// One step of a drag at 1920 x 1080: the pointer moves with the left button held, the
// picture in hand follows, and the window repaints what changed, with 30 draggable
// pictures and their targets on the window. And what a window costs at rest: no timer,
// nothing runs while nothing moves.

#include "QuietServices.h"
#include "ShellBench.h"
#include "frame/ActivityForm.h"
#include "frame/DragAndDrop.h"
#include "ui/Artwork.h"
#include "ui/PictureBox.h"

#include <QElapsedTimer>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <ctime>

namespace {

constexpr int Pictures = 30;

class DragBoard : public ActivityForm {
public:
    explicit DragBoard(AppContext& app)
        : ActivityForm(app, QStringLiteral("FrmDragBench"))
        , drag(*this, 15, {.targetOf = [this](int i) -> Control* { return Picture1.at(i); }})
    {
        for (int i = 0; i < Pictures; ++i) {
            auto* picture = make<PictureBox>(QStringLiteral("Picture3"));
            picture->Move(40 + i % 10 * 185, 120 + i / 10 * 190, 170, 170);
            picture->setStretch(true);
            picture->setPicture(Artwork::good());
            Picture3.setDesigned(i, picture);
            auto* target = make<PictureBox>(QStringLiteral("Picture1"));
            target->Move(40 + i % 10 * 185, 720 + i / 10 * 110, 170, 100);
            target->setPicture(Artwork::face());
            Picture1.setDesigned(i, target);
        }
        drag.follow(Picture3);
    }
    ControlArray<PictureBox> Picture3;
    ControlArray<PictureBox> Picture1;
    DragAndDrop drag;
};

struct DragBench {
    QuietServices services;
    AppContext app{services, QString()};
    Stage stage;
    DragBoard* board;

    DragBench()
    {
        app.stage = &stage;
        stage.resize(1920, 1080);
        stage.show();
        if (!QTest::qWaitForWindowExposed(&stage)) qFatal("the stage is not shown");
        board = new DragBoard(app);
        stage.showForm(board);
        board->maximize();
        ShellBench::settle();
    }
};

void BM_DragStep(benchmark::State& state)
{
    DragBench bench;
    QWindow* window = bench.stage.windowHandle();
    QWidget& picture = bench.board->Picture3[12];
    const QPoint from = picture.mapTo(&bench.stage, picture.rect().center());
    QTest::mouseMove(window, from);
    QTest::mousePress(window, Qt::LeftButton, {}, from);
    ShellBench::settle();
    int step = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        // Back and forth across the board, 7 pixels a step as a child's hand moves.
        const int x = 200 + (step % 200) * 7;
        ++step;
        QTest::mouseMove(window, QPoint(x, 500 + step % 40));
        QCoreApplication::processEvents(); // the repaint of the board
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    }
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(300, 500));
}
BENCHMARK(BM_DragStep)->UseManualTime()->Unit(benchmark::kMillisecond);

// Process CPU time used in a second of an open drag board with nobody touching it.
void BM_DragBoardAtRest(benchmark::State& state)
{
    DragBench bench;
    for (auto _ : state) {
        const std::clock_t before = std::clock();
        QEventLoop idle;
        QTimer::singleShot(1000, &idle, &QEventLoop::quit);
        idle.exec();
        state.counters["cpu_percent"] = 100.0 * double(std::clock() - before) / CLOCKS_PER_SEC;
    }
}
BENCHMARK(BM_DragBoardAtRest)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

SHELL_BENCH_MAIN()
