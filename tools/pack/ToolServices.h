#pragma once
// Services for a command-line tool: warnings and message texts are collected (and echoed
// on stderr when asked), everything audible or visible is silent.

#include "shell/core/Services.h"

class ToolServices : public Services {
public:
    explicit ToolServices(bool echo)
        : echo_(echo)
    {
    }

    void playSound(const QString&) override {}
    void speak(const QString&) override {}
    MessageAnswer message(const QString& text, MessageIcon, MessageButtons,
                          const QString&) override;
    bool openUrl(const QUrl&) override { return false; }
    bool startProgram(const QString&, const QStringList&) override { return false; }
    QTime timeOfDay() override { return QTime::currentTime(); }
    QDateTime now() override { return QDateTime::currentDateTime(); }
    qint64 tickCount() override;
    void reseedRandom() override {}
    double nextUniform() override { return 0.0; }
    void warn(const QString& line) override;
    void log(const QString&) override {}
    void quit(int status) override { quitStatus = status; }

    QStringList lines;   // warnings and message texts, in order
    int quitStatus = -1; // the status asked for by quit(), -1 when none

private:
    bool echo_;
};
