// Opening each mathematics window at 1024 x 768, from its load handler to its first painted
// frame: the course read, the pictures, the controls and one paint of the whole window.

#include "QuietServices.h"
#include "WindowBench.h"
#include "activities/math/MathWindows.h"
#include "shell/core/AppContext.h"
#include "shell/core/WindowRegistry.h"
#include "shell/data/CourseCarrier.h"
#include "shell/data/CourseIni.h"
#include "shell/data/SplitPhoto.h"
#include "ui/Form.h"
#include "ui/Stage.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const char* const Counting[] = {"苹果", "香蕉", "草莓", "橙子", "小猫",
                                "小狗", "兔子", "气球", "汽车", "蘑菇"};
const char* const Pairs[] = {"大苹果", "小苹果", "大西瓜", "小西瓜", "大树", "小树"};

void write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// A picture of the size the course pictures have, not a trivially small one.
QByteArray jpeg(int seed, int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, side, side);
    g.setColorAt(0, QColor::fromHsv(seed * 36 % 360, 120, 250));
    g.setColorAt(1, QColor::fromHsv(seed * 36 % 360, 220, 180));
    p.fillRect(image.rect(), g);
    p.setBrush(Qt::white);
    p.drawEllipse(QPoint(side / 2, side / 2), side / 3, side / 4);
    p.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 85);
    return bytes;
}

class DataFolder {
public:
    DataFolder()
    {
        write(dir.filePath("kc/课程.mdb"), {});
        QStringList counting;
        for (int i = 0; i < 10; ++i) {
            counting << QString::fromUtf8(Counting[i]);
            write(dir.filePath(QStringLiteral("pic/sxpic/%1.jpg").arg(counting.last())),
                  jpeg(i, 240));
        }
        for (int i = 0; i < 6; ++i) {
            const auto [first, second] = SplitPhoto::split(jpeg(i, 400));
            const QString item = QString::fromUtf8(Pairs[i]);
            write(dir.filePath(QStringLiteral("pic/kcpic/%1.zic").arg(item)), first);
            write(dir.filePath(QStringLiteral("pic/wzpic/%1.zic").arg(item)), second);
        }
        const QString course = QStringLiteral("[图片]\r\n图片=") + counting.join(' ') +
                               QStringLiteral("\r\n[项目]\r\n项目=比较大小 比较多少 比较长短\r\n"
                                              "[比较大小]\r\n1=大苹果 小苹果\r\n"
                                              "2=大西瓜 小西瓜\r\n3=大树 小树\r\n");
        write(dir.filePath("pic/fmpic/数学课程.bmp"), CourseCarrier::make(encodeGbk(course)));
    }
    QTemporaryDir dir;
};

void BM_OpenWindow(benchmark::State& state, const QString& window)
{
    DataFolder data;
    QuietServices services;
    AppContext app(services, data.dir.path());
    Stage stage;
    stage.resize(1024, 768);
    stage.show();
    WindowRegistry windows(app);
    app.stage = &stage;
    app.windows = &windows;
    windows.attach(stage);
    registerMathWindows(windows);
    app.ComparisonEntry = QStringLiteral("比较大小");

    WindowBench::measureOpening(state, windows, window);
    if (!services.problems.isEmpty())
        state.SkipWithError(
            qPrintable(QStringLiteral("data problem: ") + services.problems.first()));
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    for (const char* window : {"FrmXunxushshXue", "FrmXunxushshLX", "FrmXunxushshW", "FrmXunxushsh",
                               "FrmXunxuDuo", "FrmBijiaoMulu", "FrmBijiaoMuluda",
                               "FrmBijiaoMuluxiao", "FrmBijiao", "FrmBijiaoDa", "FrmBijiaoXiao"})
        benchmark::RegisterBenchmark(window, BM_OpenWindow, QString::fromLatin1(window))
            ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
