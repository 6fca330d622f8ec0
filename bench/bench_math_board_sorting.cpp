// The hundred board and the floating numbers: opening the board (two hundred picture boxes,
// a hundred numbers printed) to its first painted frame; one step of a tile dragged over the
// full board on a 1920 x 1080 screen; and what the floating numbers cost the processor while
// they bounce, as a share of one core measured over seconds of the real 400 ms timer.

#include "DataFixture.h"
#include "QuietServices.h"
#include "WindowBench.h"
#include "activities/math/Frm100.h"
#include "activities/math/MathWindows.h"
#include "shell/core/AppContext.h"
#include "shell/core/WindowRegistry.h"
#include "ui/Stage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPainter>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <ctime>

namespace {

// A number picture as the course has them: a digit on a coloured card.
QImage numberPicture(int n)
{
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(QColor::fromHsv(n * 36 % 360, 90, 250));
    QPainter p(&image);
    QFont font;
    font.setPixelSize(140);
    p.setFont(font);
    p.drawText(image.rect(), Qt::AlignCenter, QString::number(n));
    return image;
}

struct MathBench {
    DataFixture data;
    QuietServices services;
    AppContext app{services, data.root()};
    Stage stage;
    WindowRegistry windows{app};

    explicit MathBench(QSize screen)
    {
        data.addCourse(QStringLiteral("数学课程"),
                       QStringLiteral("[排序]\n1=1 2 3 4 5 6 7 8 9 10\n"));
        for (int n = 1; n <= 10; ++n) {
            const QImage picture = numberPicture(n);
            data.addFile(QStringLiteral("pic/sxpic/数字/%1.jpg").arg(n),
                         DataFixture::jpeg(picture));
            data.addFile(QStringLiteral("pic/sxpic/数字/%1.gif").arg(n), DataFixture::bmp(picture));
        }
        app.stage = &stage;
        app.windows = &windows;
        windows.attach(stage);
        registerMathWindows(windows);
        stage.resize(screen);
        stage.show();
        if (!QTest::qWaitForWindowExposed(&stage)) qFatal("the stage is not shown");
    }
    ~MathBench()
    {
        stage.unloadAll();
        WindowBench::settle();
    }
};

double processCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

void BM_HundredBoardOpeningToFirstFrame(benchmark::State& state)
{
    MathBench bench(QSize(int(state.range(0)), int(state.range(1))));
    WindowBench::measureOpening(state, bench.windows, QStringLiteral("Frm100"));
}

void BM_HundredBoardDragStepAt1920x1080(benchmark::State& state)
{
    MathBench bench(QSize(1920, 1080));
    auto* board = bench.windows.open<Frm100>(QStringLiteral("Frm100"));
    if (!board) {
        state.SkipWithError("the board did not open");
        return;
    }
    WindowBench::settle();
    // Back and forth across the board, row by row, over every square.
    const QWidget& first = board->Picture2[0];
    const QPoint origin = first.mapTo(&bench.stage, first.rect().center());
    const int side = first.width();
    WindowBench::measureDragSteps(state, bench.stage, board->Picture1[0], [&](int step) {
        const int column = step % 40;
        const int row = step / 40 % 10;
        const int x = column < 20 ? column : 39 - column;
        return origin + QPoint(x * side / 2, row * side);
    });
}

void BM_FloatingNumbersShareOfOneCore(benchmark::State& state)
{
    MathBench bench(QSize(1920, 1080));
    if (!bench.windows.open(QStringLiteral("Frmpaixu_yd"))) {
        state.SkipWithError("the window did not open");
        return;
    }
    WindowBench::settle();
    for (auto _ : state) {
        QElapsedTimer wall;
        const double cpuBefore = processCpuSeconds();
        wall.start();
        QEventLoop loop;
        QTimer::singleShot(4000, &loop, &QEventLoop::quit);
        loop.exec();
        const double cpu = processCpuSeconds() - cpuBefore;
        const double seconds = wall.nsecsElapsed() / 1e9;
        state.SetIterationTime(seconds);
        state.counters["cpu_percent_of_one_core"] = 100 * cpu / seconds;
    }
    if (!bench.services.problems.isEmpty())
        state.SkipWithError(qPrintable(bench.services.problems.first()));
}

} // namespace

BENCHMARK(BM_HundredBoardOpeningToFirstFrame)
    ->Args({1024, 768})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HundredBoardDragStepAt1920x1080)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FloatingNumbersShareOfOneCore)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
