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
    // Never wait for a sound to end: cut it off. A missing file cuts it off too (the windows
    // play a sound that is not there to silence one), and then plays nothing, not even a
    // default sound.
    stop();
    if (QFileInfo::exists(path)) playFile(path);
}

bool SoundPlayer::hasOutputDevice() const
{
    return !QMediaDevices::audioOutputs().isEmpty();
}

void SoundPlayer::beep()
{
    QApplication::beep();
}

void SoundPlayer::stop()
{
    if (effect_) effect_->stop();
}

void SoundPlayer::playFile(const QString& path)
{
    if (!effect_) effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(path));
    effect_->play();
}
