#include "drawing/DrawingDocument.h"

#include <cstring>
#include <utility>

namespace {

// A pause of the child's hand.
constexpr int PackingDelayMs = 200;

} // namespace

DrawingDocument::DrawingDocument(QSize size, const QColor& paper, std::size_t historyBytes)
    : image_(size, QImage::Format_RGB32)
    , budget_(historyBytes)
{
    image_.fill(paper);
    committed_ = image_.copy();
    packing_.setSingleShot(true);
    packing_.setInterval(PackingDelayMs);
    connect(&packing_, &QTimer::timeout, this, &DrawingDocument::packSteps);
}

void DrawingDocument::changed(const QRect& area)
{
    const QRect onImage = area.intersected(image_.rect());
    if (onImage.isEmpty()) return;
    pending_ |= onImage;
    emit repaint(onImage);
}

void DrawingDocument::keep(const QRect& area)
{
    const std::size_t rowBytes = std::size_t(area.width()) * sizeof(QRgb);
    for (int y = area.top(); y <= area.bottom(); ++y)
        std::memcpy(reinterpret_cast<QRgb*>(committed_.scanLine(y)) + area.left(),
                    reinterpret_cast<const QRgb*>(image_.constScanLine(y)) + area.left(), rowBytes);
}

// The old pixels of what the stroke drew go to the step, the new ones become the committed
// ones; a stroke that drew over the same colours leaves no step. Most strokes are small and
// their rows are copied in one pass; a stroke over most of the drawing (a fill, a clear)
// hands the whole committed image to the step instead of copying it.
void DrawingDocument::commitStep()
{
    if (pending_.isEmpty()) return;
    const QRect area = pending_;
    pending_ = QRect();
    const std::size_t rowBytes = std::size_t(area.width()) * sizeof(QRgb);
    const auto row = [&](QImage& image, int y) {
        return reinterpret_cast<QRgb*>(image.scanLine(y)) + area.left();
    };
    const auto constRow = [&](const QImage& image, int y) {
        return reinterpret_cast<const QRgb*>(image.constScanLine(y)) + area.left();
    };
    if (2 * qint64(area.width()) * area.height() >= qint64(image_.width()) * image_.height()) {
        int y = area.top();
        while (y <= area.bottom() &&
               std::memcmp(constRow(image_, y), constRow(committed_, y), rowBytes) == 0)
            ++y;
        if (y > area.bottom()) return;
        QImage before = std::exchange(committed_, std::exchange(spare_, QImage()));
        if (committed_.isNull()) committed_ = QImage(image_.size(), QImage::Format_RGB32);
        std::memcpy(committed_.bits(), image_.constBits(), std::size_t(image_.sizeInBytes()));
        undo_.emplace_back(area, std::move(before));
    } else {
        QImage before(area.size(), QImage::Format_RGB32);
        bool changed = false;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            QRgb* kept = row(committed_, y);
            std::memcpy(before.scanLine(y - area.top()), kept, rowBytes);
            if (std::memcmp(constRow(image_, y), kept, rowBytes) == 0) continue;
            std::memcpy(kept, constRow(image_, y), rowBytes);
            changed = true;
        }
        if (!changed) return;
        undo_.emplace_back(area, std::move(before));
    }
    redo_.clear();
    stepTaken(undo_);
}

void DrawingDocument::clear(const QColor& colour)
{
    commitStep();
    image_.fill(colour);
    changed(image_.rect());
    commitStep();
}

// Takes the last step of from back into the image; what it covered goes to the other list.
void DrawingDocument::swapStep(std::vector<PixelPatch>& from, std::vector<PixelPatch>& to)
{
    PixelPatch step = std::move(from.back());
    from.pop_back();
    to.emplace_back(image_, step.rect());
    step.putInto(image_);
    keep(step.rect());
    stepTaken(to);
    emit repaint(step.rect());
}

bool DrawingDocument::undo()
{
    commitStep();
    if (undo_.empty()) return false;
    swapStep(undo_, redo_);
    return true;
}

bool DrawingDocument::redo()
{
    commitStep();
    if (redo_.empty()) return false;
    swapStep(redo_, undo_);
    return true;
}

// newestIn holds the step just taken at its back.
void DrawingDocument::stepTaken(std::vector<PixelPatch>& newestIn)
{
    keepWithinBudget(newestIn);
    packing_.start();
}

void DrawingDocument::packSteps()
{
    packAll(nullptr);
    keepWithinBudget(undo_);
}

void DrawingDocument::packAll(const PixelPatch* except)
{
    for (auto* steps : {&undo_, &redo_})
        for (PixelPatch& step : *steps) {
            if (&step == except) continue;
            QImage freed = step.pack();
            // A whole drawing's worth of memory serves the next large stroke.
            if (spare_.isNull() && freed.size() == image_.size()) spare_ = std::move(freed);
        }
}

// Over the budget, the older steps are packed first, then the oldest go; the step just
// taken is packed at once only when it alone is over the budget, and stays whatever its
// size.
void DrawingDocument::keepWithinBudget(std::vector<PixelPatch>& newestIn)
{
    const auto sum = [this] {
        std::size_t n = 0;
        for (const auto* steps : {&undo_, &redo_})
            for (const PixelPatch& step : *steps)
                n += step.bytes();
        return n;
    };
    bytes_ = sum();
    if (bytes_ <= budget_) return;
    packAll(newestIn.empty() ? nullptr : &newestIn.back());
    bytes_ = sum();
    std::size_t dropped = 0;
    const std::size_t keep = &newestIn == &undo_ ? 1 : 0;
    while (bytes_ > budget_ && undo_.size() - dropped > keep) {
        bytes_ -= undo_[dropped].bytes();
        ++dropped;
    }
    undo_.erase(undo_.begin(), undo_.begin() + std::ptrdiff_t(dropped));
    if (bytes_ > budget_) {
        packAll(nullptr);
        bytes_ = sum();
    }
}
