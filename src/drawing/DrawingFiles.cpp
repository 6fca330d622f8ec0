#include "drawing/DrawingFiles.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryFile>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// Plenty for any number of saves within one second.
constexpr int MaxSuffix = 1000;

// The written bytes are on the disk before the file takes its name, so that a power cut
// cannot leave an empty drawing under it.
bool syncToDisk(QFile& file)
{
    if (!file.flush()) return false;
#ifdef Q_OS_UNIX
    return ::fsync(file.handle()) == 0;
#else
    return true;
#endif
}

// Writes into folder; the file is renamed into place, which never replaces a file (a name
// taken meanwhile moves on to the next suffix).
SavedDrawing saveInto(const QImage& image, const QString& folder, const QString& name)
{
    if (!QDir().mkpath(folder)) return {{}, folder + QStringLiteral(": cannot create the folder")};
    QTemporaryFile file(folder + QStringLiteral("/.drawing-XXXXXX.bmp"));
    if (!file.open()) return {{}, folder + QStringLiteral(": ") + file.errorString()};
    if (!image.save(&file, "BMP") || !syncToDisk(file))
        return {{}, folder + QStringLiteral(": ") + file.errorString()};
    for (int k = 1; k <= MaxSuffix; ++k) {
        const QString path = folder + QLatin1Char('/') + name +
                             (k == 1 ? QString() : QStringLiteral("_%1").arg(k)) +
                             QStringLiteral(".bmp");
        if (QFileInfo::exists(path)) continue;
        if (file.rename(path)) {
            file.setAutoRemove(false);
            return {path, {}};
        }
        if (!QFileInfo::exists(path)) return {{}, path + QStringLiteral(": ") + file.errorString()};
    }
    return {{}, folder + QStringLiteral(": every name for ") + name + QStringLiteral(" is taken")};
}

} // namespace

QString DrawingName(const QDateTime& at)
{
    QString text = at.toString(QStringLiteral("yyyy-M-d H:mm:ss"));
    for (const QChar separator : {QLatin1Char('-'), QLatin1Char(' '), QLatin1Char(':')})
        text.remove(separator);
    return text;
}

QStringList DrawingFolders(const QString& dataRoot)
{
    QStringList folders{dataRoot + QStringLiteral("/我的绘画作品")};
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty()) folders << pictures + QStringLiteral("/Mindlark");
    return folders;
}

SavedDrawing SaveNewDrawing(const QImage& image, const QStringList& folders, const QString& name)
{
    SavedDrawing result{{}, QStringLiteral("no folder to save into")};
    for (const QString& folder : folders) {
        result = saveInto(image, folder, name);
        if (!result.path.isEmpty()) break;
    }
    return result;
}
