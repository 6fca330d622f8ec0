#pragma once
// Plays the short wave files of the program: asynchronously, a new sound cutting off the
// one still playing, a missing file silent; a beep when the machine has no audio output.

#include <QString>
#include <memory>

class QSoundEffect;

class SoundPlayer {
public:
    SoundPlayer();
    virtual ~SoundPlayer();

    void play(const QString& path);

protected:
    virtual bool hasOutputDevice() const;
    virtual void beep();
    // Cuts off the sound still playing, if any.
    virtual void stop();
    // Starts a sound and returns at once.
    virtual void playFile(const QString& path);

private:
    std::unique_ptr<QSoundEffect> effect_; // made at the first sound, not at start-up
};
