#pragma once
// The GUI application of a command-line tool: painting or a hidden widget need a platform,
// never a screen, and a build machine or a teacher's terminal has no desktop session, so
// Qt's complaint about the missing session directory would only worry the reader.

#include <QGuiApplication>
#include <memory>

namespace headless {

inline QtMessageHandler previousHandler = nullptr;

inline void withoutSessionWarning(QtMsgType type, const QMessageLogContext& context,
                                  const QString& text)
{
    if (text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR"))) return;
    previousHandler(type, context, text);
}

} // namespace headless

// QGuiApplication or QApplication on the offscreen platform (unless QT_QPA_PLATFORM says
// otherwise).
template <class Application>
std::unique_ptr<Application> makeHeadlessApplication(int& argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    headless::previousHandler = qInstallMessageHandler(headless::withoutSessionWarning);
    auto application = std::make_unique<Application>(argc, argv);
    qInstallMessageHandler(headless::previousHandler);
    return application;
}
