// One course value read, as every activity window does at load: the lesson photos list of
// a realistic 课程 course (ten lessons of ten items) read through LoadCourseItems.

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

void BM_LoadCourseItems(benchmark::State& state)
{
    QTemporaryDir dir;
    write(dir.filePath("kc/课程.mdb"), {});
    write(dir.filePath("pic/fmpic/课程.bmp"), CourseCarrier::make(encodeGbk(courseText())));

    QuietServices services;
    AppContext app(services, dir.path());
    Stage stage;
    Form form(stage, QStringLiteral("FrmBench"), ScaleUnit::Pixels);
    TextBox& Txtini = *form.make<TextBox>(QStringLiteral("Txtini"));
    const QString section = QStringLiteral("课程图片");
    const QString key = QStringLiteral("第7课");
    const QString course = QStringLiteral("课程");

    for (auto _ : state) {
        LoadCourseItems(app, Txtini, section, key, course);
        benchmark::DoNotOptimize(app.ItemCount);
    }
    if (!services.problems.isEmpty())
        state.SkipWithError(
            qPrintable(QStringLiteral("data problem: ") + services.problems.first()));
    else if (app.ItemCount != 10)
        state.SkipWithError("the lesson did not read ten items");
}
BENCHMARK(BM_LoadCourseItems)->Unit(benchmark::kMicrosecond);

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
