#pragma once
// Services for benchmarks: no sound, no speech, no dialogs; whatever would have asked the
// child or warned about the data is kept in problems, so a benchmark can refuse to report
// figures measured on broken data.

#include "shell/core/Services.h"

#include <QStringList>

class QuietServices : public Services {
public:
    void playSound(const QString&) override {}
    void speak(const QString&) override {}
    MessageAnswer message(const QString& text, MessageIcon, MessageButtons, const QString&) override
    {
        problems << text;
        return MessageAnswer::Ok;
    }
    bool openUrl(const QUrl&) override { return false; }
    bool startProgram(const QString&, const QStringList&) override { return false; }
    QTime timeOfDay() override { return {}; }
    QDateTime now() override { return {}; }
    qint64 tickCount() override { return 0; }
    void reseedRandom() override {}
    double nextUniform() override { return 0.37; }
    void warn(const QString& line) override { problems << line; }
    void log(const QString&) override {}
    void quit(int) override { problems << QStringLiteral("quit"); }

    QStringList problems;
};
