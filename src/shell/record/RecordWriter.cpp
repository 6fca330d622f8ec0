#include "shell/record/RecordWriter.h"

#include "shell/record/RecordFile.h"

#include <memory>
#include <optional>

RecordWriter::RecordWriter(const QString& path, Failure onFailure)
    : onFailure_(std::move(onFailure))
    , thread_([this, path] { run(path); })
{
}

RecordWriter::~RecordWriter()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void RecordWriter::post(Task task)
{
    {
        std::lock_guard lock(mutex_);
        if (broken_) return;
        tasks_.push_back(std::move(task));
    }
    wake_.notify_one();
}

void RecordWriter::add(const PlayEvent& event)
{
    post([this, event](RecordFile& file) {
        if (!file.append(event))
            failed(QStringLiteral("The record of play could not be written (%1); play goes on "
                                  "without it")
                       .arg(file.error()));
    });
}

PlayFigures RecordWriter::figures(const QDate& since)
{
    // Read on the writer's thread, after everything queued before: one connection, and
    // the figures include the answer just given.
    auto result = std::make_shared<std::optional<PlayFigures>>();
    post([result, since](RecordFile& file) { *result = file.figures(since); });
    flush();
    return result->value_or(PlayFigures{});
}

bool RecordWriter::clear()
{
    auto cleared = std::make_shared<bool>(false);
    post([this, cleared](RecordFile& file) {
        *cleared = file.clear();
        if (!*cleared)
            failed(
                QStringLiteral("The record of play could not be cleared (%1)").arg(file.error()));
    });
    flush();
    return *cleared;
}

void RecordWriter::flush()
{
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return tasks_.empty() && !busy_; });
}

void RecordWriter::failed(const QString& message)
{
    // The writer counts as busy until the failure is reported, so a flush returns only
    // after the message has gone out.
    bool wasBusy = false;
    {
        std::lock_guard lock(mutex_);
        if (broken_) return;
        broken_ = true;
        tasks_.clear();
        wasBusy = busy_;
        busy_ = true;
    }
    if (onFailure_) onFailure_(message);
    {
        std::lock_guard lock(mutex_);
        busy_ = wasBusy;
    }
    idle_.notify_all();
}

void RecordWriter::run(const QString& path)
{
    RecordFile file;
    if (!file.open(path, RecordFile::Access::ReadWrite))
        failed(QStringLiteral("No record of play: %1 (%2); play goes on without it")
                   .arg(path, file.error()));
    std::unique_lock lock(mutex_);
    while (true) {
        wake_.wait(lock, [this] { return stopping_ || !tasks_.empty(); });
        if (tasks_.empty()) break; // stopping, and everything is written
        Task task = std::move(tasks_.front());
        tasks_.pop_front();
        busy_ = true;
        lock.unlock();
        task(file);
        lock.lock();
        busy_ = false;
        if (tasks_.empty()) idle_.notify_all();
    }
    idle_.notify_all();
}
