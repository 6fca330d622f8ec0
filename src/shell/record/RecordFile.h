#pragma once
// The record of play on disk: an SQLite file in WAL mode with one table of window visits
// and one of answers. Every event is its own transaction, written through to the disk, so
// a crash or a power cut loses at most the event being written and never corrupts the
// file. One RecordFile is one connection: use it on one thread.

#include "shell/record/PlayEvent.h"
#include "shell/record/PlayFigures.h"

#include <QHash>
#include <QString>
#include <span>

class RecordFile {
public:
    enum class Access { ReadWrite, ReadOnly };

    RecordFile();
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // Opens the file (creating it and its folder for ReadWrite). False with error() set
    // when it cannot be opened, is not a record, or (ReadWrite) cannot be written.
    bool open(const QString& path, Access access);
    const QString& error() const { return error_; }

    // Writes one event. An answer in a window without an open visit opens one at the
    // answer, so no answer is lost.
    bool append(const PlayEvent& event) { return append(std::span(&event, 1)); }
    // Writes the events in one transaction: all of them or none.
    bool append(std::span<const PlayEvent> events);
    // Forgets every visit and answer.
    bool clear();

    // True when SQLite finds every page of the file sound.
    bool intact() const;

    PlayFigures figures(const QDate& since) const;
    // Every event in the order it happened (for checking a record against a session).
    std::vector<PlayEvent> events() const;

private:
    bool exec(const QString& statement);
    bool fail(const QString& what);
    qint64 openVisit(const PlayEvent& event);
    bool write(const PlayEvent& event);

    QString connection_;
    QString error_;
    QHash<QString, qint64> openVisits_; // window -> visit id of this program run
};
