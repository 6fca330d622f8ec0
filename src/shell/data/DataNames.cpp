#include "shell/data/DataNames.h"

bool isSafeDataName(const QString& name)
{
    if (name.isEmpty() || name.contains(QLatin1String(".."))) return false;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

QString printableName(const QString& name)
{
    QString shown;
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control)
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}
