#include "shell/core/QtServices.h"

#include "shell/core/BrowserCheck.h"
#include "shell/core/MessageBoxes.h"
#include "shell/core/SoundPlayer.h"
#include "shell/core/SpeechEngine.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <cstdio>

QtServices::QtServices(bool logEvents)
    : logEvents_(logEvents)
    , sound_(std::make_unique<SoundPlayer>())
{
    clock_.start();
}

QtServices::~QtServices() = default;

void QtServices::playSound(const QString& path)
{
    sound_->play(path);
}

void QtServices::speak(const QString& text)
{
    if (!speech_)
        speech_ = std::make_unique<SpeechEngine>(); // not at start-up: most windows never speak
    speech_->speak(text);
}

MessageAnswer QtServices::message(const QString& text, MessageIcon icon, MessageButtons buttons,
                                  const QString& title)
{
    log(QStringLiteral("message ") + text);
    const std::unique_ptr<QMessageBox> box =
        MakeMessageBox(dialogParent_, text, icon, buttons, title);
    return AnswerOf(QMessageBox::StandardButton(box->exec()));
}

bool QtServices::openUrl(const QUrl& url)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (!CanOpenInBrowser(url, BrowserProbe())) return false;
#endif
    return QDesktopServices::openUrl(url);
}

bool QtServices::startProgram(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

QTime QtServices::timeOfDay()
{
    return QTime::currentTime();
}

QDateTime QtServices::now()
{
    return QDateTime::currentDateTime();
}

qint64 QtServices::tickCount()
{
    return clock_.elapsed();
}

void QtServices::reseedRandom()
{
    // The clock stays part of the seed, but two calls within the same clock tick must not
    // repeat a permutation: the call count and the generator's own state go in as well.
    const auto msecs = quint64(QTime::currentTime().msecsSinceStartOfDay());
    const quint64 carry = random_();
    std::seed_seq seed{quint32(msecs), quint32(++reseedCount_), quint32(carry),
                       quint32(carry >> 32)};
    random_.seed(seed);
}

double QtServices::nextUniform()
{
    return double(random_() >> 11) * 0x1.0p-53; // 53 random bits in [0, 1)
}

void QtServices::warn(const QString& line)
{
    std::fprintf(stderr, "mindlark: %s\n", qUtf8Printable(line));
    std::fflush(stderr);
}

void QtServices::log(const QString& line)
{
    if (!logEvents_) return;
    std::fprintf(stderr, "%s\n", qUtf8Printable(line));
    std::fflush(stderr);
}

void QtServices::quit(int status)
{
    if (quitRequested_) return;
    quitRequested_ = true;
    quitStatus_ = status;
    log(QStringLiteral("exit ") + QString::number(status));
    // Queued, so that it also ends a program whose event loop has not started yet.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [status] { QCoreApplication::exit(status); },
        Qt::QueuedConnection);
}
