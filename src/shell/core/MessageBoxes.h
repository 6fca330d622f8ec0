#pragma once
// The program's message boxes, in the program's language.

#include "shell/core/Services.h"

#include <QMessageBox>
#include <memory>

// A box titled "Mindlark" (or the title given) with the text, icon and buttons; the buttons read
// "确定", "取消", "是" and "否" whatever the system's language.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, const QString& text, MessageIcon icon,
                                            MessageButtons buttons, const QString& title = {});

// The answer a button of such a box stands for.
MessageAnswer AnswerOf(QMessageBox::StandardButton button);
