#include "Wave.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>

QByteArray encodeWave(const std::vector<short>& samples, int sampleRate) {
    const quint32 dataBytes = quint32(samples.size() * 2);
    QByteArray out(44 + int(dataBytes), '\0');
    char* p = out.data();
    std::memcpy(p, "RIFF", 4);
    qToLittleEndian<quint32>(36 + dataBytes, p + 4);
    std::memcpy(p + 8, "WAVEfmt ", 8);
    qToLittleEndian<quint32>(16, p + 16);
    qToLittleEndian<quint16>(1, p + 20); // PCM
    qToLittleEndian<quint16>(1, p + 22); // mono
    qToLittleEndian<quint32>(quint32(sampleRate), p + 24);
    qToLittleEndian<quint32>(quint32(sampleRate * 2), p + 28);
    qToLittleEndian<quint16>(2, p + 32);
    qToLittleEndian<quint16>(16, p + 34);
    std::memcpy(p + 36, "data", 4);
    qToLittleEndian<quint32>(dataBytes, p + 40);
    for (size_t i = 0; i < samples.size(); ++i)
        qToLittleEndian<qint16>(samples[i], p + 44 + 2 * i);
    return out;
}

QByteArray encodeWave(const std::vector<float>& samples, int sampleRate) {
    std::vector<short> pcm(samples.size());
    std::transform(samples.begin(), samples.end(), pcm.begin(), [](float s) {
        return short(std::lround(std::clamp(s, -1.0f, 1.0f) * 32000.0f));
    });
    return encodeWave(pcm, sampleRate);
}
