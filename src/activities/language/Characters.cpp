#include "activities/language/Characters.h"

QStringList charactersOf(const QString& text)
{
    QStringList characters;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2
                                                                                             : 1;
        characters << text.mid(i, length);
        i += length - 1;
    }
    return characters;
}
