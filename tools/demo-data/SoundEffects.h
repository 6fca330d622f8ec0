#pragma once
// The short sounds of the exercises, synthesised: chimes for right answers, a soft buzz
// for wrong ones, a fanfare for a finished task.

#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

// (name, WAV bytes) for every sound the program plays by name from "sheng".
QList<std::pair<QString, QByteArray>> soundEffects();
