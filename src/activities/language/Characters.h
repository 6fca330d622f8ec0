#pragma once
// The characters of a text as a child counts them: one per letter or Chinese character,
// also for the rare characters that take two UTF-16 units.

#include <QString>
#include <QStringList>

QStringList charactersOf(const QString& text);
