#pragma once
// Everything that touches the world outside the widgets: sound, speech, message boxes,
// the browser, other programs, the clock, chance, the screen and the end of the program.
// The program gets the Qt implementation; tests get a recording fake.

#include <QDateTime>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QUrl>

enum class MessageIcon { None, Information, Exclamation, Critical, Question };
enum class MessageButtons { Ok, YesNo, OkCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

class Services {
public:
    virtual ~Services() = default;

    // Plays a wave file asynchronously; a new sound cuts off the one still playing. A
    // missing file is silence; without any audio output the system beeps instead.
    virtual void playSound(const QString& path) = 0;
    // Speaks a text asynchronously; silence on any failure.
    virtual void speak(const QString& text) = 0;
    // Shows a message box and returns the answer. Without a title the box bears the
    // program's name.
    virtual MessageAnswer message(const QString& text, MessageIcon icon, MessageButtons buttons,
                                  const QString& title = QString()) = 0;
    // Opens a document or web address with the platform's handler; false on failure.
    virtual bool openUrl(const QUrl& url) = 0;
    // Starts a program; false when it cannot be started.
    virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;

    virtual QTime timeOfDay() = 0;
    virtual QDateTime now() = 0;    // the local date and time
    virtual qint64 tickCount() = 0; // milliseconds since some fixed moment

    // The random source: reseeded from the clock by every random-order call, then drawn.
    virtual void reseedRandom() = 0;
    virtual double nextUniform() = 0; // in [0, 1)

    // A problem with the data or the machine that the child cannot act on (a broken
    // course file, a missing picture): one line on stderr, always.
    virtual void warn(const QString& line) = 0;
    // One line of the --log trace ("open FrmChoose", "sound right" ...).
    virtual void log(const QString& line) = 0;
    // Ends the program with an exit status.
    virtual void quit(int status) = 0;
};
