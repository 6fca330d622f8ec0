#include "shell/core/CourseStore.h"

#include "shell/data/CourseCarrier.h"
#include "shell/data/DataNames.h"
#include "shell/data/SplitPhoto.h"
#include "ui/TextBox.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Carriers are a few kilobytes and photo halves a few hundred; anything near this is not
// course data, and reading it whole would only hurt.
constexpr qint64 MaxDataFileBytes = 64 * 1024 * 1024;

const QString MarkerPath = QStringLiteral("kc/课程.mdb");

bool refuseUnsafeName(AppContext& app, const QString& kind, const QString& name)
{
    if (isSafeDataName(name)) return false;
    app.services.warn(QStringLiteral("Refused %1 name \"%2\": not a plain file name")
                          .arg(kind, printableName(name)));
    return true;
}

CourseIni parseAndReport(AppContext& app, const QByteArray& bytes, const QString& path)
{
    CourseIni ini = CourseIni::parse(bytes);
    for (const QString& problem : ini.problems())
        app.services.warn(QStringLiteral("%1: %2").arg(path, problem));
    return ini;
}

// ItemList ends at index 200: a longer value keeps its first 200 items instead of writing
// past the end.
constexpr int MaxItems = 200;

void splitItems(AppContext& app, const QString& text)
{
    qsizetype start = 0;
    qsizetype space = text.indexOf(QLatin1Char(' '));
    while (space >= 0) {
        ++app.ItemIndex;
        app.ItemList[app.ItemIndex] = text.mid(start, space - start);
        if (app.ItemIndex == MaxItems) return;
        app.ItemList[app.ItemIndex + 1] = text.mid(space + 1);
        start = space + 1;
        space = text.indexOf(QLatin1Char(' '), start);
    }
}

} // namespace

std::optional<QByteArray> ReadDataFile(AppContext& app, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        app.services.warn(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
        return std::nullopt;
    }
    if (file.size() > MaxDataFileBytes) {
        app.services.warn(
            QStringLiteral("Cannot read %1: larger than %2 bytes").arg(path).arg(MaxDataFileBytes));
        return std::nullopt;
    }
    return file.readAll();
}

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

std::optional<CourseIni> ExtractCourseIni(AppContext& app, const QString& course)
{
    if (refuseUnsafeName(app, QStringLiteral("course"), course)) return std::nullopt;
    const QString carrierPath = app.dataPath(QStringLiteral("pic/fmpic/%1.bmp").arg(course));
    if (!QFileInfo::exists(carrierPath)) {
        app.services.warn(
            QStringLiteral("Course %1: carrier %2 is missing").arg(course, carrierPath));
        return std::nullopt;
    }
    const std::optional<QByteArray> file = ReadDataFile(app, carrierPath);
    if (!file) return std::nullopt;

    const CourseCarrier::Contents contents = CourseCarrier::read(*file);
    if (contents.status == CourseCarrier::Status::Text)
        return parseAndReport(app, contents.text, carrierPath);
    if (contents.status != CourseCarrier::Status::NoText) {
        app.services.warn(QStringLiteral("Course %1: carrier %2 %3")
                              .arg(course, carrierPath, CourseCarrier::describe(contents.status)));
        return std::nullopt;
    }

    // A bare bitmap leaves the course text to a plain ini beside it, if someone put one there.
    const QString iniPath = app.dataPath(QStringLiteral("kc/%1.ini").arg(course));
    if (!QFileInfo::exists(iniPath)) {
        app.services.warn(QStringLiteral("Course %1: carrier %2 holds no course text and %3 is "
                                         "missing")
                              .arg(course, carrierPath, iniPath));
        return CourseIni();
    }
    const std::optional<QByteArray> plain = ReadDataFile(app, iniPath);
    if (!plain) return CourseIni();
    return parseAndReport(app, *plain, iniPath);
}

void LoadCourseItems(AppContext& app, TextBox& Txtini, const QString& section, const QString& key,
                     const QString& course)
{
    app.ItemIndex = 0;
    if (!DataFolderPresent(app)) {
        EndForMissingDataFolder(app);
        return;
    }

    QString value;
    if (const std::optional<CourseIni> ini = ExtractCourseIni(app, course)) {
        value = ini->value(section, key);
        if (ini->valueBytes(section, key) > CourseIni::ValueBytes)
            app.services.warn(QStringLiteral("Course %1 [%2] %3: value longer than %4 bytes, cut")
                                  .arg(course, section, key)
                                  .arg(CourseIni::ValueBytes));
    }

    Txtini.setText(value);
    const QString text = Txtini.Text();
    app.ItemTextLength = int16_t(text.size());
    if (text.isEmpty())
        app.RoundIndex = 0;
    else
        splitItems(app, text);

    const bool overflow = app.ItemIndex == MaxItems;
    if (overflow)
        app.services.warn(QStringLiteral("Course %1 [%2] %3: more than %4 items, the first %4 used")
                              .arg(course, section, key)
                              .arg(MaxItems));
    app.ItemCount = int16_t(overflow ? MaxItems : app.ItemIndex + 1);
}

QByteArray RestorePicture(AppContext& app, const QString& item)
{
    if (refuseUnsafeName(app, QStringLiteral("item"), item)) return {};
    QByteArray halves[2];
    const QString folders[2] = {QStringLiteral("pic/kcpic/"), QStringLiteral("pic/wzpic/")};
    for (int i = 0; i < 2; ++i) {
        const QString path = app.dataPath(folders[i] + item + QStringLiteral(".zic"));
        if (!QFileInfo::exists(path)) {
            app.services.message(QStringLiteral("文件 ") + path + QStringLiteral(" 没有找到!"),
                                 MessageIcon::Exclamation, MessageButtons::YesNo);
            continue;
        }
        halves[i] = ReadDataFile(app, path).value_or(QByteArray());
    }
    return SplitPhoto::join(halves[0], halves[1]);
}

QPixmap LoadItemPicture(AppContext& app, const QString& item)
{
    // A photo without either half has had its message box already.
    const QByteArray photo = RestorePicture(app, item);
    if (photo.isEmpty()) return {};
    return DecodePicture(app, photo, QStringLiteral("Photo of item %1").arg(item));
}
