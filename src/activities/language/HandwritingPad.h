#pragma once
// The handwriting pad that the writing windows start beside them: a panel on the stage,
// over its window, with a square where the child writes one character with the mouse, a
// pen or a finger, and big buttons with the characters it may be. The chosen one is typed
// into whatever text box has the keyboard focus, as an input method would, and the square
// is clear for the next character. Like the input method it stands for, the pad is no part
// of the window: a click on it leaves the keyboard focus where it was. The pad reads its
// model in the background; strokes written before the model is ready are recognised as
// soon as it is.

#include "activities/language/HandwritingModel.h"
#include "shell/core/AppContext.h"

#include <QPointer>
#include <QRectF>
#include <QWidget>
#include <array>

class QPushButton;

class HandwritingPad : public QWidget {
    Q_OBJECT
public:
    static constexpr int CandidateCount = 6;
    // The pad's size in pixels of the 1024 x 768 design.
    static constexpr double DesignWidth = 400;
    static constexpr double DesignHeight = 600;
    // The pad's title, as the writing windows name it when it is gone.
    static QString title();

    // Opens the pad over window with its top left corner at designTopLeft (pixels of the
    // design screen, rescaled like the window), reading the model at modelPath.
    HandwritingPad(AppContext& app, QWidget& window, QPointF designTopLeft,
                   const QString& modelPath);

    bool isReady() const { return recognizer_ != nullptr; }
    const Strokes& strokes() const { return strokes_; }
    // The characters offered, best first.
    const QStringList& candidates() const { return candidates_; }

    QWidget* writingArea() const { return area_; }
    QPushButton* candidateButton(int i) const { return buttons_.at(i); }
    QPushButton* rewriteButton() const { return rewrite_; }
    QPushButton* closeButton() const { return close_; }

signals:
    void ready();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    friend class WritingSquare;

    void modelLoaded(const LoadedModel& model);
    void strokeWritten(const Stroke& stroke);
    void recognize();
    void choose(int i);
    void clearWriting();
    void showCandidates(const QStringList& candidates);

    AppContext& app_;
    std::shared_ptr<const HandwritingRecognizer> recognizer_;
    Strokes strokes_;
    QStringList candidates_;
    QWidget* area_;
    std::array<QPushButton*, CandidateCount> buttons_{};
    QPushButton* rewrite_;
    QPushButton* close_;
    double scale_;
};
