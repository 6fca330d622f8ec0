// Opening each window of finding the same, classification, colours, sequences and picture
// arrangement at 1024 x 768, from its load handler to its first painted frame: the course
// reads, the photos, the controls and one paint. And one step of a drag in the picture
// arrangement at 1920 x 1080, with ten pictures and their places on the window.

#include "QuietServices.h"
#include "ShellBench.h"
#include "WindowBench.h"
#include "activities/cognition/CognitionWindows.h"
#include "activities/cognition/FrmTupiangPl.h"

#include <QBuffer>
#include <benchmark/benchmark.h>

namespace {

constexpr int Categories = 7;
constexpr int PhotosPerCategory = 10;
constexpr int SequenceLength = 10; // the most the arrangement takes without a warning
const char* const Colours[] = {"白色", "灰色", "黑色", "红色", "橙色",
                               "黄色", "绿色", "蓝色", "紫色"};

// Categories of textured photos, the colours, and a sequence with its pictures.
void fillCognitionData(DataFixture& data)
{
    QStringList names;
    QString lessons = QStringLiteral("[课程图片]\n");
    for (int c = 1; c <= Categories; ++c) {
        names << QStringLiteral("类别%1").arg(c);
        QStringList items;
        for (int k = 1; k <= PhotosPerCategory; ++k) {
            items << QStringLiteral("物%1_%2").arg(c).arg(k);
            data.addPhoto(items.last(), benchPhoto(c * 100 + k));
        }
        lessons += names.last() + QLatin1Char('=') + items.join(QLatin1Char(' ')) + '\n';
    }
    QStringList colours;
    for (const char* colour : Colours) {
        colours << QString::fromUtf8(colour);
        data.addFile(QStringLiteral("pic/color/%1.jpg").arg(colours.last()),
                     DataFixture::jpeg(benchPhoto(colours.size())));
    }
    lessons += QStringLiteral("[分辨颜色]\n颜色=") + colours.join(QLatin1Char(' ')) + '\n';
    data.addCourse(QStringLiteral("课程"), lessons);
    data.addCourse(QStringLiteral("分类"), QStringLiteral("[类别]\n类别=") + names.join(' '));

    // The tick and the cross of the classification (Qt reads them by their content).
    for (const char* judgement : {"good", "bad"}) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        benchPhoto(judgement[0]).scaled(100, 100).save(&buffer, "PNG");
        data.addFile(QStringLiteral("pic/%1.gif").arg(QLatin1String(judgement)), png);
    }

    QStringList sequence;
    for (int k = 1; k <= SequenceLength; ++k) {
        sequence << QStringLiteral("步骤%1").arg(k);
        data.addFile(QStringLiteral("pic/顺序推理图/%1.jpg").arg(sequence.last()),
                     DataFixture::jpeg(benchPhoto(500 + k)));
    }
    data.addCourse(QStringLiteral("顺序推理"),
                   QStringLiteral("[顺序推理]\n1=") + sequence.join(QLatin1Char(' ')));
}

struct CognitionBench {
    DataFixture data;
    QuietServices services;
    AppContext app{services, data.root()};
    Stage stage;
    WindowRegistry windows{app};

    explicit CognitionBench(QSize screen)
    {
        fillCognitionData(data);
        app.stage = &stage;
        app.windows = &windows;
        windows.attach(stage);
        registerCognitionWindows(windows);
        stage.resize(screen);
        stage.show();
        if (!QTest::qWaitForWindowExposed(&stage)) qFatal("the stage is not shown");
    }
    ~CognitionBench()
    {
        stage.unloadAll();
        ShellBench::settle();
    }

    // Problems other than the one the sequence window reports when no lesson is chosen (it
    // then loads the sequence's own pictures, which is what is measured).
    QStringList dataProblems() const
    {
        QStringList problems = services.problems;
        problems.removeIf([](const QString& p) { return p.startsWith("FrmShunxutl: the lesson"); });
        return problems;
    }
};

void BM_OpenWindow(benchmark::State& state, const QString& window)
{
    CognitionBench bench(QSize(1024, 768));
    WindowBench::measureOpening(state, bench.windows, window);
    if (const QStringList problems = bench.dataProblems(); !problems.isEmpty())
        state.SkipWithError(qPrintable(QStringLiteral("data problem: ") + problems.first()));
}

void BM_DragStep(benchmark::State& state)
{
    CognitionBench bench(QSize(1920, 1080));
    auto* form = bench.windows.open<FrmTupiangPl>(QStringLiteral("FrmTupiangPl"));
    if (!form) {
        state.SkipWithError("the window did not open");
        return;
    }
    WindowBench::settle();
    QWidget& picture = form->Picture2[4];
    const QPoint from = picture.mapTo(&bench.stage, picture.rect().center());
    // Down towards the places and back, 7 pixels a step as a child's hand moves.
    WindowBench::measureDragSteps(state, bench.stage, picture, [from](int step) {
        return QPoint(from.x() + step % 60, 250 + ((step - 1) % 100) * 7);
    });
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    for (const char* window : {"FrmQtXiangtong", "FrmQtTonglei", "Frmfenglei", "FrmFengbysh",
                               "FrmShunxutl", "FrmTupiangPl"})
        benchmark::RegisterBenchmark((std::string("BM_OpenWindow/") + window).c_str(),
                                     BM_OpenWindow, QString::fromLatin1(window))
            ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_DragStep/FrmTupiangPl", BM_DragStep)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
