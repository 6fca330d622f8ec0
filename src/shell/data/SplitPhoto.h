#pragma once
// Lesson photos are stored as two halves in two folders; the photo is the first half's
// bytes followed by the second half's.

#include <QByteArray>
#include <utility>

namespace SplitPhoto {

inline std::pair<QByteArray, QByteArray> split(const QByteArray& photo)
{
    const qsizetype half = photo.size() / 2;
    return {photo.left(half), photo.mid(half)};
}

inline QByteArray join(const QByteArray& first, const QByteArray& second)
{
    return first + second;
}

} // namespace SplitPhoto
