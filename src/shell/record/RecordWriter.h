#pragma once
// The program's record of play: events are queued by the UI thread and written by a
// thread of its own, one transaction each, so recording costs the child nothing. When the
// file cannot be opened or written, the failure is reported once and play goes on
// without a record.

#include "shell/record/PlayRecord.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class RecordFile;

class RecordWriter : public PlayRecord {
public:
    using Failure = std::function<void(const QString& message)>;

    // Opens path on the writer's thread; onFailure is called there, at most once.
    RecordWriter(const QString& path, Failure onFailure);
    // Writes everything still queued, then stops.
    ~RecordWriter() override;

    void add(const PlayEvent& event) override;
    PlayFigures figures(const QDate& since) override;
    bool clear() override;

    // Waits until everything queued is written.
    void flush();

private:
    using Task = std::function<void(RecordFile&)>;
    void post(Task task);
    void run(const QString& path);
    void failed(const QString& message);

    Failure onFailure_;
    std::mutex mutex_;
    std::condition_variable wake_, idle_;
    std::deque<Task> tasks_;
    bool busy_ = false;
    bool stopping_ = false;
    bool broken_ = false; // nothing more is written after a failure
    std::thread thread_;
};
