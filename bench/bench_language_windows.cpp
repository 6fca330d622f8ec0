// The language windows of recognition, pairing, word building, picture talk, sentence
// ordering, picture learning and the two games: the captions of a 12-item lesson drawn; each
// window opened with a lesson of 12 photos as the activity chooser leaves them (640 x 480
// photos decoded in ItemPictures), from its load handler to its first painted frame; one step
// of a drag in the pairing window at 1920 x 1080, the picture in hand following the pointer
// and the window repainted; one frame of each moving game at 1920 x 1080 (a tick and the
// repaint of what it moved); how much of one core a game takes on the real event loop while
// it runs and while it waits for "开始"; and how soon speaking a name returns.

#include "QuietServices.h"
#include "ShellBench.h"
#include "activities/language/Frmdiangtu.h"
#include "activities/language/LanguageWindows.h"
#include "activities/language/Mdlpicwenzhi.h"
#include "activities/language/PairingForm.h"
#include "frame/ActivityForm.h"
#include "shell/core/Mdlmain.h"
#include "shell/core/SpeechEngine.h"
#include "ui/Timer.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <ctime>

namespace {

const char* const Lesson[] = {"苹果", "香蕉",   "葡萄", "西瓜",   "橙子", "草莓",
                              "梨",   "长颈鹿", "菠萝", "大熊猫", "樱桃", "火龙果"};
constexpr int Items = int(std::size(Lesson));

struct LanguageBench {
    DataFixture data;
    QuietServices services;
    AppContext app{services, data.root()};
    Stage stage;
    WindowRegistry windows{app};

    explicit LanguageBench(QSize screen)
    {
        QStringList items, sentences;
        for (const char* item : Lesson) {
            items << QString::fromUtf8(item);
            sentences << items.last() + QStringLiteral("=我喜欢") + items.last();
        }
        data.addCourse(QStringLiteral("课程"), QStringLiteral("[课程图片]\n课堂=") +
                                                   items.join(QLatin1Char(' ')) +
                                                   QLatin1Char('\n'));
        data.addCourse(QStringLiteral("句子排序"),
                       QStringLiteral("[句子排序]\n") + sentences.join(QLatin1Char('\n')));
        app.stage = &stage;
        app.windows = &windows;
        app.CurrentArea = QStringLiteral("语言");
        app.CurrentLesson = QStringLiteral("课堂");
        app.ItemCount = Items;
        for (int k = 1; k <= Items; ++k)
            app.ItemPictures[k] = QPixmap::fromImage(benchPhoto(k));
        windows.attach(stage);
        registerLanguageWindows(windows);
        stage.resize(screen);
        stage.show();
        if (!QTest::qWaitForWindowExposed(&stage)) qFatal("the stage is not shown");
    }
    ~LanguageBench()
    {
        stage.unloadAll();
        ShellBench::settle();
    }
};

class CaptionWindow : public ActivityForm {
public:
    explicit CaptionWindow(AppContext& app)
        : ActivityForm(app, QStringLiteral("FrmCaptions"))
    {
        PicWenzhi.setDesigned(makeCaptionTemplate(*this));
    }
    ControlArray<PictureBox> PicWenzhi;
};

// Twelve captions drawn and read back as the windows keep them.
void BM_RenderCaptions12(benchmark::State& state)
{
    LanguageBench bench(QSize(int(state.range(0)), int(state.range(1))));
    auto* window = new CaptionWindow(bench.app);
    bench.stage.showForm(window);
    ScaleForm(bench.app, *window);
    QStringList items;
    for (const char* item : Lesson)
        items << QString::fromUtf8(item);
    for (auto _ : state) {
        RenderCaptions(bench.app, window->PicWenzhi, items);
        for (int i = 1; i <= Items; ++i)
            bench.app.ItemPictures2[i] = captionOf(window->PicWenzhi, i);
        state.PauseTiming();
        window->PicWenzhi.UnloadAllButFirst();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RenderCaptions12)
    ->Args({1024, 768})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMillisecond);

void BM_OpenWindow(benchmark::State& state, const QString& name)
{
    LanguageBench bench(QSize(1024, 768));
    const auto photos = bench.app.ItemPictures;
    for (auto _ : state) {
        Form* form = bench.windows.open(name);
        if (!form) {
            state.SkipWithError("the window did not open");
            break;
        }
        form->repaint();
        state.PauseTiming();
        form->Unload();
        ShellBench::settle();
        bench.app.ItemPictures = photos; // as the chooser loads them for every launch
        state.ResumeTiming();
    }
    if (!bench.services.problems.isEmpty())
        state.SkipWithError(
            qPrintable(QStringLiteral("data problem: ") + bench.services.problems.first()));
}

// One step of a drag in the pairing window at 1920 x 1080.
void BM_PairingDragStep(benchmark::State& state)
{
    LanguageBench bench(QSize(1920, 1080));
    auto* window = bench.windows.open<PairingForm>(QStringLiteral("FrmpeiduiTu_zhi"));
    ShellBench::settle();
    QWindow* screen = bench.stage.windowHandle();
    QWidget& picture = window->Picture3[2];
    const QPoint from = picture.mapTo(&bench.stage, picture.rect().center());
    QTest::mouseMove(screen, from);
    QTest::mousePress(screen, Qt::LeftButton, {}, from);
    ShellBench::settle();
    int step = 0;
    QPoint pointer = from;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        // Across the window between the rows, 7 pixels a step as a child's hand moves.
        pointer = QPoint(300 + (step % 180) * 7, 420 + step % 60);
        ++step;
        QTest::mouseMove(screen, pointer);
        QCoreApplication::processEvents();
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    }
    const QPoint centre = picture.mapTo(&bench.stage, picture.rect().center());
    if ((centre - pointer).manhattanLength() > 2)
        state.SkipWithError("the picture did not follow the pointer");
    QTest::mouseRelease(screen, Qt::LeftButton, {}, pointer);
}
BENCHMARK(BM_PairingDragStep)->UseManualTime()->Unit(benchmark::kMillisecond);

