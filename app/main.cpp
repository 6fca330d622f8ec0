// Main: reads the options, finds the data folder, builds the shared state and the stage,
// and opens the main menu.

#include "shell/core/AppContext.h"
#include "shell/core/QtServices.h"
#include "shell/core/WindowRegistry.h"
#include "shell/record/RecordWriter.h"
#include "shell/windows/CommandLineLaunch.h"
#include "ui/Form.h"
#include "ui/Kiosk.h"
#include "ui/Stage.h"
#include "windows/AllWindows.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace {

bool holdsData(const QString& folder)
{
    return QFileInfo::exists(folder + QStringLiteral("/kc/课程.mdb"));
}

// --data, then $MINDLARK_DATA, then the program's folder when it holds data, then
// ../share/mindlark beside the program.
QString findDataRoot(const QString& option)
{
    if (!option.isEmpty()) return QDir(option).absolutePath();
    const QString fromEnv = qEnvironmentVariable("MINDLARK_DATA");
    if (!fromEnv.isEmpty()) return QDir(fromEnv).absolutePath();
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (holdsData(programFolder)) return programFolder;
    const QString installed = QDir::cleanPath(programFolder + QStringLiteral("/../share/mindlark"));
    return holdsData(installed) ? installed : programFolder;
}

// Ends the program once the first form on the stage has been painted (for start-up
// measurements).
class FirstPaintExit : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && qobject_cast<Form*>(watched))
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        return false;
    }
};

// The record of play lives in the user's data folder, never in the data root. A failure
// is said once on stderr, from the UI thread, and play goes on unrecorded.
std::unique_ptr<RecordWriter> startRecord(Services& services)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty()) {
        services.warn(QStringLiteral("No record of play: this user has no data folder"));
        return nullptr;
    }
    Services* warnings = &services;
    return std::make_unique<RecordWriter>(
        folder + QStringLiteral("/record.sqlite"), [warnings](const QString& message) {
            QMetaObject::invokeMethod(
                qApp, [warnings, message] { warnings->warn(message); }, Qt::QueuedConnection);
        });
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("mindlark"));
    QApplication::setApplicationVersion(QStringLiteral(MINDLARK_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Mindlark: picture exercises for children aged 3 to 7."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataOption(QStringLiteral("data"),
                                        QStringLiteral("Read the course data from <dir>."),
                                        QStringLiteral("dir"));
    const QCommandLineOption windowedOption(
        QStringLiteral("windowed"), QStringLiteral("Run in a <WxH> window instead of full screen."),
        QStringLiteral("WxH"));
    const QCommandLineOption logOption(QStringLiteral("log"),
                                       QStringLiteral("Write one line per event to stderr."));
    const QCommandLineOption firstPaintOption(
        QStringLiteral("exit-after-first-paint"),
        QStringLiteral("Quit as soon as the main menu is painted (start-up measurement)."));
    const QCommandLineOption launchOption(
        QStringLiteral("launch"),
        QStringLiteral("Open the window <name> over the main menu, as the catalogue or the "
                       "activity chooser would: a window name (FrmXunxushsh) or a catalogue "
                       "or step title (数数, 10以内加法)."),
        QStringLiteral("name"));
    const QCommandLineOption areaOption(
        QStringLiteral("area"),
        QStringLiteral("With --launch: choose the course area <area> first (语言, 数学, 认知, "
                       "填色, 手眼协调, 记忆力训练); its catalogue opens underneath."),
        QStringLiteral("area"));
    const QCommandLineOption lessonOption(
        QStringLiteral("lesson"),
        QStringLiteral("With --launch: choose the lesson <lesson> of the area first (语言 when "
                       "no --area is given) and load its photos; the activity chooser opens "
                       "underneath."),
        QStringLiteral("lesson"));
    const QCommandLineOption stretchOption(
        QStringLiteral("stretch"),
        QStringLiteral("Stretch the windows over the whole screen, each direction by its own "
                       "factor, instead of the largest 4:3 area in the middle of the screen."));
    const QCommandLineOption kioskOption(
        QStringLiteral("kiosk"),
        QStringLiteral("For kindergartens: the main menu's back picture ends the program only "
                       "when held for two seconds, closing the window, Alt+F4 and Escape do "
                       "nothing; a grown-up quits with Ctrl+Alt+Q."));
    parser.addOptions({dataOption, windowedOption, logOption, firstPaintOption, launchOption,
                       areaOption, lessonOption, stretchOption, kioskOption});
    parser.process(application);

    QSize windowed;
    if (parser.isSet(windowedOption)) {
        const auto match = QRegularExpression(QStringLiteral("^(\\d+)x(\\d+)$"))
                               .match(parser.value(windowedOption));
        if (!match.hasMatch() || match.captured(1).toInt() < 320 ||
            match.captured(2).toInt() < 240) {
            std::fprintf(stderr, "mindlark: --windowed wants a size such as 1024x768\n");
            return 2;
        }
        windowed = QSize(match.captured(1).toInt(), match.captured(2).toInt());
    }

    QtServices services(parser.isSet(logOption));
    AppContext app(services, findDataRoot(parser.value(dataOption)));
    // Before the stage, so that the windows closing with the program are still recorded.
    const std::unique_ptr<RecordWriter> record = startRecord(services);
    app.record = record.get();
    Stage stage;
    stage.setStretch(parser.isSet(stretchOption));
    if (parser.isSet(kioskOption)) enableKiosk(stage);
    app.stage = &stage;
    services.setDialogParent(&stage);
    WindowRegistry windows(app);
    app.windows = &windows;
    windows.attach(stage);
    registerAllWindows(windows);

    FirstPaintExit firstPaintExit;

    // Size the stage before showing it: without a window manager showFullScreen() alone
    // does not change the window's size.
    if (windowed.isValid()) {
        stage.resize(windowed);
        stage.show();
    } else {
        stage.setGeometry(QGuiApplication::primaryScreen()->geometry());
        stage.showFullScreen();
    }
    if (Form* menu = windows.open(QStringLiteral("FrmChoose"));
        menu && parser.isSet(firstPaintOption))
        menu->installEventFilter(&firstPaintExit);
    if (parser.isSet(launchOption) && stage.top()) {
        const LaunchRequest request{parser.value(launchOption), parser.value(areaOption),
                                    parser.value(lessonOption)};
        if (!LaunchFromCommandLine(app, request)) {
            services.warn(
                QStringLiteral("--launch %1: no window or title of that name").arg(request.target));
            return 2;
        }
    }
    return application.exec();
}
