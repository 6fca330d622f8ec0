// The memory and hand-eye games on a 1920 x 1080 screen, one step of play at a time, each
// from the child's mouse event to the repainted window: a pen step on a 1920 x 1080 maze
// (the line checked against the walls and drawn), a card of fifteen photo cards turned up,
// the cards turned back; and the scan that finds the red areas and walls of such a maze
// when it is shown.

#include "QuietServices.h"
#include "ShellBench.h"
#include "activities/memory/FrmMemory.h"
#include "activities/memory/FrmShouYanxt.h"
#include "activities/memory/MazeScan.h"
#include "activities/memory/MemoryWindows.h"
#include "ui/Timer.h"

#include <QElapsedTimer>
#include <benchmark/benchmark.h>

namespace {

constexpr int Width = 1920, Height = 1080;
constexpr int Cards = 15;

// Walls round the picture and a comb of walls from the top, red end areas at both sides;
// the pen runs along the free band below the comb.
QImage bigMaze()
{
    QImage maze(Width, Height, QImage::Format_RGB32);
    maze.fill(Qt::white);
    QPainter p(&maze);
    const QColor black(0, 0, 0);
    p.fillRect(20, 20, Width - 40, 6, black);
    p.fillRect(20, Height - 26, Width - 40, 6, black);
    p.fillRect(20, 20, 6, Height - 40, black);
    p.fillRect(Width - 26, 20, 6, Height - 40, black);
    for (int x = 160; x < Width - 160; x += 80)
        p.fillRect(x, 20, 6, 700, black);
    p.fillRect(60, 900, 60, 60, QColor(255, 0, 0));
    p.fillRect(Width - 120, 900, 60, 60, QColor(255, 0, 0));
    return maze;
}

// A 1920 x 1080 screen with the memory windows, ten mazes and a lesson of fifteen photos.
struct PlayBench {
    DataFixture data;
    QuietServices services;
    AppContext app{services, data.root()};
    Stage stage;
    WindowRegistry windows{app};

    explicit PlayBench(bool stretch)
    {
        const QByteArray maze = DataFixture::bmp(bigMaze());
        for (int n = 0; n <= 9; ++n)
            data.addFile(QStringLiteral("pic/handeye/%1.bmp").arg(n), maze);
        QStringList items;
        for (int k = 1; k <= Cards; ++k) {
            items << QStringLiteral("物%1").arg(k);
            app.ItemPictures[size_t(k)] = QPixmap::fromImage(benchPhoto(k));
        }
        data.addCourse(QStringLiteral("课程"),
                       QStringLiteral("[课程图片]\n课=") + items.join(' ') + QStringLiteral("\n"));
        app.CurrentLesson = QStringLiteral("课");
        app.stage = &stage;
        app.windows = &windows;
        windows.attach(stage);
        registerMemoryWindows(windows);
        stage.setStretch(stretch);
        stage.resize(Width, Height);
        stage.show();
        if (!QTest::qWaitForWindowExposed(&stage)) qFatal("the stage is not shown");
    }
    QWindow* screen() { return stage.windowHandle(); }
    QPoint onStage(QWidget* widget, QPoint p) { return widget->mapTo(&stage, p); }
};

void BM_MazePenStep(benchmark::State& state)
{
    PlayBench bench(true); // the maze fills the stretched screen
    auto* window = bench.windows.open<FrmShouYanxt>(QStringLiteral("FrmShouYanxt"));
    if (!window || window->Picture1->size() != QSize(Width, Height))
        qFatal("the maze is not shown at its size");
    ShellBench::settle();
    const QPoint start = bench.onStage(window->Picture1, QPoint(90, 930));
    QTest::mouseMove(bench.screen(), start);
    QTest::mousePress(bench.screen(), Qt::LeftButton, {}, start);
    ShellBench::settle();
    int step = 0;
    for (auto _ : state) {
        // Back and forth along the free band, 7 pixels a step as a child's hand moves.
        const int lap = step++ % 480;
        const int x = 90 + (lap < 240 ? lap : 480 - lap) * 7;
        const QPoint to = bench.onStage(window->Picture1, QPoint(x, 930 + step % 20));
        QElapsedTimer clock;
        clock.start();
        QTest::mouseMove(bench.screen(), to);
        QCoreApplication::processEvents(); // the repaint of the maze
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    }
    if (!window->maze().drawing()) state.SkipWithError("the line touched a wall");
    if (!bench.services.problems.isEmpty())
        state.SkipWithError(qPrintable(bench.services.problems.first()));
    QTest::mouseRelease(bench.screen(), Qt::LeftButton, {}, start);
}
BENCHMARK(BM_MazePenStep)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_MazeScan(benchmark::State& state)
{
    const QImage maze = bigMaze();
    for (auto _ : state) {
        const MazeAreas areas = ScanMaze(maze);
        benchmark::DoNotOptimize(areas);
        if (!areas.playable()) state.SkipWithError("the maze is not playable");
    }
}
BENCHMARK(BM_MazeScan)->Unit(benchmark::kMillisecond);

struct CardBench : PlayBench {
    FrmMemory* window;

    CardBench()
        : PlayBench(false)
        , window(windows.open<FrmMemory>(QStringLiteral("FrmMemory")))
    {
        if (!window || window->Label1.count() != Cards) qFatal("the cards are not laid out");
        ShellBench::settle();
    }
    // A card that does not hide the target: it turns back after its moment.
    int wrongCard(int step) const
    {
        const int card = step % Cards;
        return card + 1 == window->board().target() ? (card + 1) % Cards : card;
    }
    void click(int card)
    {
        Label& back = window->Label1[card];
        QTest::mouseClick(screen(), Qt::LeftButton, {}, onStage(&back, back.rect().center()));
    }
};

void BM_CardFlip(benchmark::State& state)
{
    CardBench bench;
    int step = 0;
    for (auto _ : state) {
        const int card = bench.wrongCard(step++);
        QElapsedTimer clock;
        clock.start();
        bench.click(card);
        QCoreApplication::processEvents(); // the face painted
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
        if (!bench.window->board().faceUp(card)) state.SkipWithError("the card did not turn");
        bench.window->Timer2->fire();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_CardFlip)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_CardsTurnBack(benchmark::State& state)
{
    CardBench bench;
    int step = 0;
    for (auto _ : state) {
        bench.click(bench.wrongCard(step++));
        QCoreApplication::processEvents();
        QElapsedTimer clock;
        clock.start();
        bench.window->Timer2->fire();
        QCoreApplication::processEvents(); // every back painted again
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    }
}
BENCHMARK(BM_CardsTurnBack)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

SHELL_BENCH_MAIN()
