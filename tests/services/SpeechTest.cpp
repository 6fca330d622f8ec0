// Speech: synthesis off the caller's thread, the newest text winning over those still
// waiting, and the real espeak-ng voice (skipped where its data or the Mandarin voice is
// missing).

#include "shell/core/SpeechEngine.h"

#include <QSemaphore>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr int WaitMs = 10000;

// Holds every synthesis until the test lets it go; the speech carries its text.
class HeldSynthesiser : public Synthesiser {
public:
    QSemaphore started, released;
    QStringList texts; // in the order synthesised; read once the worker is held or done

    Speech synthesise(const QString& text) override
    {
        texts << text;
        started.release();
        released.tryAcquire(1, WaitMs);
        return {text.toUtf8(), 16000};
    }
};

class RecordedEngine : public SpeechEngine {
public:
    explicit RecordedEngine(std::unique_ptr<Synthesiser> synthesiser)
        : SpeechEngine(std::move(synthesiser))
    {
    }
    QStringList spoken;

protected:
    void output(const Speech& speech) override { spoken << QString::fromUtf8(speech.pcm); }
};

TEST(Speech, SpeakReturnsAtOnceAndOnlyTheNewestWaitingTextIsSpoken)
{
    auto owned = std::make_unique<HeldSynthesiser>();
    HeldSynthesiser& synthesiser = *owned;
    RecordedEngine engine(std::move(owned));

    engine.speak(QStringLiteral("苹果"));
    // speak has returned while the synthesis is still held: it runs on another thread.
    ASSERT_TRUE(synthesiser.started.tryAcquire(1, WaitMs));
    engine.speak(QStringLiteral("香蕉"));
    engine.speak(QStringLiteral("西瓜"));
    synthesiser.released.release(3);

    // The stale 苹果 was handed back before 西瓜, so once 西瓜 is out nothing else is coming.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !engine.spoken.isEmpty(); }, WaitMs));
    EXPECT_EQ(engine.spoken, QStringList{QStringLiteral("西瓜")});
    // 香蕉 was overtaken before its turn and never synthesised.
    EXPECT_EQ(synthesiser.texts, QStringList({QStringLiteral("苹果"), QStringLiteral("西瓜")}));
}

TEST(Speech, TheMandarinVoiceSpeaksAndAMissingVoiceIsSilence)
{
    EspeakSynthesiser mandarin;
    const Speech speech = mandarin.synthesise(QStringLiteral("苹果"));
    if (speech.pcm.isEmpty())
        GTEST_SKIP() << "espeak-ng data or its cmn-latn-pinyin voice is not installed";
    EXPECT_GT(speech.sampleRate, 0);
    // Two syllables last a good part of a second.
    EXPECT_GT(speech.pcm.size(), speech.sampleRate / 4 * 2);

    EspeakSynthesiser missing(QStringLiteral("no-such-voice"));
    EXPECT_TRUE(missing.synthesise(QStringLiteral("苹果")).pcm.isEmpty());
    // The missing voice leaves the real one working.
    EXPECT_FALSE(mandarin.synthesise(QStringLiteral("香蕉")).pcm.isEmpty());
}

} // namespace
