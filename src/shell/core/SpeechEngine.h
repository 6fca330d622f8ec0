#pragma once
// Speaks item names with espeak-ng in Mandarin. Synthesis runs on a worker thread so the
// child's clicks never wait; the newest text wins over any still waiting or being spoken.
// Any failure is silence.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QThread>
#include <atomic>
#include <memory>

class QAudioSink;
class QBuffer;

// A text made audible: 16-bit mono samples. Empty when there is no voice for it.
struct Speech {
    QByteArray pcm;
    int sampleRate = 0;
};

// Turns a text into speech; always called on the engine's worker thread.
class Synthesiser {
public:
    virtual ~Synthesiser() = default;
    virtual Speech synthesise(const QString& text) = 0;
};

// espeak-ng with one voice; "cmn-latn-pinyin" reads the characters instead of the tone
// digits the plain "cmn" voice speaks.
class EspeakSynthesiser : public Synthesiser {
public:
    explicit EspeakSynthesiser(const QString& voice = QStringLiteral("cmn-latn-pinyin"));
    Speech synthesise(const QString& text) override;

private:
    QByteArray voice_;
};

class SpeechEngine : public QObject {
    Q_OBJECT
public:
    explicit SpeechEngine(
        std::unique_ptr<Synthesiser> synthesiser = std::make_unique<EspeakSynthesiser>());
    ~SpeechEngine() override;

    // Returns at once; cuts off the text being spoken. An empty text is only that cut.
    void speak(const QString& text);

protected:
    // The speech of the newest text, on this object's thread, never empty: played on the
    // default audio output, silence when there is none.
    virtual void output(const Speech& speech);

private:
    void stop();

    std::unique_ptr<Synthesiser> synthesiser_; // used on thread_ only
    QThread thread_;
    QObject* worker_ = nullptr; // lives on thread_
    std::atomic<int> generation_{0};
    std::unique_ptr<QBuffer> buffer_; // declared first: the sink reads it until it goes
    std::unique_ptr<QAudioSink> sink_;
};
