#include "shell/core/DataFiles.h"

#include "shell/data/DataNames.h"

#include <QFile>

namespace {

// Carriers are a few kilobytes and photo halves a few hundred; anything near this is not
// course data, and reading it whole would only hurt.
constexpr qint64 MaxDataFileBytes = 64 * 1024 * 1024;

} // namespace

std::optional<QByteArray> ReadDataFile(Services& services, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        services.warn(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
        return std::nullopt;
    }
    if (file.size() > MaxDataFileBytes) {
        services.warn(
            QStringLiteral("Cannot read %1: larger than %2 bytes").arg(path).arg(MaxDataFileBytes));
        return std::nullopt;
    }
    return file.readAll();
}

bool RefuseUnsafeName(Services& services, const QString& kind, const QString& name)
{
    if (isSafeDataName(name)) return false;
    services.warn(QStringLiteral("Refused %1 name \"%2\": not a plain file name")
                      .arg(kind, printableName(name)));
    return true;
}
