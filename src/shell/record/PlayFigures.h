#pragma once
// What a parent or teacher reads from the record: per day and area the time played, the
// rounds and how many were right, and the windows played most.

#include <QDate>
#include <QString>
#include <vector>

struct AreaDay {
    QDate day;
    QString area;
    qint64 seconds = 0; // time with a window of the area open, overlaps counted once
    int rounds = 0;     // answers judged
    int right = 0;

    bool operator==(const AreaDay&) const = default;
};

struct WindowFigures {
    QString window;
    QString title; // as it was last opened
    qint64 seconds = 0;
    int rounds = 0;
    int right = 0;
    int visits = 0; // how often it was opened

    bool operator==(const WindowFigures&) const = default;
};

struct PlayFigures {
    std::vector<AreaDay> days;          // newest day first; within a day by area
    std::vector<WindowFigures> windows; // most played first (time, then rounds)

    // Seconds played on a day, all areas together.
    qint64 secondsOn(const QDate& day) const;
    bool empty() const { return days.empty(); }
};

// "1小时5分", "12分", "40秒": a length of play as a parent reads it.
QString playedTime(qint64 seconds);
// "80%" for the share right of some rounds; "—" without rounds.
QString shareRight(int right, int rounds);

// The figures as text for a terminal, and as CSV (a header line, one line per day and
// area, newest first).
QString figuresText(const PlayFigures& figures, int mostPlayed);
QString figuresCsv(const PlayFigures& figures);
