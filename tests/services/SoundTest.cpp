// Sounds: the data folder's sound path, names from data that are not plain names, a new
// sound cutting off the one playing, a missing file's silence, and the beep of a machine
// without audio output.

#include "DataFixture.h"
#include "FakeServices.h"
#include "shell/core/Mdlmain.h"
#include "shell/core/SoundPlayer.h"

#include <gtest/gtest.h>

namespace {

// The player's output, recorded: "stop" for a cut, "play <file>" for a start.
class RecordedMachine : public SoundPlayer {
public:
    explicit RecordedMachine(bool device = true)
        : device_(device)
    {
    }
    int beeps = 0;
    QStringList events;

protected:
    bool hasOutputDevice() const override { return device_; }
    void beep() override { ++beeps; }
    void stop() override { events << QStringLiteral("stop"); }
    void playFile(const QString& path) override
    {
        events << QStringLiteral("play ") + path.section(QLatin1Char('/'), -1);
    }

private:
    bool device_;
};

TEST(PlayWave, WithoutAnOutputDeviceBeepsOnce)
{
    RecordedMachine player(false);
    player.play(QStringLiteral("/data/sheng/right.wav"));
    EXPECT_EQ(player.beeps, 1);
    EXPECT_TRUE(player.events.isEmpty());
}

TEST(PlayWave, ANewSoundCutsOffTheOneStillPlaying)
{
    DataFixture data;
    data.addFile(QStringLiteral("sheng/right.wav"), "RIFF");
    data.addFile(QStringLiteral("sheng/win.wav"), "RIFF");
    RecordedMachine player;
    player.play(data.path(QStringLiteral("sheng/right.wav")));
    player.play(data.path(QStringLiteral("sheng/win.wav")));
    EXPECT_EQ(player.events, QStringList({"stop", "play right.wav", "stop", "play win.wav"}));
    EXPECT_EQ(player.beeps, 0);
}

// The windows play "无", a name without a file, to silence a sound: it cuts off and plays
// nothing, not even a default sound.
TEST(PlayWave, AMissingFileOnlyCutsOffTheSoundPlaying)
{
    DataFixture data;
    data.addFile(QStringLiteral("sheng/right.wav"), "RIFF");
    RecordedMachine player;
    player.play(data.path(QStringLiteral("sheng/right.wav")));
    player.play(data.path(QStringLiteral("sheng/无.wav")));
    EXPECT_EQ(player.events, QStringList({"stop", "play right.wav", "stop"}));
    EXPECT_EQ(player.beeps, 0);
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
