#include "CourseFiles.h"

#include "DataFolder.h"
#include "DemoContent.h"
#include "Fatal.h"
#include "shell/data/CourseCarrier.h"

#include <QStringEncoder>

namespace {

QByteArray gbk(const QString& text, const QString& course)
{
    // Built from the name: QStringConverter::encodingForName("GBK") knows no GBK in Qt 6.4.
    QStringEncoder encoder("GBK");
    if (!encoder.isValid()) fatal(QStringLiteral("this Qt has no GBK encoder"));
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        fatal(QStringLiteral("the course %1 has text that GBK cannot hold").arg(course));
    return bytes;
}

void writeCarrier(const DataFolder& out, const QString& course, const ContentIni& ini)
{
    out.write(QStringLiteral("pic/fmpic/%1.bmp").arg(course),
              CourseCarrier::make(gbk(ini.windowsText(), course)));
}

// The words of the writing lessons ("写字3") are the names of the lesson's items.
ContentIni writingWords(const DemoContent& content)
{
    const IniSection* lessons =
        content.course(QStringLiteral("课程")).section(QStringLiteral("课程图片"));
    QString text = QStringLiteral("[课程图片]\n");
    for (const auto& [lesson, items] : lessons->entries)
        text += lesson + QLatin1Char('=') + items + QLatin1Char('\n');
    return ContentIni::parse(text);
}

} // namespace

void writeCourseFiles(const DemoContent& content, const DataFolder& out)
{
    out.write(QStringLiteral("kc/课程.mdb"),
              QByteArrayLiteral("Mindlark demo course: this file marks the data folder.\r\n"));
    for (auto it = content.courses.constBegin(); it != content.courses.constEnd(); ++it)
        writeCarrier(out, it.key(), it.value());
    if (!content.courses.contains(QStringLiteral("课程.ini")))
        writeCarrier(out, QStringLiteral("课程.ini"), writingWords(content));
}
