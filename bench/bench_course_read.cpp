// One course value read, as every activity window does at load: the lesson photos list of
// a realistic 课程 course (ten lessons of ten items). Through LoadCourseItems and without a
// widget, from the decoded-course cache; and with the carrier decoded for every read, as
// before there was a cache.

#include "QuietServices.h"
#include "shell/core/CourseStore.h"
#include "shell/data/CourseCarrier.h"
#include "shell/data/CourseIni.h"
#include "ui/Form.h"
#include "ui/Stage.h"
#include "ui/TextBox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const char* const Fruit[] = {"苹果", "香蕉", "梨",   "葡萄", "西瓜",
                             "草莓", "桃子", "橙子", "樱桃", "菠萝"};

QString courseText()
{
    QString lessons;
    QString pictures;
    for (int lesson = 1; lesson <= 10; ++lesson) {
        const QString name = QStringLiteral("第%1课").arg(lesson);
        lessons += (lesson > 1 ? " " : "") + name;
        QStringList items;
        for (const char* fruit : Fruit)
            items << QString::fromUtf8(fruit) + QString::number(lesson);
        pictures += name + "=" + items.join(' ') + "\r\n";
    }
    return "[课程目录]\r\n课程目录=" + lessons + "\r\n[课程图片]\r\n" + pictures +
           "[分辨颜色]\r\n颜色=红 黄 蓝 绿\r\n[填色图片]\r\n1=花 树 房子\r\n";
}

void write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

struct CourseBench {
    QTemporaryDir dir;
    QuietServices services;
    AppContext app{services, dir.path()};
    const QString section = QStringLiteral("课程图片");
    const QString key = QStringLiteral("第7课");
    const QString course = QStringLiteral("课程");

    CourseBench()
    {
        write(dir.filePath("kc/课程.mdb"), {});
        write(dir.filePath("pic/fmpic/课程.bmp"), CourseCarrier::make(encodeGbk(courseText())));
    }

    void report(benchmark::State& state, int itemCount) const
    {
        if (!services.problems.isEmpty())
            state.SkipWithError(
                qPrintable(QStringLiteral("data problem: ") + services.problems.first()));
        else if (itemCount != 10)
            state.SkipWithError("the lesson did not read ten items");
    }
};

void BM_LoadCourseItems(benchmark::State& state)
{
    CourseBench bench;
    Stage stage;
    Form form(stage, QStringLiteral("FrmBench"), ScaleUnit::Pixels);
    TextBox& Txtini = *form.make<TextBox>(QStringLiteral("Txtini"));
    for (auto _ : state) {
        LoadCourseItems(bench.app, Txtini, bench.section, bench.key, bench.course);
        benchmark::DoNotOptimize(bench.app.ItemCount);
    }
    bench.report(state, bench.app.ItemCount);
}
BENCHMARK(BM_LoadCourseItems)->Unit(benchmark::kMicrosecond);

void BM_ReadCourseItemsCached(benchmark::State& state)
{
    CourseBench bench;
    CourseValue value;
    for (auto _ : state) {
        value = ReadCourseItems(bench.app, bench.section, bench.key, bench.course);
        benchmark::DoNotOptimize(value);
    }
    bench.report(state, int(value.items.size()));
}
BENCHMARK(BM_ReadCourseItemsCached)->Unit(benchmark::kMicrosecond);

// Every read finds an empty cache: the carrier is read and decoded each time.
void BM_ReadCourseItemsDecodedEachTime(benchmark::State& state)
{
    CourseBench bench;
    CourseValue value;
    for (auto _ : state) {
        bench.app.courses = CourseCache();
        value = ReadCourseItems(bench.app, bench.section, bench.key, bench.course);
        benchmark::DoNotOptimize(value);
    }
    bench.report(state, int(value.items.size()));
}
BENCHMARK(BM_ReadCourseItemsDecodedEachTime)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
