#pragma once
// The items of the course value read last, as a list that is right in every case.

#include "shell/core/AppContext.h"

#include <QStringList>

class TextBox;

// After LoadCourseItems: ItemList(1..ItemCount), except that an empty value has no items
// and a value without any space is the one item in Txtini (LoadCourseItems leaves ItemList
// untouched in both cases, so it would still hold the items of an earlier read).
QStringList ItemsJustRead(const AppContext& app, const TextBox& Txtini);
