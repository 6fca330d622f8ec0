// The record of play: what recording an answer costs the UI thread, how long the page
// for grown-ups takes to open over 100,000 records, and how large a year of daily play
// makes the record file.

#include "QuietServices.h"
#include "ShellBench.h"
#include "frame/ActivityForm.h"
#include "frame/PlayRecording.h"
#include "shell/core/WindowRegistry.h"
#include "shell/record/RecordFile.h"
#include "shell/record/RecordWriter.h"
#include "shell/windows/ShellWindows.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using Kind = PlayEvent::Kind;

// Days of play from a day on: each day `windows` windows opened for 5 minutes with an
// answer every `answerEvery` seconds, three right to one wrong.
std::vector<PlayEvent> daysOfPlay(const QDate& first, int days, int windows, int answerEvery)
{
    const QString names[] = {QStringLiteral("FrmXunxushsh"), QStringLiteral("frmNumjia"),
                             QStringLiteral("FrmTu_zhi"), QStringLiteral("FrmMemory")};
    const QString areas[] = {QStringLiteral("数学"), QStringLiteral("数学"), QStringLiteral("语言"),
                             QStringLiteral("记忆力训练")};
    std::vector<PlayEvent> events;
    for (int d = 0; d < days; ++d) {
        qint64 t = QDateTime(first.addDays(d), QTime(9, 0)).toMSecsSinceEpoch();
        for (int w = 0; w < windows; ++w) {
            const QString& name = names[w % 4];
            events.push_back({Kind::Opened, t, areas[w % 4], QStringLiteral("水果"), name, name});
            for (int s = answerEvery, n = 0; s < 300; s += answerEvery, ++n)
                events.push_back(
                    {n % 4 == 3 ? Kind::Wrong : Kind::Right, t + 1000 * s, {}, {}, name, {}});
            t += 300 * 1000;
            events.push_back({Kind::Closed, t, {}, {}, name, {}});
        }
    }
    return events;
}

void write(const QString& path, const std::vector<PlayEvent>& events)
{
    RecordFile file;
    if (!file.open(path, RecordFile::Access::ReadWrite) || !file.append(events))
        qFatal("cannot write the record: %s", qPrintable(file.error()));
}

// Recording one answer on the UI thread: the event is made and queued; the writer's
// thread writes it.
void BM_RecordAnswerOnUiThread(benchmark::State& state)
{
    QTemporaryDir dir;
    QuietServices services;
    AppContext app(services, QString());
    Stage stage;
    app.stage = &stage;
    RecordWriter record(dir.filePath(QStringLiteral("record.sqlite")), {});
    app.record = &record;
    app.CurrentArea = QStringLiteral("语言");
    app.CurrentLesson = QStringLiteral("水果");
    ActivityForm form(app, QStringLiteral("FrmTu_zhi"));
    RecordPlay(form, Kind::Opened);
    int queued = 0;
    for (auto _ : state) {
        RecordPlay(form, Kind::Right);
        if (++queued == 50) { // as a child answers: the writer keeps up between answers
            state.PauseTiming();
            record.flush();
            queued = 0;
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_RecordAnswerOnUiThread)->Iterations(2000)->Unit(benchmark::kMicrosecond);

// The page opened from the help window over a record of 100,000 events, until it has
// read the record and laid out its tables and chart.
void BM_RecordPageOpensOver100000Records(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("record.sqlite"));
    // 365 days of 8 windows with an answer every 9 seconds: 102,200 events.
    const std::vector<PlayEvent> events = daysOfPlay(QDate(2025, 1, 1), 365, 8, 9);
    write(path, events);
    state.counters["events"] = double(events.size());

    QuietServices services;
    AppContext app(services, QString());
    Stage stage;
    app.stage = &stage;
    stage.resize(1024, 768);
    WindowRegistry windows(app);
    app.windows = &windows;
    windows.attach(stage);
    registerShellWindows(windows);
    RecordWriter record(path, {});
    app.record = &record;
    record.flush(); // the file is open before the grown-up comes
    for (auto _ : state) {
        windows.open(QStringLiteral("FrmRecord"));
        state.PauseTiming();
        stage.unloadAll();
        ShellBench::settle();
        state.ResumeTiming();
    }
}
// The record is read on the writer's thread: CPU time counts every thread of the process.
BENCHMARK(BM_RecordPageOpensOver100000Records)
    ->MeasureProcessCPUTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

// The size of the record after a year of daily play: an hour a day in 12 windows, an
// answer every 5 seconds (267,180 events).
void BM_RecordSizeOfAYearOfDailyPlay(benchmark::State& state)
{
    for (auto _ : state) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("record.sqlite"));
        write(path, daysOfPlay(QDate(2025, 1, 1), 365, 12, 5));
        state.counters["MB"] = double(QFileInfo(path).size()) / (1024 * 1024);
    }
}
BENCHMARK(BM_RecordSizeOfAYearOfDailyPlay)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

SHELL_BENCH_MAIN()
