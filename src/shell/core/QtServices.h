#pragma once
// The services of the running program, on Qt: QSoundEffect, espeak-ng, QMessageBox,
// QDesktopServices, QProcess and the system clock.

#include "shell/core/Services.h"

#include <QElapsedTimer>
#include <memory>
#include <random>

class QWidget;
class SoundPlayer;
class SpeechEngine;

class QtServices : public Services {
public:
    explicit QtServices(bool logEvents);
    ~QtServices() override;

    void setDialogParent(QWidget* parent) { dialogParent_ = parent; }

    void playSound(const QString& path) override;
    void speak(const QString& text) override;
    MessageAnswer message(const QString& text, MessageIcon icon, MessageButtons buttons,
                          const QString& title) override;
    bool openUrl(const QUrl& url) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
    QTime timeOfDay() override;
    QDateTime now() override;
    qint64 tickCount() override;
    void reseedRandom() override;
    double nextUniform() override;
    void warn(const QString& line) override;
    void log(const QString& line) override;
    void quit(int status) override;

    bool quitRequested() const { return quitRequested_; }
    int quitStatus() const { return quitStatus_; }

private:
    bool logEvents_;
    QWidget* dialogParent_ = nullptr;
    std::unique_ptr<SoundPlayer> sound_;
    std::unique_ptr<SpeechEngine> speech_;
    QElapsedTimer clock_;
    std::mt19937_64 random_;
    quint64 reseedCount_ = 0;
    bool quitRequested_ = false;
    int quitStatus_ = 0;
};
