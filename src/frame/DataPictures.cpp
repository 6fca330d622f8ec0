#include "frame/DataPictures.h"

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
    QPixmap picture;
    if (!picture.load(path)) app.services.warn(QStringLiteral("Cannot read picture %1").arg(path));
    return picture;
}