// Opens a moving game; the point-picture game is started with its button.
Form* openGame(LanguageBench& bench, const QString& name)
{
    Form* form = bench.windows.open(name);
    if (auto* points = qobject_cast<Frmdiangtu*>(form))
        QTest::mouseClick(points->Command1, Qt::LeftButton);
    ShellBench::settle();
    return form;
}

// One frame of a moving game at 1920 x 1080: the tick and the repaint of what moved.
void BM_GameFrame(benchmark::State& state, const QString& name)
{
    LanguageBench bench(QSize(1920, 1080));
    Form* form = openGame(bench, name);
    auto* timer = form ? form->findChild<Timer*>(QStringLiteral("Timer1")) : nullptr;
    if (!timer || !timer->isRunning()) {
        state.SkipWithError("no game running");
        return;
    }
    timer->stop(); // the benchmark ticks
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        timer->fire();
        QCoreApplication::processEvents();
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    }
}

double processCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// Two seconds of a game window on the real event loop and timers at 1920 x 1080, running or
// (the point-picture game before "开始") waiting.
void BM_GameCpu(benchmark::State& state, const QString& name, bool running)
{
    LanguageBench bench(QSize(1920, 1080));
    Form* form = running ? openGame(bench, name) : bench.windows.open(name);
    ShellBench::settle();
    if (!form) {
        state.SkipWithError("the window did not open");
        return;
    }
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        const double cpuBefore = processCpuSeconds();
        QEventLoop loop;
        QTimer::singleShot(2000, &loop, &QEventLoop::quit);
        loop.exec();
        const double cpu = processCpuSeconds() - cpuBefore;
        const double wall = double(clock.nsecsElapsed()) / 1e9;
        state.SetIterationTime(wall);
        state.counters["cpu_percent_of_one_core"] = 100.0 * cpu / wall;
    }
}

// From the click that says a name to the return to the event loop: espeak-ng works on its
// own thread.
void BM_SpeakNameReturns(benchmark::State& state)
{
    SpeechEngine engine;
    int k = 0;
    for (auto _ : state) {
        engine.speak(QString::fromUtf8(Lesson[k++ % Items]));
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SpeakNameReturns)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    for (const char* window :
         {"FrmTu_zhi", "FrmZhi_tu", "FrmpeiduiTu_zhi", "FrmpeiduiZhi_tu", "Frmkantzc", "Frmkantshh",
          "FrmZhuju", "Frmdangtugzh", "Frmtuxgzh", "FrmtuxgzhWZ", "Frmdiangtu", "FrmdiangTuDuo"})
        benchmark::RegisterBenchmark((std::string("BM_OpenWindow/") + window).c_str(),
                                     BM_OpenWindow, QString::fromLatin1(window))
            ->Unit(benchmark::kMillisecond);
    for (const char* game : {"Frmdiangtu", "FrmdiangTuDuo"}) {
        const QString name = QString::fromLatin1(game);
        benchmark::RegisterBenchmark((std::string("BM_GameFrame/") + game).c_str(), BM_GameFrame,
                                     name)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("BM_GameCpu/running/") + game).c_str(),
                                     BM_GameCpu, name, true)
            ->UseManualTime()
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("BM_GameCpu/waiting/Frmdiangtu", BM_GameCpu,
                                 QStringLiteral("Frmdiangtu"), false)
        ->UseManualTime()
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
