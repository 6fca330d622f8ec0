#include "drawing/PixelPatch.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// Each record starts with a word: with the top bit set, that many pixels of the colour in
// the next word; without it, that many pixels stored word by word after it. Records follow
// the rows of the rectangle from top to bottom and run on from one row into the next.
constexpr quint32 RunBit = 0x80000000u;
// Shorter runs are cheaper as stored pixels.
constexpr quint32 MinRun = 3;

class Encoder {
public:
    explicit Encoder(std::vector<quint32>& out)
        : out_(out)
    {
    }

    // One row; a record at its start carries on the last record of the row before when it
    // can, so that an area of one colour stays one run however many rows it covers.
    void add(const QRgb* pixels, int count)
    {
        int i = 0;
        while (i < count) {
            int end = i + 1;
            while (end < count && pixels[end] == pixels[i])
                ++end;
            if (end - i >= int(MinRun)) {
                run(quint32(end - i), pixels[i]);
                i = end;
                continue;
            }
            // Stored pixels up to where the next run starts.
            while (end + 2 < count &&
                   !(pixels[end] == pixels[end + 1] && pixels[end] == pixels[end + 2]))
                ++end;
            if (end + 2 >= count) end = count;
            stored(pixels + i, quint32(end - i));
            i = end;
        }
    }

private:
    void run(quint32 length, QRgb colour)
    {
        if (run_ != None && out_[run_ + 1] == colour) {
            out_[run_] += length;
            return;
        }
        run_ = out_.size();
        stored_ = None;
        out_.push_back(RunBit | length);
        out_.push_back(colour);
    }

    void stored(const QRgb* pixels, quint32 length)
    {
        if (stored_ == None) {
            stored_ = out_.size();
            run_ = None;
            out_.push_back(0);
        }
        out_[stored_] += length;
        out_.insert(out_.end(), pixels, pixels + length);
    }

    static constexpr std::size_t None = std::size_t(-1);
    std::vector<quint32>& out_;
    std::size_t run_ = None;    // the header of the last record, when it is a run
    std::size_t stored_ = None; // the header of the last record, when it is stored pixels
};

// Writes pixels into the rectangle row after row, from its top left.
class Writer {
public:
    Writer(QImage& image, const QRect& area)
        : image_(image)
        , area_(area)
    {
    }

    template <class Put> void write(quint32 count, Put put)
    {
        while (count > 0) {
            auto* row = reinterpret_cast<QRgb*>(image_.scanLine(area_.top() + y_)) + area_.left();
            const quint32 n = std::min(count, quint32(area_.width() - x_));
            put(row + x_, n);
            count -= n;
            x_ += int(n);
            if (x_ == area_.width()) {
                x_ = 0;
                ++y_;
            }
        }
    }

private:
    QImage& image_;
    QRect area_;
    int x_ = 0;
    int y_ = 0;
};

} // namespace

PixelPatch::PixelPatch(const QImage& image, const QRect& area)
    : rect_(area.intersected(image.rect()))
    , raw_(image.copy(rect_))
{
}

PixelPatch::PixelPatch(const QRect& area, QImage pixels)
    : rect_(area)
    , raw_(std::move(pixels))
{
}

std::size_t PixelPatch::bytes() const
{
    return sizeof(*this) + std::size_t(raw_.sizeInBytes()) + words_.size() * sizeof(quint32);
}

const QRgb* PixelPatch::rawRow(int y) const
{
    const QPoint origin = raw_.size() == rect_.size() ? QPoint() : rect_.topLeft();
    return reinterpret_cast<const QRgb*>(raw_.constScanLine(origin.y() + y)) + origin.x();
}

QImage PixelPatch::pack()
{
    if (packed()) return {};
    // Encoded into room for the worst case first, so that a large patch is never copied
    // while it grows; then kept at its exact size.
    static thread_local std::vector<quint32> scratch;
    const std::size_t pixels = std::size_t(rect_.width()) * std::size_t(rect_.height());
    scratch.clear();
    scratch.reserve(pixels + pixels / MinRun + 2);
    Encoder encoder(scratch);
    for (int y = 0; y < rect_.height(); ++y)
        encoder.add(rawRow(y), rect_.width());
    words_.assign(scratch.begin(), scratch.end());
    // The room a whole-canvas patch needed is not kept for good.
    if (scratch.capacity() > (std::size_t(1) << 20)) std::vector<quint32>().swap(scratch);
    return std::exchange(raw_, QImage());
}

void PixelPatch::putInto(QImage& image) const
{
    if (rect_.isEmpty()) return;
    if (!packed()) {
        const std::size_t rowBytes = std::size_t(rect_.width()) * sizeof(QRgb);
        for (int y = 0; y < rect_.height(); ++y)
            std::memcpy(reinterpret_cast<QRgb*>(image.scanLine(rect_.top() + y)) + rect_.left(),
                        rawRow(y), rowBytes);
        return;
    }
    Writer writer(image, rect_);
    std::size_t i = 0;
    while (i < words_.size()) {
        const quint32 header = words_[i++];
        const quint32 count = header & ~RunBit;
        if (header & RunBit) {
            const QRgb colour = words_[i++];
            writer.write(count, [colour](QRgb* to, quint32 n) { std::fill_n(to, n, colour); });
        } else {
            const quint32* from = words_.data() + i;
            writer.write(count, [&from](QRgb* to, quint32 n) {
                std::copy_n(from, n, to);
                from += n;
            });
            i += count;
        }
    }
}
