// Sounds: the data folder's sound path, names from data that are not plain names, and the
// beep of a machine without audio output.

#include "FakeServices.h"
#include "shell/core/Mdlmain.h"
#include "shell/core/SoundPlayer.h"

#include <gtest/gtest.h>

namespace {

class SilentMachine : public SoundPlayer {
public:
    int beeps = 0;
    QStringList played;

protected:
    bool hasOutputDevice() const override { return false; }
    void beep() override { ++beeps; }
    void playFile(const QString& path) override { played << path; }
};

TEST(PlayWave, WithoutAnOutputDeviceBeepsOnce)
{
    SilentMachine player;
    player.play(QStringLiteral("/data/sheng/right.wav"));
    EXPECT_EQ(player.beeps, 1);
    EXPECT_TRUE(player.played.isEmpty());
}

TEST(PlayWave, PlaysTheNamedWaveOfTheDataFolderAndLogsIt)
{
    FakeServices services;
    AppContext app(services, QStringLiteral("/srv/my data"));
    PlayWave(app, QStringLiteral("right"));
    PlayWave(app, QStringLiteral("无"));
    EXPECT_EQ(services.sounds, QStringList({QStringLiteral("/srv/my data/sheng/right.wav"),
                                            QStringLiteral("/srv/my data/sheng/无.wav")}));
    EXPECT_EQ(services.logLines,
              QStringList({QStringLiteral("sound right"), QStringLiteral("sound 无")}));
}

TEST(PlayWave, NamesThatWouldLeaveTheSoundFolderPlayNothing)
{
    FakeServices services;
    AppContext app(services, QStringLiteral("/data"));
    for (const QString& name : {QStringLiteral("../../etc/passwd"), QStringLiteral("a/b"),
                                QStringLiteral("a\\b"), QStringLiteral("bad\x01")})
        PlayWave(app, name);
    EXPECT_TRUE(services.sounds.isEmpty());
    EXPECT_EQ(services.warnings.size(), 4);
}

} // namespace
