// The paint bucket: the inside of a large outline as the colouring game fills it, and a
// whole maze of one-pixel corridors as the drawing board may meet it. Each iteration
// fills the area with the other of two colours, so every run does the full work.

#include "MazePictures.h"
#include "ui/FloodFill.h"

#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

void fillBackAndForth(benchmark::State& state, QImage picture, QPoint start)
{
    QRgb colours[2] = {qRgb(255, 255, 255), qRgb(255, 0, 0)};
    for (auto _ : state) {
        const QRect painted = floodFill(picture, start, colours[1], colours[0], FloodMode::Surface);
        benchmark::DoNotOptimize(painted);
        std::swap(colours[0], colours[1]);
    }
}

// A 687 x 681 white area inside a one-pixel black outline.
void BM_FloodFillWhiteArea(benchmark::State& state)
{
    QImage picture(689, 683, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter(&picture).fillRect(1, 1, 687, 681, Qt::white);
    fillBackAndForth(state, picture, QPoint(344, 341));
    state.SetItemsProcessed(state.iterations() * 687 * 681);
}
BENCHMARK(BM_FloodFillWhiteArea)->Unit(benchmark::kMillisecond);

// A 2000 x 2000 maze of long one-pixel corridors, all one area.
void BM_FloodFillMaze(benchmark::State& state)
{
    fillBackAndForth(state, randomMaze(2000, 7), QPoint(1, 1));
}
BENCHMARK(BM_FloodFillMaze)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
