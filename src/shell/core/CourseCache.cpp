#include "shell/core/CourseCache.h"

#include "shell/core/DataFiles.h"
#include "shell/data/CourseCarrier.h"

#include <QFileInfo>

namespace {

DecodedCourse parseInto(const QByteArray& bytes, const QString& path, QStringList& warnings)
{
    auto ini = std::make_shared<CourseIni>(CourseIni::parse(bytes));
    for (const QString& problem : ini->problems())
        warnings << QStringLiteral("%1: %2").arg(path, problem);
    return ini;
}

void warnAll(Services& services, const QStringList& lines)
{
    for (const QString& line : lines)
        services.warn(line);
}

} // namespace

CourseCache::CourseCache()
    : read_(ReadDataFile)
{
}

CourseCache::CourseCache(FileReader reader)
    : read_(std::move(reader))
{
}

CourseCache::Stamp CourseCache::stampOf(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists()) return {};
    return {true, info.size(), info.lastModified()};
}

bool CourseCache::upToDate(const Entry& entry, const Stamp& carrier,
                           const QString& plainIniPath) const
{
    return entry.carrier == carrier &&
           (!entry.plainIni || *entry.plainIni == stampOf(plainIniPath));
}

DecodedCourse CourseCache::course(Services& services, const QString& dataRoot,
                                  const QString& course)
{
    if (RefuseUnsafeName(services, QStringLiteral("course"), course)) return nullptr;
    const QString carrierPath = dataRoot + QStringLiteral("/pic/fmpic/%1.bmp").arg(course);
    const QString plainIniPath = dataRoot + QStringLiteral("/kc/%1.ini").arg(course);

    // The stamp is taken before the read: a file that changes during the read differs from it
    // at the next look and is read again.
    const Stamp carrier = stampOf(carrierPath);
    if (!carrier.exists) {
        entries_.remove(carrierPath);
        services.warn(QStringLiteral("Course %1: carrier %2 is missing").arg(course, carrierPath));
        return nullptr;
    }
    auto found = entries_.constFind(carrierPath);
    if (found == entries_.cend() || !upToDate(*found, carrier, plainIniPath)) {
        Entry entry = decode(services, course, carrierPath, carrier, plainIniPath);
        if (!entry.keep) {
            entries_.remove(carrierPath);
            warnAll(services, entry.warnings);
            return entry.ini;
        }
        found = entries_.insert(carrierPath, std::move(entry));
    }
    warnAll(services, found->warnings);
    return found->ini;
}

CourseCache::Entry CourseCache::decode(Services& services, const QString& course,
                                       const QString& carrierPath, const Stamp& carrier,
                                       const QString& plainIniPath)
{
    Entry entry{carrier, std::nullopt, nullptr, {}, true};
    const std::optional<QByteArray> file = read_(services, carrierPath);
    if (!file) {
        entry.keep = false;
        return entry;
    }
    const CourseCarrier::Contents contents = CourseCarrier::read(*file);
    if (contents.status == CourseCarrier::Status::Text) {
        entry.ini = parseInto(contents.text, carrierPath, entry.warnings);
        return entry;
    }
    if (contents.status != CourseCarrier::Status::NoText) {
        entry.warnings << QStringLiteral("Course %1: carrier %2 %3")
                              .arg(course, carrierPath, CourseCarrier::describe(contents.status));
        return entry;
    }

    // A bare bitmap leaves the course text to a plain ini beside it, if someone put one there.
    entry.ini = std::make_shared<CourseIni>();
    entry.plainIni = stampOf(plainIniPath);
    if (!entry.plainIni->exists) {
        entry.warnings << QStringLiteral("Course %1: carrier %2 holds no course text and %3 is "
                                         "missing")
                              .arg(course, carrierPath, plainIniPath);
        return entry;
    }
    const std::optional<QByteArray> plain = read_(services, plainIniPath);
    if (!plain) {
        entry.keep = false;
        return entry;
    }
    entry.ini = parseInto(*plain, plainIniPath, entry.warnings);
    return entry;
}
