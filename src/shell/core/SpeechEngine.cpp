#include "shell/core/SpeechEngine.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <espeak-ng/speak_lib.h>

namespace {

// espeak-ng keeps global state; it is only ever touched from the worker thread.
int g_sampleRate = 0;
QByteArray* g_pcm = nullptr;

int collectSamples(short* samples, int count, espeak_EVENT*)
{
    if (samples && count > 0 && g_pcm)
        g_pcm->append(reinterpret_cast<const char*>(samples), count * int(sizeof(short)));
    return 0;
}

bool ensureEspeak()
{
    static bool tried = false;
    if (!tried) {
        tried = true;
        const int rate =
            espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (rate > 0 && espeak_SetVoiceByName("cmn-latn-pinyin") == EE_OK) {
            espeak_SetSynthCallback(collectSamples);
            g_sampleRate = rate;
        }
    }
    return g_sampleRate > 0;
}

QByteArray synthesise(const QString& text)
{
    QByteArray pcm;
    if (!ensureEspeak()) return pcm;
    const QByteArray utf8 = text.toUtf8();
    g_pcm = &pcm;
    espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8,
                 nullptr, nullptr);
    g_pcm = nullptr;
    return pcm;
}

} // namespace

SpeechEngine::SpeechEngine()
{
    worker_ = new QObject;
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_.start(QThread::LowPriority);
}

SpeechEngine::~SpeechEngine()
{
    generation_ = -1;
    thread_.quit();
    thread_.wait();
}

void SpeechEngine::speak(const QString& text)
{
    const int generation = ++generation_;
    if (sink_) sink_->stop();
    if (text.isEmpty()) return;
    QMetaObject::invokeMethod(worker_, [this, text, generation] {
        if (generation != generation_) return; // a newer text came in while this one waited
        const QByteArray pcm = synthesise(text);
        const int rate = g_sampleRate;
        QMetaObject::invokeMethod(this,
                                  [this, pcm, rate, generation] { play(pcm, rate, generation); });
    });
}

void SpeechEngine::play(const QByteArray& pcm, int sampleRate, int generation)
{
    if (generation != generation_ || pcm.isEmpty()) return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return;
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) return;
    sink_.reset();
    buffer_ = std::make_unique<QBuffer>();
    buffer_->setData(pcm);
    buffer_->open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->start(buffer_.get());
}
