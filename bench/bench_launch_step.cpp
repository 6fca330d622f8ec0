// From the click on a step of the activity chooser to the first painted frame of the
// activity it opens, for a lesson of 20 photos at 1024 x 768: the lesson read, the photos
// joined and decoded, the window built and painted.

#include "ShellBench.h"
#include "frame/ActivityForm.h"
#include "shell/core/LessonPictures.h"
#include "shell/windows/FrmChoosekecheng.h"
#include "ui/ControlArray.h"
#include "ui/Image.h"

#include <QElapsedTimer>
#include <benchmark/benchmark.h>

namespace {

constexpr int Photos = 20;

// A picture activity's first frame: the lesson's photos in a grid.
class PhotoWall : public ActivityForm {
public:
    PhotoWall(AppContext& app, const QString& name)
        : ActivityForm(app, name)
    {
    }
    void Form_Load() override
    {
        for (int k = 1; k <= Photos; ++k) {
            auto* photo = make<Image>(QStringLiteral("Image1"));
            photo->Move(40 + (k - 1) % 5 * 190, 100 + (k - 1) / 5 * 150, 180, 135);
            photo->setPicture(app().ItemPictures[k]);
        }
    }
};

class FirstPaint : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) painted = true;
        return false;
    }
};

void BM_StepClickToFirstPaint(benchmark::State& state)
{
    ShellBench shell(Photos);
    shell.windows.add(windowOf<PhotoWall>(QStringLiteral("Frmdangtugzh")));
    shell.app.CurrentArea = QStringLiteral("语言");
    shell.windows.open(QStringLiteral("FrmMulu"));
    shell.app.CurrentLesson = QStringLiteral("第1课");
    auto* chooser = shell.windows.open<FrmChoosekecheng>(QStringLiteral("FrmChoosekecheng"));
    QWidget* step = &chooser->Img1[0];
    const QPoint at = step->mapTo(&shell.stage, step->rect().center());

    FirstPaint paint;
    QObject::connect(&shell.stage, &Stage::formLoaded, &shell.stage, [&paint](Form* form) {
        if (form->name() == QStringLiteral("Frmdangtugzh")) form->installEventFilter(&paint);
    });
    for (auto _ : state) {
        paint.painted = false;
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(shell.stage.windowHandle(), Qt::LeftButton, {}, at);
        while (!paint.painted)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);

        if (Form* activity = shell.windows.find(QStringLiteral("Frmdangtugzh"))) {
            activity->Unload();
            ShellBench::settle();
        }
    }
    if (shell.app.ItemPictures[Photos].isNull()) state.SkipWithError("photos did not load");
}
BENCHMARK(BM_StepClickToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond);

// The share of the photos alone: the lesson read, the halves joined and decoded.
void BM_LoadLessonPictures(benchmark::State& state)
{
    ShellBench shell(Photos);
    shell.app.CurrentLesson = QStringLiteral("第1课");
    auto* chooser = shell.windows.open<FrmChoosekecheng>(QStringLiteral("FrmChoosekecheng"));
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadLessonPictures(shell.app, *chooser->Txtini));
}
BENCHMARK(BM_LoadLessonPictures)->Unit(benchmark::kMillisecond);

} // namespace

SHELL_BENCH_MAIN()
