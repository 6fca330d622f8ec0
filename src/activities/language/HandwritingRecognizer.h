#pragma once
// Recognises one handwritten Chinese character with zinnia and its simplified-Chinese
// model. The strokes may come in any coordinates: they are scaled into the model's box
// first, so a character written small in a corner reads like one that fills the box.

#include "shell/data/StrokeFile.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace zinnia {
class Recognizer;
}

class HandwritingRecognizer {
public:
    // The model's own box: the writing it was trained on filled a square of this side.
    static constexpr int ModelBox = 1000;

    // Opens the model; null, with *error saying why, when it cannot be read.
    static std::unique_ptr<HandwritingRecognizer> open(const QString& modelPath,
                                                       QString* error = nullptr);
    ~HandwritingRecognizer();

    // The likeliest characters for the strokes, best first, at most count of them. The
    // strokes are read as written and also from left to right: the model learnt a few
    // characters (山, 水) in another order than the one taught at school, and children
    // often mix the order up, so the best guesses of both readings take turns. A character
    // of many strokes is read as written only.
    QStringList recognize(const Strokes& strokes, int count) const;

    // The likeliest characters for the strokes exactly as written.
    QStringList classify(const Strokes& strokes, int count) const;

private:
    explicit HandwritingRecognizer(std::unique_ptr<zinnia::Recognizer> model);

    std::unique_ptr<zinnia::Recognizer> model_;
};
