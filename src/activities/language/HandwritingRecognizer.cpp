#include "activities/language/HandwritingRecognizer.h"

#include <QFileInfo>
#include <QRect>
#include <algorithm>
#include <zinnia.h>

namespace {

// A character of more strokes is read as written only: the second reading costs as much
// again, and the orders the model learnt otherwise are those of characters of few strokes.
constexpr qsizetype MostStrokesReadTwice = 6;

// The writing fills the model's box but for this margin, as in the model's own samples.
constexpr double Margin = 0.1 * HandwritingRecognizer::ModelBox;

QRect boundsOf(const Strokes& strokes)
{
    QRect bounds;
    for (const Stroke& stroke : strokes)
        for (const QPoint& p : stroke)
            bounds |= QRect(p, QSize(1, 1));
    return bounds;
}

// Strokes ordered by their leftmost point; strokes whose leftmost points lie in the same
// narrow column keep the order they were written in.
Strokes leftToRight(Strokes strokes)
{
    const int column = std::max(1, boundsOf(strokes).width() / 16);
    auto columnOf = [column](const Stroke& s) {
        int left = s.first().x();
        for (const QPoint& p : s)
            left = std::min(left, p.x());
        return left / column;
    };
    std::stable_sort(strokes.begin(), strokes.end(),
                     [&](const Stroke& a, const Stroke& b) { return columnOf(a) < columnOf(b); });
    return strokes;
}

} // namespace

std::unique_ptr<HandwritingRecognizer> HandwritingRecognizer::open(const QString& modelPath,
                                                                   QString* error)
{
    auto fail = [error](const QString& why) {
        if (error) *error = why;
        return nullptr;
    };
    if (!QFileInfo(modelPath).isFile())
        return fail(QStringLiteral("no handwriting model at %1").arg(modelPath));
    std::unique_ptr<zinnia::Recognizer> model(zinnia::Recognizer::create());
    if (!model || !model->open(QFile::encodeName(modelPath).constData()))
        return fail(QStringLiteral("cannot read the handwriting model %1: %2")
                        .arg(modelPath, model ? QString::fromLocal8Bit(model->what()) : QString()));
    if (model->size() == 0)
        return fail(QStringLiteral("the handwriting model %1 knows no character").arg(modelPath));
    return std::unique_ptr<HandwritingRecognizer>(new HandwritingRecognizer(std::move(model)));
}

HandwritingRecognizer::HandwritingRecognizer(std::unique_ptr<zinnia::Recognizer> model)
    : model_(std::move(model))
{
}

HandwritingRecognizer::~HandwritingRecognizer() = default;

QStringList HandwritingRecognizer::classify(const Strokes& strokes, int count) const
{
    const QRect bounds = boundsOf(strokes);
    if (bounds.isEmpty() || count <= 0) return {};

    // Scaled alike in both directions into the box less its margin, and centred: a flat 一
    // stays flat, a narrow 丨 stays narrow.
    const double inner = ModelBox - 2 * Margin;
    const double scale = inner / std::max({bounds.width() - 1, bounds.height() - 1, 1});
    const double left = Margin + (inner - (bounds.width() - 1) * scale) / 2;
    const double top = Margin + (inner - (bounds.height() - 1) * scale) / 2;

    std::unique_ptr<zinnia::Character> character(zinnia::Character::create());
    character->set_width(ModelBox);
    character->set_height(ModelBox);
    for (qsizetype n = 0; n < strokes.size(); ++n)
        for (const QPoint& p : strokes[n])
            character->add(size_t(n), int(left + (p.x() - bounds.left()) * scale),
                           int(top + (p.y() - bounds.top()) * scale));

    std::unique_ptr<zinnia::Result> result(model_->classify(*character, size_t(count)));
    QStringList candidates;
    if (!result) return candidates;
    for (size_t i = 0; i < result->size(); ++i)
        candidates << QString::fromUtf8(result->value(i));
    return candidates;
}

QStringList HandwritingRecognizer::recognize(const Strokes& strokes, int count) const
{
    const QStringList asWritten = classify(strokes, count);
    const Strokes reordered =
        strokes.size() <= MostStrokesReadTwice ? leftToRight(strokes) : strokes;
    const QStringList fromLeft = reordered == strokes ? QStringList() : classify(reordered, count);
    QStringList candidates;
    for (qsizetype i = 0;
         candidates.size() < count && i < std::max(asWritten.size(), fromLeft.size()); ++i) {
        for (const QStringList* list : {&asWritten, &fromLeft})
            if (i < list->size() && !candidates.contains(list->at(i)) && candidates.size() < count)
                candidates << list->at(i);
    }
    return candidates;
}
