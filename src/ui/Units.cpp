#include "ui/Units.h"

QString mapFontFace(const QString& designedFace)
{
    if (designedFace == QStringLiteral("黑体") || designedFace.isEmpty())
        return QStringLiteral("Noto Sans CJK SC");
    if (designedFace == QStringLiteral("宋体")) return QStringLiteral("Noto Serif CJK SC");
    return designedFace;
}

QFont makeFont(const QString& face, double points, bool bold)
{
    QFont font(mapFontFace(face));
    font.setPixelSize(fontPixelSize(points));
    font.setBold(bold);
    return font;
}
