#include "Speech.h"

#include "Fatal.h"
#include "Wave.h"

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <vector>

namespace {

std::vector<short>* collecting = nullptr;

int collect(short* samples, int count, espeak_EVENT*) {
    if (samples && collecting) collecting->insert(collecting->end(), samples, samples + count);
    return 0;
}

int startEspeak() {
    espeak_ng_InitializePath(nullptr);
    espeak_ng_ERROR_CONTEXT context = nullptr;
    if (espeak_ng_Initialize(&context) != ENS_OK) fatal(QStringLiteral("espeak-ng cannot start"));
    if (espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr) != ENS_OK)
        fatal(QStringLiteral("espeak-ng cannot synthesise to memory"));
    espeak_SetSynthCallback(collect);
    // The plain "cmn" voice reads tone digits aloud; the pinyin voice does not.
    if (espeak_SetVoiceByName("cmn-latn-pinyin") != EE_OK)
        fatal(QStringLiteral("espeak-ng has no voice cmn-latn-pinyin"));
    espeak_SetParameter(espeakRATE, 130, 0);
    return espeak_ng_GetSampleRate();
}

} // namespace

QByteArray speakWord(const QString& word) {
    static const int sampleRate = startEspeak();
    std::vector<short> samples;
    collecting = &samples;
    const QByteArray text = word.toUtf8();
    espeak_Synth(text.constData(), size_t(text.size() + 1), 0, POS_CHARACTER, 0, espeakCHARS_UTF8,
                 nullptr, nullptr);
    espeak_Synchronize();
    collecting = nullptr;
    if (samples.empty()) fatal(QStringLiteral("espeak-ng said nothing for \"%1\"").arg(word));
    return encodeWave(samples, sampleRate);
}
