#include "PictureRecipe.h"

#include "Fatal.h"

#include <QStringList>

namespace {

double number(const QString& text, const QString& where)
{
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || v <= 0) fatal(QStringLiteral("%1: not a positive number: %2").arg(where, text));
    return v;
}

QColor parseColour(const QString& text, const QString& where)
{
    const QColor c = QColor::fromString(text);
    if (!c.isValid()) fatal(QStringLiteral("%1: not a colour: %2").arg(where, text));
    return c;
}

} // namespace

bool PictureRecipe::isShape() const
{
    return subject == QLatin1String("pencil") || subject == QLatin1String("ribbon") ||
           subject == QLatin1String("caterpillar");
}

PictureRecipe PictureRecipe::parse(const QString& name, const QString& line)
{
    PictureRecipe recipe;
    recipe.name = name;
    const QStringList tokens = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (tokens.isEmpty()) fatal(QStringLiteral("%1: no picture given").arg(name));
    recipe.subject = tokens.first();
    for (qsizetype i = 1; i < tokens.size(); ++i) {
        const QString key = tokens[i].section(QLatin1Char('='), 0, 0);
        const QString value = tokens[i].section(QLatin1Char('='), 1);
        if (key == QLatin1String("ground"))
            recipe.ground = true;
        else if (key == QLatin1String("size"))
            recipe.size = number(value, name);
        else if (key == QLatin1String("count"))
            recipe.count = int(number(value, name));
        else if (key == QLatin1String("cell"))
            recipe.cell = number(value, name);
        else if (key == QLatin1String("length"))
            recipe.length = number(value, name);
        else if (key == QLatin1String("colour"))
            recipe.colour = parseColour(value, name);
        else if (key == QLatin1String("frame"))
            recipe.frame = parseColour(value, name);
        else if (key == QLatin1String("background"))
            recipe.background = parseColour(value, name);
        else if (key == QLatin1String("stretch"))
            recipe.stretch = {number(value.section(QLatin1Char(','), 0, 0), name),
                              number(value.section(QLatin1Char(','), 1, 1), name)};
        else
            fatal(QStringLiteral("%1: unknown option %2").arg(name, tokens[i]));
    }
    return recipe;
}
