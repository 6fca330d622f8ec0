#pragma once
// A stage with the shell's windows over a generated data folder, for the navigation
// benchmarks: offscreen, 1024 x 768, services that record nothing.

#include "DataFixture.h"
#include "FakeServices.h"
#include "shell/core/AppContext.h"
#include "shell/core/WindowRegistry.h"
#include "shell/windows/ShellWindows.h"
#include "ui/Form.h"
#include "ui/Stage.h"

#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QRandomGenerator>
#include <QTest>

// A photo with texture, so that decoding costs what a real photo costs.
inline QImage benchPhoto(int seed, QSize size = QSize(640, 480))
{
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    QPainter p(&image);
    p.fillRect(image.rect(), QColor::fromHsv(seed * 37 % 360, 120, 230));
    const int spot = std::max(8, size.width() / 10);
    for (int i = 0; i < 300; ++i) {
        p.setBrush(QColor::fromHsv(random.bounded(360), 200, random.bounded(120, 255)));
        p.drawEllipse(QPoint(random.bounded(size.width()), random.bounded(size.height())),
                      random.bounded(4, spot), random.bounded(4, spot));
    }
    return image;
}

// A 课程 course of ten lessons of `photos` items each, the steps of 语言 and their thumbnails.
inline void fillBenchData(DataFixture& data, int photos, QSize photoSize = QSize(640, 480))
{
    QString lessons, pictures;
    for (int lesson = 1; lesson <= 10; ++lesson) {
        const QString name = QStringLiteral("第%1课").arg(lesson);
        lessons += (lesson > 1 ? QStringLiteral(" ") : QString()) + name;
        QStringList items;
        for (int k = 1; k <= photos; ++k)
            items << QStringLiteral("物%1_%2").arg(lesson).arg(k);
        pictures += name + QLatin1Char('=') + items.join(QLatin1Char(' ')) + QLatin1Char('\n');
        if (lesson == 1)
            for (int k = 0; k < photos; ++k)
                data.addPhoto(items[k], benchPhoto(k, photoSize));
    }
    data.addCourse(QStringLiteral("课程"), QStringLiteral("[课程目录]\n课程目录=") + lessons +
                                               QStringLiteral("\n[课程图片]\n") + pictures);
    data.addCourse(QStringLiteral("步骤"),
                   QStringLiteral("[语言]\n1=单图学习\n2=多图学习\n3=文字学习\n4=看图认字\n"));
    for (const char* step : {"单图学习", "多图学习", "文字学习", "看图认字"})
        data.addFile(QStringLiteral("stepimage/%1.jpg").arg(QString::fromUtf8(step)),
                     DataFixture::jpeg(benchPhoto(99).scaled(160, 120)));
}

struct ShellBench {
    DataFixture data;
    FakeServices services;
    AppContext app{services, data.root()};
    Stage stage;
    WindowRegistry windows{app};

    explicit ShellBench(int photos, QSize photoSize = QSize(640, 480))
    {
        fillBenchData(data, photos, photoSize);
        app.stage = &stage;
        app.windows = &windows;
        windows.attach(stage);
        registerShellWindows(windows);
        stage.resize(1024, 768);
        stage.show();
        if (!QTest::qWaitForWindowExposed(&stage)) qFatal("the stage is not shown");
    }
    ~ShellBench()
    {
        stage.unloadAll();
        settle();
    }

    static void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
};

// Runs the benchmarks inside a QApplication on the offscreen platform.
#define SHELL_BENCH_MAIN()                                                                         \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QApplication application(argc, argv);                                                      \
        benchmark::Initialize(&argc, argv);                                                        \
        benchmark::RunSpecifiedBenchmarks();                                                       \
        benchmark::Shutdown();                                                                     \
        return 0;                                                                                  \
    }
