#pragma once
// A record of play in a temporary folder, and events written the short way.

#include "shell/record/RecordFile.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <initializer_list>

// A moment of March 2026, local time.
inline qint64 at(int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(2026, 3, day), QTime(hour, minute, second)).toMSecsSinceEpoch();
}

inline PlayEvent event(PlayEvent::Kind kind, qint64 when, const QString& window,
                       const QString& area = QStringLiteral("数学"), const QString& lesson = {},
                       const QString& title = {})
{
    return {kind, when, area, lesson, window, title};
}

struct RecordOnDisk {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("user data/record.sqlite"));
    RecordFile file;

    RecordOnDisk()
    {
        EXPECT_TRUE(file.open(path, RecordFile::Access::ReadWrite)) << file.error().toStdString();
    }
    void add(std::initializer_list<PlayEvent> events)
    {
        for (const PlayEvent& e : events)
            EXPECT_TRUE(file.append(e)) << file.error().toStdString();
    }
};

inline void PrintTo(const PlayEvent& e, std::ostream* os)
{
    *os << int(e.kind) << " " << e.at << " " << e.area.toStdString() << "/"
        << e.lesson.toStdString() << "/" << e.window.toStdString() << "/" << e.title.toStdString();
}

inline void PrintTo(const AreaDay& d, std::ostream* os)
{
    *os << d.day.toString(Qt::ISODate).toStdString() << " " << d.area.toStdString() << " "
        << d.seconds << "s " << d.rounds << " rounds " << d.right << " right";
}
