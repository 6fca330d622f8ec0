#pragma once
// Sound as the program plays it: 16-bit mono PCM in a RIFF WAVE file.

#include <QByteArray>
#include <vector>

QByteArray encodeWave(const std::vector<float>& samples, int sampleRate); // samples in -1..1
QByteArray encodeWave(const std::vector<short>& samples, int sampleRate);
