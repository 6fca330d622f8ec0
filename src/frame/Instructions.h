#pragma once
// Spoken guidance for children who cannot read yet: an activity window may have a short
// instruction in the course 提示 (section 提示, key: the window name), such as "数一数，点出
// 和数字一样多的图片，再按确定". No course or no instruction means silence, nothing else.

#include "shell/core/AppContext.h"

#include <QString>

// The instruction of a window, or an empty text.
QString ReadInstruction(AppContext& app, const QString& windowName);
// Speaks the instruction of a window, if it has one.
void SpeakInstruction(AppContext& app, const QString& windowName);
