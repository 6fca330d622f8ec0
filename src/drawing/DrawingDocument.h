#pragma once
// The drawing of the drawing board, apart from the widget that shows it: one image and its
// undo history. Tools draw into the image and report what they changed; each stroke of
// the child (a press to its release) becomes one step of the history, which keeps only the
// pixels of the rectangle the step changed, packs them when the child pauses, and forgets
// its oldest steps beyond a memory budget.

#include "drawing/PixelPatch.h"

#include <QColor>
#include <QImage>
#include <QObject>
#include <QTimer>
#include <vector>

class DrawingDocument : public QObject {
    Q_OBJECT
public:
    static constexpr std::size_t DefaultHistoryBytes = std::size_t(32) << 20;

    explicit DrawingDocument(QSize size, const QColor& paper = Qt::white,
                             std::size_t historyBytes = DefaultHistoryBytes);

    const QImage& image() const { return image_; }
    QSize size() const { return image_.size(); }

    // Drawing: an operation draws into pixels() and then reports the area it changed.
    QImage& pixels() { return image_; }
    void changed(const QRect& area);
    // What was drawn since the last step becomes one step (nothing when no pixel differs).
    void commitStep();
    // The whole drawing in one colour, as one step.
    void clear(const QColor& colour);

    // Undo and redo one step; false when there is none.
    bool undo();
    bool redo();
    int undoSteps() const { return int(undo_.size()); }
    int redoSteps() const { return int(redo_.size()); }
    std::size_t historyBytes() const { return bytes_; }
    // Packs the steps kept as they were drawn. It happens on its own a moment after the
    // last step, so that packing never delays a stroke on the screen.
    void packSteps();
    bool packingDue() const { return packing_.isActive(); }

signals:
    void repaint(const QRect& area);

private:
    void keep(const QRect& area); // the image's pixels of area become the committed ones
    void swapStep(std::vector<PixelPatch>& from, std::vector<PixelPatch>& to);
    void stepTaken(std::vector<PixelPatch>& newestIn);
    void packAll(const PixelPatch* except);
    void keepWithinBudget(std::vector<PixelPatch>& newestIn);

    QImage image_;
    // The image as of the last step: the pixels a new step replaces come from here.
    QImage committed_;
    QImage spare_; // the memory of a packed whole-drawing step, for the next one
    QRect pending_;
    // Oldest first; steps taken back by undo wait in redo_ until a new step is drawn.
    std::vector<PixelPatch> undo_;
    std::vector<PixelPatch> redo_;
    std::size_t budget_;
    std::size_t bytes_ = 0;
    QTimer packing_;
};
