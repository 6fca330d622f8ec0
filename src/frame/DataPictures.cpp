#include "frame/DataPictures.h"

#include "shell/core/CourseStore.h"
#include "shell/core/DataFiles.h"
#include "shell/data/DataNames.h"

QPixmap LoadDataPicture(AppContext& app, const QString& folder, const QString& name,
                        const QString& extension)
{
    if (!isSafeDataName(name)) {
        app.services.warn(QStringLiteral("Refused picture name \"%1\": not a plain file name")
                              .arg(printableName(name)));
        return {};
    }
    const QString path =
        app.dataPath(folder + QLatin1Char('/') + name + QLatin1Char('.') + extension);
    const std::optional<QByteArray> bytes = ReadDataFile(app.services, path);
    if (!bytes) return {};
    return DecodePicture(app, *bytes, QStringLiteral("Picture %1").arg(path));
}
