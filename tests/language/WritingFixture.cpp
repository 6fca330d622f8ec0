#include "WritingFixture.h"

#include "activities/language/HandwritingPad.h"
#include "activities/language/LanguageWindows.h"
#include "shell/data/StrokeFile.h"

#include <QFile>
#include <QKeyEvent>
#include <QStandardPaths>

WritingFixture::WritingFixture(QStringList lessons, QSize screen, bool withModel)
    : fx(data.root(), screen)
    , savedHome_(qgetenv("XDG_DATA_HOME"))
    , savedModel_(qgetenv("MINDLARK_HANDWRITING_MODEL"))
{
    qputenv("XDG_DATA_HOME", QFile::encodeName(userHome.path()));
    if (!withModel) qputenv("MINDLARK_HANDWRITING_MODEL", QFile::encodeName(missingModel()));
    registerLanguageWindows(fx.windows);
    QString writing = QStringLiteral("[课程]\n");
    for (qsizetype i = 0; i < lessons.size(); ++i)
        writing += QStringLiteral("%1=%2\n").arg(i + 1).arg(lessons[i]);
    data.addCourse(QStringLiteral("输入法.ini"), writing);
    data.addCourse(QStringLiteral("课程.ini"), QStringLiteral("[课程图片]\n"
                                                              "动物=小猫 大象\n"
                                                              "身体=手\n"));
    fx.app.CurrentLesson = QStringLiteral("动物");
}

WritingFixture::~WritingFixture()
{
    fx.stage.unloadAll();
    StageFixture::settle();
    auto restore = [](const char* name, const QByteArray& value) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    };
    restore("XDG_DATA_HOME", savedHome_);
    restore("MINDLARK_HANDWRITING_MODEL", savedModel_);
}

void WritingFixture::type(const QString& text)
{
    for (const QString& c : text.split(QString(), Qt::SkipEmptyParts)) {
        QWidget* focused = fx.stage.focusWidget();
        if (!focused) return;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, c);
        QCoreApplication::sendEvent(focused, &press);
    }
}

void WritingFixture::waitUntilReady(HandwritingPad& pad)
{
    HandwritingModel::load(HandwritingModel::path()).waitForFinished();
    // The pad hears of the model through the event loop.
    for (int i = 0; i < 100 && !pad.isReady(); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void WritingFixture::writeOnPad(HandwritingPad& pad, const QList<QList<QPoint>>& strokes)
{
    QWidget* square = pad.writingArea();
    const double scale = square->width() / double(StrokeFile::BoxSide);
    auto at = [&](QPoint p) {
        return fx.onStage(square, QPoint(int(p.x() * scale), int(p.y() * scale)));
    };
    for (const QList<QPoint>& stroke : strokes) {
        QTest::mouseMove(screen(), at(stroke.first()));
        QTest::mousePress(screen(), Qt::LeftButton, {}, at(stroke.first()));
        for (const QPoint& p : stroke.mid(1))
            QTest::mouseMove(screen(), at(p));
        QTest::mouseRelease(screen(), Qt::LeftButton, {}, at(stroke.last()));
    }
}

QString WritingFixture::userData(const QString& file) const
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/data/") + file;
}

QList<QList<QPoint>> demoStrokes(const QString& character)
{
    QFile file(qEnvironmentVariable("MINDLARK_DEMO_DATA") + QStringLiteral("/data/") + character +
               QStringLiteral(".ini"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return StrokeFile::parse(file.readAll());
}

QString missingModel()
{
    return QStringLiteral("/nonexistent/handwriting.model");
}
