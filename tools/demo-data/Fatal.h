#pragma once
// The generator stops at the first fault in the content: a half-built data folder
// must never pass for a complete one.

#include <QString>

[[noreturn]] void fatal(const QString& message);
