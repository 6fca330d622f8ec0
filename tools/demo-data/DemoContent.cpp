#include "DemoContent.h"

#include "Fatal.h"

#include <QDir>
#include <QFile>

namespace {

// Course "X" is kept in "X.ini", so the course "输入法.ini" is kept in "输入法.ini.ini".
QString courseName(const QString& fileName)
{
    return fileName.chopped(4);
}

} // namespace

DemoContent DemoContent::load(const QString& folder)
{
    DemoContent content;
    const QDir dir(folder);
    const QDir courses(dir.filePath(QStringLiteral("courses")));
    const QStringList files = courses.entryList({QStringLiteral("*.ini")}, QDir::Files, QDir::Name);
    if (files.isEmpty()) fatal(QStringLiteral("no course files in %1").arg(courses.path()));
    for (const QString& file : files)
        content.courses.insert(courseName(file), ContentIni::load(courses.filePath(file)));
    content.pictures = ContentIni::load(dir.filePath(QStringLiteral("pictures.ini")));
    content.icons = ContentIni::load(dir.filePath(QStringLiteral("icons.ini")));
    content.strokes = ContentIni::load(dir.filePath(QStringLiteral("strokes.ini")));
    QFile handbook(dir.filePath(QStringLiteral("mindlark_handbook.htm")));
    if (!handbook.open(QIODevice::ReadOnly))
        fatal(QStringLiteral("cannot read %1").arg(handbook.fileName()));
    content.handbook = QString::fromUtf8(handbook.readAll());
    return content;
}

const ContentIni& DemoContent::course(const QString& name) const
{
    const auto it = courses.constFind(name);
    if (it == courses.constEnd())
        fatal(QStringLiteral("no course file for the course %1").arg(name));
    return *it;
}

PictureRecipe DemoContent::picture(const QString& name) const
{
    for (const IniSection& section : pictures.sections())
        for (const auto& [key, value] : section.entries)
            if (key == name) return PictureRecipe::parse(name, value);
    fatal(QStringLiteral("the picture table has no line for %1").arg(name));
}

QString DemoContent::icon(const QString& section, const QString& name) const
{
    const QString value = icons.value(section, name);
    if (value.isEmpty()) fatal(QStringLiteral("icons.ini has no %1 in [%2]").arg(name, section));
    return value;
}

QStringList DemoContent::photoItems() const
{
    QStringList items;
    auto add = [&](const QStringList& names) {
        for (const QString& name : names)
            if (!items.contains(name)) items.append(name);
    };
    if (const IniSection* lessons =
            course(QStringLiteral("课程")).section(QStringLiteral("课程图片")))
        for (const auto& [lesson, value] : lessons->entries)
            add(value.split(QLatin1Char(' ')));
    const ContentIni& math = course(QStringLiteral("数学课程"));
    for (const QString& entry : math.items(QStringLiteral("项目"), QStringLiteral("项目")))
        if (const IniSection* rounds = math.section(entry))
            for (const auto& [round, value] : rounds->entries)
                add(value.split(QLatin1Char(' ')));
    return items;
}

QStringList DemoContent::comparisonWords() const
{
    QStringList words;
    const ContentIni& math = course(QStringLiteral("数学课程"));
    for (const QString& entry : math.items(QStringLiteral("项目"), QStringLiteral("项目")))
        for (const QString& word : {entry.mid(2, 1), entry.mid(3, 1)})
            if (!word.isEmpty() && !words.contains(word)) words.append(word);
    return words;
}
