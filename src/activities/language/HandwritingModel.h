#pragma once
// The handwriting model of the program: loaded once, in the background, the first time a
// writing window asks for it, and shared by every pad after that.

#include "activities/language/HandwritingRecognizer.h"

#include <QFuture>
#include <QString>
#include <memory>

// A model read from its file: the recogniser, or null and the reason.
struct LoadedModel {
    std::shared_ptr<const HandwritingRecognizer> recognizer;
    QString error;
};

namespace HandwritingModel {

// $MINDLARK_HANDWRITING_MODEL, else the simplified-Chinese model of
// tegaki-zinnia-simplified-chinese.
QString path();

// The model at modelPath. The first call starts reading it on a worker thread; later calls
// share that reading and its result.
QFuture<LoadedModel> load(const QString& modelPath);

// Drops the loaded models, so the next load reads the file again (benchmarks of the first
// opening).
void forget();

} // namespace HandwritingModel
