#include "shell/core/BrowserCheck.h"

#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

namespace {

// What xdg-open starts when no desktop entry handles the address and $BROWSER is not set:
// its graphical browsers (the text-mode ones it also tries would need a terminal).
const char* const FallbackBrowsers[] = {
    "x-www-browser", "firefox",   "iceweasel", "seamonkey",        "mozilla",
    "epiphany",      "konqueror", "chromium",  "chromium-browser", "google-chrome",
};

QString handledType(const QUrl& url)
{
    if (url.isLocalFile()) return QMimeDatabase().mimeTypeForFile(url.toLocalFile()).name();
    return QStringLiteral("x-scheme-handler/") + url.scheme();
}

} // namespace

QString BrowserProbe::findProgram(const QString& name) const
{
    return QStandardPaths::findExecutable(name);
}

QString BrowserProbe::output(const QString& program, const QStringList& arguments) const
{
    QProcess process;
    process.start(program, arguments, QIODevice::ReadOnly);
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

QString BrowserProbe::environment(const char* name) const
{
    return qEnvironmentVariable(name);
}

bool CanOpenInBrowser(const QUrl& url, const BrowserProbe& probe)
{
    if (probe.findProgram(QStringLiteral("xdg-open")).isEmpty()) return false;
    const QString xdgMime = probe.findProgram(QStringLiteral("xdg-mime"));
    if (!xdgMime.isEmpty() && !probe
                                   .output(xdgMime, {QStringLiteral("query"),
                                                     QStringLiteral("default"), handledType(url)})
                                   .isEmpty())
        return true;
    if (!probe.environment("BROWSER").isEmpty()) return true;
    for (const char* browser : FallbackBrowsers)
        if (!probe.findProgram(QString::fromLatin1(browser)).isEmpty()) return true;
    return false;
}
