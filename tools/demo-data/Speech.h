#pragma once
// Spoken words for the data folder, from espeak-ng's Mandarin voice.

#include <QByteArray>
#include <QString>

// The word spoken, as WAV bytes. Stops the generator when espeak-ng is not usable.
QByteArray speakWord(const QString& word);
