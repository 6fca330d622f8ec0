// The drawing board at 1920 x 1080: one move of the pointer with the pencil, the brush and
// the spray held down (the tool's drawing, the history's bookkeeping and the repaint of the
// canvas), the fill tool on the platform's two fills, Ctrl+Z of a whole-canvas fill, and the
// memory a history of 100 strokes holds.

#include "MazePictures.h"
#include "QuietServices.h"
#include "ShellBench.h"
#include "drawing/CanvasView.h"
#include "drawing/FrmColor.h"
#include "drawing/FrmDrawplat.h"
#include "drawing/Frmboard.h"
#include "drawing/MDIFrmHuatu.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>

namespace {

double residentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return 0;
}

// The spray's chance as the program has it, so that sprayed dots land as scattered as they
// do for a child.
class SprayServices : public QuietServices {
public:
    double nextUniform() override { return random_.generateDouble(); }

private:
    QRandomGenerator random_{17};
};

// The board on a 1920 x 1080 screen, its canvas grown to the given size.
struct BoardBench {
    SprayServices services;
    AppContext app{services, QString()};
    Stage stage;
    MDIFrmHuatu* board;

    explicit BoardBench(QSize canvasSize = QSize(1920, 1080))
    {
        app.stage = &stage;
        stage.setStretch(true);
        stage.resize(1920, 1080);
        stage.show();
        if (!QTest::qWaitForWindowExposed(&stage)) qFatal("the stage is not shown");
        board = new MDIFrmHuatu(app, QStringLiteral("MDIFrmHuatu"));
        stage.showForm(board);
        canvas().setGeometry(QRect(canvas().pos(), canvasSize));
        canvas().newDocument();
        ShellBench::settle();
    }
    ~BoardBench()
    {
        stage.unloadAll();
        ShellBench::settle();
    }
    CanvasView& canvas() const { return *board->canvas->Picture1; }
    void choose(int hotspot) { board->toolBox->Label4[hotspot].Click(); }
    void option(ControlArray<Label>& options, int i) { options[i].Click(); }
    // A mouse event straight to the canvas, at a point of the canvas.
    void send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent event(type, at, canvas().mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&canvas(), &event);
    }
};

// Strokes back and forth over the whole canvas, 7 pixels a move as a child's hand goes.
void strokeMoves(benchmark::State& state, BoardBench& bench, bool spraying)
{
    bench.send(QEvent::MouseButtonPress, QPoint(100, 100), Qt::LeftButton, Qt::LeftButton);
    int step = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        const int x = 20 + (step % 260) * 7;
        const QPoint at(x, 100 + (step / 260 * 37) % 900 + step % 40);
        ++step;
        bench.send(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        if (spraying) bench.board->canvas->Timer1->fire(); // the spray ticks between moves
        QCoreApplication::processEvents();                 // the repaint of the canvas
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    }
    bench.send(QEvent::MouseButtonRelease, QPoint(100, 100), Qt::LeftButton, Qt::NoButton);
}

void BM_PencilMove(benchmark::State& state)
{
    BoardBench bench;
    bench.choose(4);
    strokeMoves(state, bench, false);
}
BENCHMARK(BM_PencilMove)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_BrushMove(benchmark::State& state)
{
    BoardBench bench;
    bench.choose(5);
    bench.option(bench.board->toolBox->Label2, int(state.range(0)));
    strokeMoves(state, bench, false);
}
BENCHMARK(BM_BrushMove)->Arg(1)->Arg(4)->Arg(10)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_SprayMove(benchmark::State& state)
{
    BoardBench bench;
    bench.choose(6);
    bench.option(bench.board->toolBox->Label5, 4); // the widest spread
    strokeMoves(state, bench, true);
}
BENCHMARK(BM_SprayMove)->UseManualTime()->Unit(benchmark::kMillisecond);

// The fill tool's click (press, release, the history's step) on an area filled back and
// forth; between clicks the child pauses and the history packs its step (counted apart).
void fillClicks(benchmark::State& state, BoardBench& bench, QPoint at)
{
    const int cells[2] = {17, 14}; // red, white
    int k = 0;
    double packing = 0;
    for (auto _ : state) {
        bench.board->colourPanel->Picture0[cells[k]].MouseDown(Qt::LeftButton, 0, 0);
        k = 1 - k;
        QElapsedTimer clock;
        clock.start();
        bench.send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        bench.send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
        clock.restart();
        bench.canvas().document().packSteps();
        packing += clock.nsecsElapsed() / 1e6;
    }
    state.counters["packing_ms"] = packing / double(state.iterations());
}

