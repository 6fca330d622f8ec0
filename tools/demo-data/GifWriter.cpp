#include "GifWriter.h"

#include "Fatal.h"

#include <gif_lib.h>

#include <cstring>

namespace {

int appendToBuffer(GifFileType* gif, const GifByteType* bytes, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), length);
    return length;
}

void check(int status, const char* what) {
    if (status != GIF_OK)
        fatal(QStringLiteral("giflib failed to write the %1").arg(QLatin1String(what)));
}

void putLoopForever(GifFileType* gif) {
    const char application[] = "NETSCAPE2.0";
    const GifByteType loop[] = {1, 0, 0}; // sub-block 1, repeat count 0 = for ever
    check(EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE), "loop");
    check(EGifPutExtensionBlock(gif, 11, application), "loop");
    check(EGifPutExtensionBlock(gif, 3, loop), "loop");
    check(EGifPutExtensionTrailer(gif), "loop");
}

void putFrame(GifFileType* gif, const GifFrame& frame) {
    // Ordered dithering keeps the flat colours of a drawing flat from frame to frame.
    const QImage indexed = frame.image.convertToFormat(
        QImage::Format_Indexed8, Qt::ColorOnly | Qt::OrderedDither | Qt::PreferDither);
    const QList<QRgb> table = indexed.colorTable();
    int bits = 1;
    while ((1 << bits) < table.size())
        ++bits;
    ColorMapObject* map = GifMakeMapObject(1 << bits, nullptr);
    for (int i = 0; i < (1 << bits); ++i) {
        const QRgb c = i < table.size() ? table[i] : 0;
        map->Colors[i] = {GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))};
    }

    GraphicsControlBlock gcb{};
    gcb.DisposalMode = DISPOSE_DO_NOT;
    gcb.DelayTime = frame.delayMs / 10;
    gcb.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    const size_t length = EGifGCBToExtension(&gcb, extension);
    check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension), "frame timing");

    const int w = indexed.width(), h = indexed.height();
    check(EGifPutImageDesc(gif, 0, 0, w, h, false, map), "frame header");
    for (int y = 0; y < h; ++y) {
        QByteArray line(reinterpret_cast<const char*>(indexed.constScanLine(y)), w);
        check(EGifPutLine(gif, reinterpret_cast<GifPixelType*>(line.data()), w), "frame");
    }
    GifFreeMapObject(map);
}

} // namespace

QByteArray encodeGif(const QList<GifFrame>& frames) {
    if (frames.isEmpty()) fatal(QStringLiteral("a GIF needs at least one frame"));
    QByteArray bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, appendToBuffer, &error);
    if (!gif) fatal(QStringLiteral("giflib cannot start a file (error %1)").arg(error));
    EGifSetGifVersion(gif, true);
    const QSize size = frames.first().image.size();
    check(EGifPutScreenDesc(gif, size.width(), size.height(), 8, 0, nullptr), "screen");
    if (frames.size() > 1) putLoopForever(gif);
    for (const GifFrame& frame : frames)
        putFrame(gif, frame);
    if (EGifCloseFile(gif, &error) != GIF_OK)
        fatal(QStringLiteral("giflib cannot finish a file (error %1)").arg(error));
    return bytes;
}
