#include "Artwork.h"

#include "Animations.h"
#include "DataFolder.h"
#include "DemoContent.h"
#include "MenuPictures.h"
#include "SoundEffects.h"
#include "Speech.h"

namespace {

// The main menu shows its area pictures in 128-pixel boxes on the design screen. Drawn
// large and stored at 192 pixels they stay sharp up to 1536-pixel-wide screens and decode
// quickly: the normal pictures are read while the first frame is being prepared.
QImage menuSized(const QImage& drawn)
{
    return drawn.scaled(192, 192, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace

void writeMenuPictures(const DemoContent& content, const DataFolder& out)
{
    const IniSection* areas = content.icons.section(QStringLiteral("区域"));
    for (const auto& [area, value] : areas->entries) {
        const QString emoji = value.section(QLatin1Char(' '), 0, 0);
        const QColor colour = QColor::fromString(value.section(QLatin1Char(' '), 1, 1));
        out.writeImage(QStringLiteral("pic/menu/%1.png").arg(area),
                       menuSized(paintAreaPicture(area, emoji, colour, false)));
        out.writeImage(QStringLiteral("pic/menu/%1-hover.png").arg(area),
                       menuSized(paintAreaPicture(area, emoji, colour, true)));
    }
    for (const IniSection& area : content.course(QStringLiteral("步骤")).sections())
        for (const auto& [key, title] : area.entries)
            out.writeImage(QStringLiteral("stepimage/%1.jpg").arg(title),
                           paintStepThumbnail(title, content.icon(QStringLiteral("步骤"), title)));
}

void writeAnimations(const DataFolder& out)
{
    out.write(QStringLiteral("pic/fm.gif"), encodeGif(larkOverHills()));
    out.write(QStringLiteral("pic/good.gif"), encodeGif(goodTick()));
    out.write(QStringLiteral("pic/bad.gif"), encodeGif(badCross()));
}

void writeSounds(const DemoContent& content, const DataFolder& out)
{
    for (const auto& [name, wave] : soundEffects())
        out.write(QStringLiteral("sheng/%1.wav").arg(name), wave);
    for (const QString& word : content.comparisonWords())
        out.write(QStringLiteral("sheng/%1.wav").arg(word), speakWord(word));
}
