#pragma once
// A course that cannot make a window's game (no categories, a category too small, a
// missing picture folder, a sequence of one picture): one line for whoever keeps the
// data, a message box for the grown-up beside the child, and only this window closes.

#include <QString>

class ActivityForm;

// The message of a course that does not fit the game.
inline const QString BadSettingsMessage = QStringLiteral("你的设置不对!");

void CloseForCourseProblem(ActivityForm& form, const QString& message, const QString& detail);
