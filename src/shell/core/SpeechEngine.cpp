#include "shell/core/SpeechEngine.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QMutex>
#include <espeak-ng/speak_lib.h>

namespace {

// espeak-ng keeps global state for the whole process: one synthesis at a time, whichever
// thread asks.
QMutex g_espeakLock;
int g_sampleRate = 0; // 0 until espeak-ng has started; -1 when it cannot
QByteArray g_voice;   // the voice espeak-ng has loaded
QByteArray* g_pcm = nullptr;

int collectSamples(short* samples, int count, espeak_EVENT*)
{
    if (samples && count > 0 && g_pcm)
        g_pcm->append(reinterpret_cast<const char*>(samples), count * int(sizeof(short)));
    return 0;
}

bool startEspeak()
{
    if (g_sampleRate == 0) {
        const int rate =
            espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
        g_sampleRate = rate > 0 ? rate : -1;
        if (rate > 0) espeak_SetSynthCallback(collectSamples);
    }
    return g_sampleRate > 0;
}

bool useVoice(const QByteArray& voice)
{
    if (g_voice == voice) return true;
    // A failed change may leave espeak-ng half switched: choose again next time.
    const bool ok = espeak_SetVoiceByName(voice.constData()) == EE_OK;
    g_voice = ok ? voice : QByteArray();
    return ok;
}

} // namespace

EspeakSynthesiser::EspeakSynthesiser(const QString& voice)
    : voice_(voice.toUtf8())
{
}

Speech EspeakSynthesiser::synthesise(const QString& text)
{
    QMutexLocker lock(&g_espeakLock);
    Speech speech;
    if (text.isEmpty() || !startEspeak() || !useVoice(voice_)) return speech;
    const QByteArray utf8 = text.toUtf8();
    g_pcm = &speech.pcm;
    espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8,
                 nullptr, nullptr);
    g_pcm = nullptr;
    if (!speech.pcm.isEmpty()) speech.sampleRate = g_sampleRate;
    return speech;
}

SpeechEngine::SpeechEngine(std::unique_ptr<Synthesiser> synthesiser)
    : synthesiser_(std::move(synthesiser))
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
    stop();
    if (text.isEmpty()) return;
    QMetaObject::invokeMethod(worker_, [this, text, generation] {
        if (generation != generation_) return; // a newer text came in while this one waited
        Speech speech = synthesiser_->synthesise(text);
        QMetaObject::invokeMethod(this, [this, speech = std::move(speech), generation] {
            // Without a voice there is nothing to play: silence.
            if (generation == generation_ && !speech.pcm.isEmpty()) output(speech);
        });
    });
}

void SpeechEngine::stop()
{
    if (sink_) sink_->stop();
}

void SpeechEngine::output(const Speech& speech)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return;
    QAudioFormat format;
    format.setSampleRate(speech.sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) return;
    sink_.reset();
    buffer_ = std::make_unique<QBuffer>();
    buffer_->setData(speech.pcm);
    buffer_->open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->start(buffer_.get());
}
