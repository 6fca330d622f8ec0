// The colouring game on a 1920 x 1080 screen: one fill click, from the child's release on the
// canvas to the repainted window, the large inside of an outline filled with the other of two
// colours each time; and the jigsaw's cut of a 640 x 480 photo into a 6 x 6 grid of pieces.

#include "QuietServices.h"
#include "ShellBench.h"
#include "activities/cognition/CognitionWindows.h"
#include "activities/cognition/FrmdrawColor.h"
#include "activities/cognition/JigsawPuzzle.h"

#include <QElapsedTimer>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

constexpr int Width = 1920, Height = 1080;

// A 540 x 540 page, as the demo's outlines are: a ring whose inside is most of the page.
QImage bigRing()
{
    QImage page(540, 540, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter p(&page);
    p.setPen(QPen(Qt::black, 6));
    p.drawRect(20, 20, 500, 500);
    return page;
}

struct ColouringBench {
    DataFixture data;
    QuietServices services;
    AppContext app{services, data.root()};
    Stage stage;
    WindowRegistry windows{app};
    FrmdrawColor* window = nullptr;

    explicit ColouringBench(bool stretch)
    {
        data.addFile(QStringLiteral("pic/drawpic/圈.bmp"), DataFixture::bmp(bigRing()));
        data.addCourse(QStringLiteral("课程"), QStringLiteral("[填色图片]\n1=圈\n"));
        app.stage = &stage;
        app.windows = &windows;
        windows.attach(stage);
        registerCognitionWindows(windows);
        stage.setStretch(stretch);
        stage.resize(Width, Height);
        stage.show();
        if (!QTest::qWaitForWindowExposed(&stage)) qFatal("the stage is not shown");
        window = windows.open<FrmdrawColor>(QStringLiteral("FrmdrawColor"));
        if (!window) qFatal("the colouring game did not open");
        ShellBench::settle();
    }
    void click(QWidget* widget, QPoint at)
    {
        QTest::mouseClick(stage.windowHandle(), Qt::LeftButton, {}, widget->mapTo(&stage, at));
    }
};

// Argument 1: the canvas stretched over the whole 16:9 screen; 0: in its 4:3 area.
void BM_ColouringFillClick(benchmark::State& state)
{
    ColouringBench bench(state.range(0) == 1);
    PictureBox* canvas = bench.window->Picture1;
    const QPoint inside(canvas->width() / 2, canvas->height() / 2);
    const int swatches[2] = {7, 37};
    int step = 0;
    for (auto _ : state) {
        state.PauseTiming();
        bench.click(&bench.window->Label1[swatches[step++ % 2]], {10, 10});
        QCoreApplication::processEvents();
        const QRgb before = canvas->image().pixel(inside);
        state.ResumeTiming();
        QElapsedTimer clock;
        clock.start();
        bench.click(canvas, inside);
        QCoreApplication::processEvents(); // the canvas repainted
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
        if (canvas->image().pixel(inside) == before) state.SkipWithError("nothing was filled");
    }
    state.counters["canvas_pixels"] = canvas->width() * canvas->height();
    if (!bench.services.problems.isEmpty())
        state.SkipWithError(qPrintable(bench.services.problems.first()));
}
BENCHMARK(BM_ColouringFillClick)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// The cut and the pieces made ready to be shown.
void BM_JigsawCut640x480Into6x6(benchmark::State& state)
{
    const QImage photo = benchPhoto(3);
    for (auto _ : state) {
        std::vector<QPixmap> pieces;
        for (const QImage& cell : CutIntoCells(photo, {6, 6}))
            pieces.push_back(QPixmap::fromImage(cell));
        benchmark::DoNotOptimize(pieces);
        if (pieces.size() != 36) state.SkipWithError("not 36 pieces");
    }
}
BENCHMARK(BM_JigsawCut640x480Into6x6)->Unit(benchmark::kMillisecond);

} // namespace

SHELL_BENCH_MAIN()
