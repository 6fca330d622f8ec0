#pragma once
// The course carrier: a small bitmap with the scrambled course ini appended after the
// size its header declares. Shared by the program and by mindlark-pack.

#include <QByteArray>
#include <QString>

namespace CourseCarrier {

// The four characters whose codes scramble the tail, byte j with character j mod 4.
inline constexpr char Key[] = "3-9-";

// XORs every byte with the cycling key; applying it twice restores the input.
void scramble(QByteArray& bytes);

enum class Status {
    Text,         // the carrier holds course text
    NoText,       // a plain bitmap: declared size equals the file length
    TooShort,     // fewer bytes than a bitmap header
    BadSignature, // not a bitmap
    BadSize,      // declared size negative, inside the header, or beyond the file
};

struct Contents {
    Status status = Status::NoText;
    QByteArray text; // unscrambled ini bytes (GBK) when status is Text
};

Contents read(const QByteArray& file);

// A valid small bitmap followed by the scrambled text.
QByteArray make(const QByteArray& text);

// A short English reason for a status other than Text and NoText.
QString describe(Status status);

} // namespace CourseCarrier
