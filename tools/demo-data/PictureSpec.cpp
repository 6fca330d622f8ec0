#include "PictureSpec.h"

#include "Fatal.h"

#include <QStringList>

namespace {

double number(const QString& text, const QString& where) {
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || v <= 0) fatal(QStringLiteral("%1: not a positive number: %2").arg(where, text));
    return v;
}

QColor parseColour(const QString& text, const QString& where) {
    const QColor c = QColor::fromString(text);
    if (!c.isValid()) fatal(QStringLiteral("%1: not a colour: %2").arg(where, text));
    return c;
}

} // namespace

bool PictureSpec::isShape() const {
    return subject == QLatin1String("pencil") || subject == QLatin1String("ribbon") ||
           subject == QLatin1String("caterpillar");
}

PictureSpec PictureSpec::parse(const QString& name, const QString& line) {
    PictureSpec spec;
    spec.name = name;
    const QStringList tokens = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (tokens.isEmpty()) fatal(QStringLiteral("%1: no picture given").arg(name));
    spec.subject = tokens.first();
    for (qsizetype i = 1; i < tokens.size(); ++i) {
        const QString key = tokens[i].section(QLatin1Char('='), 0, 0);
        const QString value = tokens[i].section(QLatin1Char('='), 1);
        if (key == QLatin1String("ground"))
            spec.ground = true;
        else if (key == QLatin1String("size"))
            spec.size = number(value, name);
        else if (key == QLatin1String("count"))
            spec.count = int(number(value, name));
        else if (key == QLatin1String("cell"))
            spec.cell = number(value, name);
        else if (key == QLatin1String("length"))
            spec.length = number(value, name);
        else if (key == QLatin1String("colour"))
            spec.colour = parseColour(value, name);
        else if (key == QLatin1String("frame"))
            spec.frame = parseColour(value, name);
        else if (key == QLatin1String("background"))
            spec.background = parseColour(value, name);
        else if (key == QLatin1String("stretch"))
            spec.stretch = {number(value.section(QLatin1Char(','), 0, 0), name),
                            number(value.section(QLatin1Char(','), 1, 1), name)};
        else
            fatal(QStringLiteral("%1: unknown option %2").arg(name, tokens[i]));
    }
    return spec;
}
