#pragma once
// Decoded courses, each kept until its carrier changes on disk: a read costs a look at the
// file's size and time instead of a decode, and a teacher who edits the data folder while
// the program runs is seen at the next read.

#include "shell/core/Services.h"
#include "shell/data/CourseIni.h"

#include <QDateTime>
#include <QHash>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

using DecodedCourse = std::shared_ptr<const CourseIni>;

class CourseCache {
public:
    // Reads a whole file: ReadDataFile, unless a test wants to count or fail the reads.
    using FileReader = std::function<std::optional<QByteArray>(Services&, const QString& path)>;

    CourseCache();
    explicit CourseCache(FileReader reader);

    // The course carried by pic/fmpic/<course>.bmp below dataRoot, or by a plain
    // kc/<course>.ini beside a carrier without text; null when the carrier is missing or
    // broken. The data's problems are warned at every read, as if the file were read anew.
    DecodedCourse course(Services& services, const QString& dataRoot, const QString& course);

private:
    // What tells an edited file from the one decoded: a removed file, a new size or a new
    // modification time.
    struct Stamp {
        bool exists = false;
        qint64 size = 0;
        QDateTime modified;
        bool operator==(const Stamp&) const = default;
    };
    struct Entry {
        Stamp carrier;
        std::optional<Stamp> plainIni; // only when the course text came from kc/<course>.ini
        DecodedCourse ini;
        QStringList warnings;
        bool keep = true; // false when a file could not be read: try again at the next read
    };

    static Stamp stampOf(const QString& path);
    bool upToDate(const Entry& entry, const Stamp& carrier, const QString& plainIniPath) const;
    Entry decode(Services& services, const QString& course, const QString& carrierPath,
                 const Stamp& carrier, const QString& plainIniPath);

    FileReader read_;
    QHash<QString, Entry> entries_; // by carrier path
};
