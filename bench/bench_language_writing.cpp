// The writing windows' handwriting and replay: recognising one character from its strokes,
// how soon the pad can recognise after a writing window opens (the first opening reads the
// model, later ones share it), and how much of one core the replay of a ten-stroke
// character takes while it runs.

#include "QuietServices.h"
#include "activities/language/FrmShurufa.h"
#include "activities/language/HandwritingModel.h"
#include "activities/language/HandwritingPad.h"
#include "activities/language/LanguageWindows.h"
#include "shell/core/AppContext.h"
#include "shell/core/WindowRegistry.h"
#include "shell/data/CourseCarrier.h"
#include "shell/data/CourseIni.h"
#include "shell/data/StrokeFile.h"
#include "ui/Stage.h"
#include "ui/Timer.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <ctime>

namespace {

void write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// The demo data's stroke files, beside the benchmarks in the build folder.
Strokes demoStrokes(const char* character)
{
    QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/data/") +
               QString::fromUtf8(character) + QStringLiteral(".ini"));
    return file.open(QIODevice::ReadOnly) ? StrokeFile::parse(file.readAll()) : Strokes();
}

// Ten strokes of 30 points each, every point a few pixels on.
Strokes tenStrokes()
{
    Strokes strokes;
    for (int s = 0; s < 10; ++s) {
        Stroke stroke;
        for (int k = 0; k < 30; ++k)
            stroke << QPoint(20 + k * 9, 20 + s * 28 + (k % 3));
        strokes << stroke;
    }
    return strokes;
}

// A data folder with a writing lesson and the ten-stroke character's stroke file.
struct Writing {
    Writing()
        : app(services, dir.path())
        , windows(app)
    {
        write(dir.filePath("kc/课程.mdb"), {});
        write(dir.filePath("pic/fmpic/输入法.ini.bmp"),
              CourseCarrier::make(encodeGbk(QStringLiteral("[课程]\r\n1=一二三十土王\r\n"))));
        write(dir.filePath("data/森.ini"), StrokeFile::write(tenStrokes()));
        stage.resize(1024, 768);
        stage.show();
        app.stage = &stage;
        app.windows = &windows;
        windows.attach(stage);
        registerLanguageWindows(windows);
    }
    QTemporaryDir dir;
    QuietServices services;
    AppContext app;
    Stage stage;
    WindowRegistry windows;
};

double processCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

void BM_RecognizeCharacter(benchmark::State& state, const char* character, bool bothReadings)
{
    QString error;
    const auto recognizer = HandwritingRecognizer::open(HandwritingModel::path(), &error);
    const Strokes strokes = demoStrokes(character);
    if (!recognizer || strokes.isEmpty()) {
        state.SkipWithError(recognizer ? "no demo stroke file" : qPrintable(error));
        return;
    }
    for (auto _ : state) {
        const QStringList candidates =
            bothReadings ? recognizer->recognize(strokes, 6) : recognizer->classify(strokes, 6);
        benchmark::DoNotOptimize(candidates);
    }
    state.counters["strokes"] = double(strokes.size());
}

// From the click that opens 写字1 to the pad that can recognise.
void BM_PadReadyAfterWindowOpens(benchmark::State& state, bool firstOpening)
{
    Writing w;
    for (auto _ : state) {
        if (firstOpening) HandwritingModel::forget();
        QElapsedTimer clock;
        clock.start();
        auto* window = w.windows.open<FrmShurufa>(QStringLiteral("FrmShurufa"));
        HandwritingPad* pad = window ? window->pad() : nullptr;
        if (!pad) {
            state.SkipWithError("no pad");
            return;
        }
        if (!pad->isReady()) {
            QEventLoop loop;
            QObject::connect(pad, &HandwritingPad::ready, &loop, &QEventLoop::quit);
            loop.exec();
        }
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        window->Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    if (!w.services.problems.isEmpty())
        state.SkipWithError(qPrintable(w.services.problems.first()));
}

// The whole replay of a ten-stroke character on the real event loop and timers.
void BM_ReplayTenStrokesCpu(benchmark::State& state)
{
    Writing w;
    w.app.CurrentCharacter = QStringLiteral("森");
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        const double cpuBefore = processCpuSeconds();
        Form* replay = w.windows.open(QStringLiteral("FrmShuruys"));
        auto* strokes = replay ? replay->findChild<Timer*>(QStringLiteral("Timer2")) : nullptr;
        if (!strokes) {
            state.SkipWithError("no replay");
            return;
        }
        QEventLoop loop;
        QObject::connect(strokes, &Timer::Tick, &loop, [&] {
            if (!strokes->isRunning()) loop.quit();
        });
        loop.exec();
        const double cpu = processCpuSeconds() - cpuBefore;
        const double wall = double(clock.nsecsElapsed()) / 1e9;
        state.SetIterationTime(wall);
        state.counters["cpu_percent_of_one_core"] = 100.0 * cpu / wall;
        replay->Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    if (!w.services.problems.isEmpty())
        state.SkipWithError(qPrintable(w.services.problems.first()));
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    for (const char* character : {"一", "大", "口", "森"}) {
        benchmark::RegisterBenchmark((std::string("BM_RecognizeCharacter/") + character).c_str(),
                                     BM_RecognizeCharacter, character, true)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(
            (std::string("BM_RecognizeCharacterAsWritten/") + character).c_str(),
            BM_RecognizeCharacter, character, false)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("BM_PadReadyAfterWindowOpens/first", BM_PadReadyAfterWindowOpens,
                                 true)
        ->UseManualTime()
        ->Iterations(10)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_PadReadyAfterWindowOpens/later", BM_PadReadyAfterWindowOpens,
                                 false)
        ->UseManualTime()
        ->Iterations(20)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_ReplayTenStrokesCpu", BM_ReplayTenStrokesCpu)
        ->UseManualTime()
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