// A 687 x 681 white area inside a one-pixel black outline, as the platform's fill measures.
void BM_FillToolWhiteArea(benchmark::State& state)
{
    BoardBench bench;
    QImage& pixels = bench.canvas().document().pixels();
    QPainter p(&pixels);
    p.fillRect(0, 0, 689, 683, Qt::black);
    p.fillRect(1, 1, 687, 681, Qt::white);
    p.end();
    bench.canvas().document().changed(pixels.rect());
    bench.canvas().document().commitStep();
    bench.choose(1);
    fillClicks(state, bench, QPoint(344, 341));
}
BENCHMARK(BM_FillToolWhiteArea)->UseManualTime()->Unit(benchmark::kMillisecond);

// The platform's 2000 x 2000 maze on a canvas of that size.
void BM_FillToolMaze(benchmark::State& state)
{
    BoardBench bench(QSize(2000, 2000));
    QPainter(&bench.canvas().document().pixels()).drawImage(0, 0, randomMaze(2000, 7));
    bench.canvas().document().changed(QRect(0, 0, 2000, 2000));
    bench.canvas().document().commitStep();
    bench.choose(1);
    fillClicks(state, bench, QPoint(1, 1));
}
BENCHMARK(BM_FillToolMaze)->UseManualTime()->Unit(benchmark::kMillisecond);

// Ctrl+Z of a fill that covered the whole canvas, and Ctrl+Y of it.
void BM_UndoFullCanvasFill(benchmark::State& state)
{
    BoardBench bench;
    DrawingDocument& document = bench.canvas().document();
    bench.choose(1);
    bench.board->colourPanel->Picture0[17].MouseDown(Qt::LeftButton, 0, 0);
    bench.send(QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    bench.send(QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton, Qt::NoButton);
    if (document.undoSteps() != 1) state.SkipWithError("the fill made no step");
    bool undo = true;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        const bool done = undo ? document.undo() : document.redo();
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
        if (!done) state.SkipWithError("nothing to undo or redo");
        undo = !undo;
    }
}
BENCHMARK(BM_UndoFullCanvasFill)->UseManualTime()->Unit(benchmark::kMillisecond);

// Resident memory after 100 strokes on a 1920 x 1080 canvas, each of them undoable: whole
// canvas fills in turn (runs of one colour), sprayed bands across the canvas, or, as the
// worst case no child reaches, steps that each replace the whole canvas with noise (the
// history then keeps to its budget).
void BM_HistoryOf100Strokes(benchmark::State& state)
{
    const bool spray = state.range(0) == 1;
    const bool noise = state.range(0) == 2;
    QRandomGenerator random(23);
    for (auto _ : state) {
        const double before = residentMiB();
        BoardBench bench;
        DrawingDocument& document = bench.canvas().document();
        const double board = residentMiB();
        for (int stroke = 0; stroke < 100; ++stroke) {
            bench.board->colourPanel->Picture0[stroke % 28].MouseDown(Qt::LeftButton, 0, 0);
            if (noise) {
                QImage& pixels = document.pixels();
                for (int y = 0; y < pixels.height(); ++y) {
                    auto* row = reinterpret_cast<QRgb*>(pixels.scanLine(y));
                    for (int x = 0; x < pixels.width(); ++x)
                        row[x] = random.generate() | 0xff000000u;
                }
                document.changed(pixels.rect());
                document.commitStep();
            } else if (spray) {
                bench.choose(6);
                bench.option(bench.board->toolBox->Label5, 4);
                const int y = 20 + stroke * 10;
                bench.send(QEvent::MouseButtonPress, QPoint(20, y % 1060), Qt::LeftButton,
                           Qt::LeftButton);
                for (int x = 20; x < 1900; x += 7) {
                    bench.send(QEvent::MouseMove, QPoint(x, y % 1060), Qt::NoButton,
                               Qt::LeftButton);
                    bench.board->canvas->Timer1->fire();
                }
                bench.send(QEvent::MouseButtonRelease, QPoint(1900, y % 1060), Qt::LeftButton,
                           Qt::NoButton);
            } else {
                bench.choose(1);
                bench.send(QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
                bench.send(QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton, Qt::NoButton);
            }
            QCoreApplication::processEvents();
        }
        state.counters["steps_kept"] = document.undoSteps();
        state.counters["history_MiB"] = double(document.historyBytes()) / (1 << 20);
        state.counters["rss_board_MiB"] = board;
        state.counters["rss_MiB"] = residentMiB();
        state.counters["rss_growth_MiB"] = residentMiB() - before;
        document.packSteps(); // the child pauses
        state.counters["history_packed_MiB"] = double(document.historyBytes()) / (1 << 20);
    }
}
BENCHMARK(BM_HistoryOf100Strokes)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

SHELL_BENCH_MAIN()
