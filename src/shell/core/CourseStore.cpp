#include "shell/core/CourseStore.h"

#include "shell/core/DataFiles.h"
#include "shell/core/Mdlmain.h"
#include "shell/core/PhotoDecoder.h"
#include "shell/data/SplitPhoto.h"
#include "ui/TextBox.h"

#include <QFileInfo>

namespace {

const QString MarkerPath = QStringLiteral("kc/课程.mdb");

// ItemList ends at index 200.
constexpr int MaxItems = 200;

// The value as a classic text box would hold it, with a warning when the buffer cut it.
QString valueOf(AppContext& app, const CourseIni& ini, const QString& course,
                const QString& section, const QString& key, int maxBytes)
{
    if (ini.valueBytes(section, key) > maxBytes)
        app.services.warn(QStringLiteral("Course %1 [%2] %3: value longer than %4 bytes, cut")
                              .arg(course, section, key)
                              .arg(maxBytes));
    const QString value = ini.value(section, key, maxBytes);
    const qsizetype nul = value.indexOf(QChar(0));
    return nul < 0 ? value : value.left(nul);
}

QStringList splitItems(const QString& text)
{
    if (text.isEmpty()) return {};
    return text.split(QLatin1Char(' '));
}

// The read itself; std::nullopt when the data folder is gone and the program is ending.
std::optional<CourseValue> readValue(AppContext& app, const QString& section, const QString& key,
                                     const QString& course)
{
    if (!DataFolderPresent(app)) {
        EndForMissingDataFolder(app);
        return std::nullopt;
    }
    CourseValue value;
    if (const DecodedCourse ini = ExtractCourseIni(app, course))
        value.text = valueOf(app, *ini, course, section, key, CourseIni::ValueBytes);
    value.items = splitItems(value.text);
    if (value.items.size() > MaxItems) {
        app.services.warn(QStringLiteral("Course %1 [%2] %3: more than %4 items, the first %4 used")
                              .arg(course, section, key)
                              .arg(MaxItems));
        value.items.resize(MaxItems);
    }
    return value;
}

} // namespace

QPixmap DecodePicture(AppContext& app, const QByteArray& bytes, const QString& source)
{
    QPixmap picture;
    if (!picture.loadFromData(bytes))
        app.services.warn(QStringLiteral("%1 does not decode").arg(source));
    return picture;
}

bool DataFolderPresent(const AppContext& app)
{
    return QFileInfo::exists(app.dataPath(MarkerPath));
}

void EndForMissingDataFolder(AppContext& app)
{
    app.services.warn(QStringLiteral("No course data in %1: %2 is missing")
                          .arg(app.AppPath, app.dataPath(MarkerPath)));
    app.services.quit(2);
}

DecodedCourse ExtractCourseIni(AppContext& app, const QString& course)
{
    return app.courses.course(app.services, app.AppPath, course);
}

CourseValue ReadCourseItems(AppContext& app, const QString& section, const QString& key,
                            const QString& course)
{
    return readValue(app, section, key, course).value_or(CourseValue());
}

void ShareCourseItems(AppContext& app, TextBox& Txtini, const CourseValue& value)
{
    Txtini.setText(value.text);
    const QString& text = Txtini.Text();
    app.ItemTextLength = int16_t(text.size());
    if (text.isEmpty()) app.RoundIndex = 0;
    // One item per space and one after the last; without a space the classic split writes
    // nothing, so ItemList keeps what an earlier read left there.
    app.ItemIndex = int(std::min<qsizetype>(text.count(QLatin1Char(' ')), MaxItems));
    if (app.ItemIndex > 0)
        for (int k = 1; k <= value.items.size() && k <= MaxItems; ++k)
            app.ItemList[k] = value.items[k - 1];
    app.ItemCount = int16_t(std::min(app.ItemIndex + 1, MaxItems));
}

QStringList LoadCourseItems(AppContext& app, TextBox& Txtini, const QString& section,
                            const QString& key, const QString& course)
{
    app.ItemIndex = 0;
    const std::optional<CourseValue> value = readValue(app, section, key, course);
    if (!value) return {};
    ShareCourseItems(app, Txtini, *value);
    return value->items;
}

QStringList ReadNumberedValues(AppContext& app, const QString& section, const QString& course,
                               int last, bool stopAtEmpty, int maxBytes)
{
    QStringList values;
    const DecodedCourse ini = ExtractCourseIni(app, course);
    if (!ini) return values;
    for (int k = 1; k <= last; ++k) {
        const QString value = valueOf(app, *ini, course, section, QString::number(k), maxBytes);
        if (stopAtEmpty && value.isEmpty()) break;
        values << value;
    }
    return values;
}

QByteArray RestorePicture(AppContext& app, const QString& item)
{
    if (RefuseUnsafeName(app.services, QStringLiteral("item"), item)) return {};
    QByteArray halves[2];
    const QString folders[2] = {QStringLiteral("pic/kcpic/"), QStringLiteral("pic/wzpic/")};
    for (int i = 0; i < 2; ++i) {
        const QString path = app.dataPath(folders[i] + item + QStringLiteral(".zic"));
        if (!QFileInfo::exists(path)) {
            app.services.message(QStringLiteral("文件 ") + path + QStringLiteral(" 没有找到!"),
                                 MessageIcon::Exclamation, MessageButtons::YesNo);
            continue;
        }
        halves[i] = ReadDataFile(app.services, path).value_or(QByteArray());
    }
    return SplitPhoto::join(halves[0], halves[1]);
}

QList<QPixmap> LoadItemPictures(AppContext& app, const QStringList& items)
{
    // Reading stays on this thread, so that the messages for missing halves come one after
    // the other in item order; only the decoding, the slow part, is spread over the cores.
    QList<QByteArray> photos;
    photos.reserve(items.size());
    for (const QString& item : items)
        photos << RestorePicture(app, item);
    // No window shows a lesson photo larger than the stage, so no photo needs more pixels.
    QList<QImage> images = DecodePhotos(photos, ScreenSize(app));

    QList<QPixmap> pictures;
    pictures.reserve(items.size());
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (!photos[i].isEmpty() && images[i].isNull())
            app.services.warn(QStringLiteral("Photo of item %1 does not decode").arg(items[i]));
        pictures << QPixmap::fromImage(std::move(images[i]));
    }
    return pictures;
}

QPixmap LoadItemPicture(AppContext& app, const QString& item)
{
    return LoadItemPictures(app, {item}).constFirst();
}
