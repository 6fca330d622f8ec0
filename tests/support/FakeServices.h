#pragma once
// Services for tests: records every sound, utterance, message, opened address, program
// start and log line; answers message boxes; makes chance and time scripted.

#include "shell/core/Services.h"

#include <QStringList>
#include <deque>
#include <vector>

class FakeServices : public Services {
public:
    void playSound(const QString& path) override { sounds << path; }
    void speak(const QString& text) override { spoken << text; }
    MessageAnswer message(const QString& text, MessageIcon, MessageButtons,
                          const QString& title) override
    {
        messages << text;
        messageTitles << title;
        return answer;
    }
    bool openUrl(const QUrl& url) override
    {
        openedUrls << url;
        return openSucceeds;
    }
    bool startProgram(const QString& program, const QStringList& arguments) override
    {
        startedPrograms << (QStringList{program} + arguments).join(QLatin1Char(' '));
        return startSucceeds;
    }
    QTime timeOfDay() override { return time; }
    QDateTime now() override { return QDateTime(date, time); }
    qint64 tickCount() override { return ticks; }
    void reseedRandom() override { ++reseeds; }
    // Scripted draws come first; after them every draw is 0 (the first choice).
    double nextUniform() override
    {
        if (uniforms.empty()) return 0.0;
        const double u = uniforms.front();
        uniforms.pop_front();
        return u;
    }
    void warn(const QString& line) override { warnings << line; }
    void log(const QString& line) override { logLines << line; }
    void quit(int status) override { quitStatuses.push_back(status); }

    // File names of the sounds played, without folder and extension ("right", "error").
    QStringList soundNames() const;
    // Scripts the draws so that the next MakeRandomOrder call of size perm.size() yields
    // exactly perm (1-based values).
    void scriptPermutation(const std::vector<int>& perm);
    void clearRecords();

    QStringList sounds, spoken, messages, messageTitles, warnings, logLines, startedPrograms;
    QList<QUrl> openedUrls;
    std::vector<int> quitStatuses;
    std::deque<double> uniforms;
    MessageAnswer answer = MessageAnswer::Ok;
    bool openSucceeds = true;
    bool startSucceeds = true;
    QDate date = QDate(2006, 5, 3);
    QTime time = QTime(10, 0);
    qint64 ticks = 0;
    int reseeds = 0;
};
