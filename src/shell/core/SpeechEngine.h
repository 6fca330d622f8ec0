#pragma once
// Speaks item names with espeak-ng in Mandarin. Synthesis runs on a worker thread so the
// child's clicks never wait; a new text replaces the one being spoken. Any failure is
// silence.

#include <QByteArray>
#include <QObject>
#include <QThread>
#include <atomic>
#include <memory>

class QAudioSink;
class QBuffer;

class SpeechEngine : public QObject {
    Q_OBJECT
public:
    SpeechEngine();
    ~SpeechEngine() override;

    void speak(const QString& text);

private:
    void play(const QByteArray& pcm, int sampleRate, int generation);

    QThread thread_;
    QObject* worker_ = nullptr; // lives on thread_
    std::atomic<int> generation_{0};
    std::unique_ptr<QBuffer> buffer_; // declared first: the sink reads it until it goes
    std::unique_ptr<QAudioSink> sink_;
};
