#include "ui/Units.h"

#include <QFontMetrics>

namespace {

bool isDesignedChineseFace(const QString& face)
{
    return face == QStringLiteral("黑体") || face == QStringLiteral("宋体");
}

} // namespace

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

TextLines textLinesOf(const QString& designedFace, const QFont& font)
{
    if (isDesignedChineseFace(designedFace)) {
        const int em = font.pixelSize();
        return {int(std::lround(em * 0.859)), em};
    }
    const QFontMetrics metrics(font);
    return {metrics.ascent(), metrics.height()};
}

QString withDesignedBlanks(const QString& designedFace, const QString& text)
{
    if (!isDesignedChineseFace(designedFace)) return text;
    QString shown = text;
    // An en space is half an em in every font.
    shown.replace(QLatin1Char(' '), QChar(0x2002));
    return shown;
}
