#include "SoundEffects.h"

#include "Wave.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr int Rate = 22050;

class Track {
public:
    explicit Track(double seconds)
        : m_samples(size_t(seconds * Rate), 0.0f) {}

    // A bell-like note: a few harmonics, a quick attack and an exponential fade.
    void bell(double at, double frequency, double seconds, double volume) {
        note(at, frequency, seconds, volume, {1.0, 0.35, 0.12, 0.05}, 5.0 / seconds);
    }

    // A rounder, buzzier note for the "not quite" sounds, with a gentle fade.
    void buzz(double at, double frequency, double seconds, double volume) {
        note(at, frequency, seconds, volume, {1.0, 0.0, 0.3, 0.0, 0.12}, 2.5 / seconds);
    }

    // A brassy note for the fanfare: many harmonics, held, then faded.
    void horn(double at, double frequency, double seconds, double volume) {
        note(at, frequency, seconds, volume, {1.0, 0.6, 0.4, 0.25, 0.12, 0.06}, 1.5 / seconds);
    }

    // A pitch that slides from one frequency to another: the soft "whoop" of a miss.
    void glide(double at, double from, double to, double seconds, double volume) {
        double phase = 0;
        const size_t first = size_t(at * Rate), count = size_t(seconds * Rate);
        for (size_t i = 0; i < count && first + i < m_samples.size(); ++i) {
            const double t = double(i) / count;
            phase += 2 * std::numbers::pi * (from + (to - from) * t) / Rate;
            const double envelope = std::sin(std::numbers::pi * t);
            m_samples[first + i] += float(volume * envelope * std::sin(phase));
        }
    }

    std::vector<float> samples() const { return m_samples; }

private:
    void note(double at, double frequency, double seconds, double volume,
              std::initializer_list<double> harmonics, double fade) {
        const size_t first = size_t(at * Rate), count = size_t(seconds * Rate);
        double norm = 0;
        for (double h : harmonics)
            norm += h;
        for (size_t i = 0; i < count && first + i < m_samples.size(); ++i) {
            const double t = double(i) / Rate;
            const double attack = std::min(1.0, t / 0.008);
            const double release = std::min(1.0, double(count - i) / (0.01 * Rate));
            const double envelope = attack * release * std::exp(-fade * t);
            double s = 0;
            int n = 1;
            for (double h : harmonics)
                s += h * std::sin(2 * std::numbers::pi * frequency * n++ * t);
            m_samples[first + i] += float(volume * envelope * s / norm);
        }
    }

    std::vector<float> m_samples;
};

// Note frequencies by name, equal temperament around A4 = 440 Hz.
double pitch(int semitonesFromA4) {
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

constexpr int C5 = 3, E5 = 7, G5 = 10, C6 = 15, E6 = 19, G6 = 22, D4 = -7, G4 = -2, A3 = -12,
              F3 = -16;

std::vector<float> right() {
    Track t(0.6);
    t.bell(0.00, pitch(C6), 0.5, 0.45);
    t.bell(0.09, pitch(E6), 0.5, 0.40);
    t.bell(0.18, pitch(G6), 0.42, 0.40);
    return t.samples();
}

std::vector<float> error() {
    Track t(0.45);
    t.buzz(0.00, pitch(A3), 0.2, 0.35);
    t.buzz(0.18, pitch(F3), 0.26, 0.35);
    return t.samples();
}

std::vector<float> win() {
    Track t(1.3);
    t.horn(0.00, pitch(C5), 0.16, 0.35);
    t.horn(0.15, pitch(E5), 0.16, 0.35);
    t.horn(0.30, pitch(G5), 0.16, 0.35);
    t.horn(0.45, pitch(C6), 0.8, 0.40);
    t.horn(0.45, pitch(E5), 0.8, 0.20);
    t.bell(0.45, pitch(G6), 0.8, 0.15);
    return t.samples();
}

std::vector<float> pieceFits() {
    Track t(0.3);
    t.bell(0.0, pitch(E6), 0.3, 0.45);
    t.bell(0.0, pitch(E6 + 12), 0.2, 0.10);
    return t.samples();
}

std::vector<float> pieceReturns() {
    Track t(0.16);
    t.glide(0.0, 620, 330, 0.16, 0.30);
    return t.samples();
}

std::vector<float> click() {
    Track t(0.05);
    t.bell(0.0, 1800, 0.05, 0.35);
    return t.samples();
}

std::vector<float> no() {
    Track t(0.42);
    t.buzz(0.00, pitch(G4), 0.17, 0.32);
    t.buzz(0.16, pitch(D4), 0.26, 0.32);
    return t.samples();
}

std::vector<float> silence() {
    return Track(0.05).samples();
}

} // namespace

QList<std::pair<QString, QByteArray>> soundEffects() {
    return {
        {QStringLiteral("right"), encodeWave(right(), Rate)},
        {QStringLiteral("error"), encodeWave(error(), Rate)},
        {QStringLiteral("win"), encodeWave(win(), Rate)},
        {QStringLiteral("pingturight"), encodeWave(pieceFits(), Rate)},
        {QStringLiteral("mousemove"), encodeWave(pieceReturns(), Rate)},
        {QStringLiteral("clickform"), encodeWave(click(), Rate)},
        {QStringLiteral("no"), encodeWave(no(), Rate)},
        {QStringLiteral("无"), encodeWave(silence(), Rate)},
    };
}
