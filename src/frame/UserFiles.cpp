#include "frame/UserFiles.h"

#include "shell/data/DataNames.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

QString userFolder(const QString& folder)
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return base.isEmpty() ? QString() : base + QLatin1Char('/') + folder;
}

} // namespace

QStringList UserFileFolders(const AppContext& app, const QString& folder)
{
    QStringList folders;
    if (const QString user = userFolder(folder); !user.isEmpty()) folders << user;
    folders << app.dataPath(folder);
    return folders;
}

QString FindUserFile(const AppContext& app, const QString& folder, const QString& fileName)
{
    if (!isSafeDataName(fileName)) return {};
    for (const QString& dir : UserFileFolders(app, folder)) {
        const QString path = dir + QLatin1Char('/') + fileName;
        if (QFileInfo(path).isFile()) return path;
    }
    return {};
}

QString SaveUserFile(AppContext& app, const QString& folder, const QString& fileName,
                     const QByteArray& bytes)
{
    if (!isSafeDataName(fileName)) {
        app.services.warn(QStringLiteral("Refused to save \"%1\": not a plain file name")
                              .arg(printableName(fileName)));
        return {};
    }
    QStringList tried;
    for (const QString& dir : {app.dataPath(folder), userFolder(folder)}) {
        if (dir.isEmpty()) continue;
        const QString path = dir + QLatin1Char('/') + fileName;
        tried << path;
        if (!QDir().mkpath(dir)) continue;
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
            return path;
    }
    app.services.warn(QStringLiteral("Could not save %1").arg(tried.join(QStringLiteral(" or "))));
    return {};
}
