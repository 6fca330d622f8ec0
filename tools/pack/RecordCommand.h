#pragma once
// mindlark-pack record: the figures of a record of play, for teachers with many machines.

#include <QStringList>

// args: [--since yyyy-mm-dd] [--csv] FILE. Exit status 0, 1 when the file is no readable
// record, 64 for wrong arguments.
int printRecord(const QStringList& args);
