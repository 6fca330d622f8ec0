#include "shell/core/SoundPlayer.h"

#include <QApplication>
#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

SoundPlayer::SoundPlayer() = default;
SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::play(const QString& path)
{
    if (!hasOutputDevice()) {
        beep();
        return;
    }
    playFile(path);
}

bool SoundPlayer::hasOutputDevice() const
{
    return !QMediaDevices::audioOutputs().isEmpty();
}

void SoundPlayer::beep()
{
    QApplication::beep();
}

void SoundPlayer::playFile(const QString& path)
{
    if (!effect_) effect_ = std::make_unique<QSoundEffect>();
    // Never wait for a sound to end: just cut it off.
    effect_->stop();
    if (!QFileInfo::exists(path)) return; // a missing file is silence
    effect_->setSource(QUrl::fromLocalFile(path));
    effect_->play();
}
