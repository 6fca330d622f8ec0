#pragma once
// Reading the data folder safely: whole files of a sane size, under plain names only.

#include "shell/core/Services.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The whole file; std::nullopt, with a warning, when it cannot be read or is far too big to
// be course data.
std::optional<QByteArray> ReadDataFile(Services& services, const QString& path);

// True, with a warning, when a name that comes from course data is not a plain file name
// (kind says what the name is for: "course", "item").
bool RefuseUnsafeName(Services& services, const QString& kind, const QString& name);
