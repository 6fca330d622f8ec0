#pragma once
// The sequence list of the course 顺序推理 (section 顺序推理, key 1): the items in the order
// they come, which sequence reasoning and picture arrangement ask the child to respect.

#include "shell/core/AppContext.h"

#include <QStringList>

class ActivityForm;

// The sequence, at most as long as a picture table holds (100).
QStringList ReadSequenceList(ActivityForm& form);
// A sequence of fewer than two pictures has no order to find: says so and closes the
// window. True when the sequence can be played.
bool SequenceCanBePlayed(ActivityForm& form, const QStringList& sequence);
// The picture of a sequence item, from pic/顺序推理图.
QPixmap LoadSequencePicture(AppContext& app, const QString& item);
