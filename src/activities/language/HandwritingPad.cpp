#include "activities/language/HandwritingPad.h"

#include "ui/Units.h"

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QInputMethodEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace {

// The pad's design, in pixels of a pad of DesignWidth x DesignHeight.
constexpr double TitleHeight = 48;
const QRectF SquareDesign(10, 56, 380, 380);
const QRectF RewriteDesign(226, 4, 110, 40);
const QRectF CloseDesign(346, 4, 48, 40);
constexpr double CandidatesTop = 446;
constexpr double CandidateHeight = 72;
constexpr double CandidateGap = 8;
constexpr int CandidateColumns = 3;

const QColor Frame(0, 110, 120);
const QColor Paper(255, 255, 250);
const QColor Guide(235, 170, 160);
const QColor Ink(20, 20, 20);

QRectF candidateDesign(int i)
{
    const double width =
        (SquareDesign.width() - (CandidateColumns - 1) * CandidateGap) / CandidateColumns;
    const int row = i / CandidateColumns;
    const int column = i % CandidateColumns;
    return QRectF(SquareDesign.left() + column * (width + CandidateGap),
                  CandidatesTop + row * (CandidateHeight + CandidateGap), width, CandidateHeight);
}

} // namespace

// The square the child writes in: a 田 grid to place the strokes, the ink of the strokes
// written so far and of the one being written.
class WritingSquare : public QWidget {
public:
    WritingSquare(HandwritingPad& pad, QWidget* parent)
        : QWidget(parent)
        , pad_(pad)
    {
        setFocusPolicy(Qt::NoFocus);
        setCursor(Qt::CrossCursor);
    }

protected:
    void mousePressEvent(QMouseEvent* e) override
    {
        if (e->button() != Qt::LeftButton) return;
        current_ = {e->position().toPoint()};
        update();
    }
    void mouseMoveEvent(QMouseEvent* e) override
    {
        if (current_.isEmpty() || !(e->buttons() & Qt::LeftButton)) return;
        const QPoint p = e->position().toPoint();
        if (p != current_.last()) current_.append(p);
        update();
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        if (e->button() != Qt::LeftButton || current_.isEmpty()) return;
        const Stroke stroke = std::exchange(current_, {});
        pad_.strokeWritten(stroke);
        update();
    }
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Paper);
        const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        p.setPen(QPen(Guide, 1, Qt::DashLine));
        p.drawLine(QPointF(box.center().x(), box.top()), QPointF(box.center().x(), box.bottom()));
        p.drawLine(QPointF(box.left(), box.center().y()), QPointF(box.right(), box.center().y()));
        p.setPen(QPen(Guide, 2));
        p.drawRect(box);

        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(
            QPen(Ink, std::max(4.0, width() / 40.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        Strokes all = pad_.strokes();
        if (!current_.isEmpty()) all.append(current_);
        for (const Stroke& stroke : all) {
            if (stroke.size() == 1) {
                p.drawPoint(stroke.first());
                continue;
            }
            QPainterPath path(stroke.first());
            for (qsizetype i = 1; i < stroke.size(); ++i)
                path.lineTo(stroke[i]);
            p.drawPath(path);
        }
    }

private:
    HandwritingPad& pad_;
    Stroke current_;
};

QString HandwritingPad::title()
{
    return QStringLiteral("手写板");
}

HandwritingPad::HandwritingPad(AppContext& app, QWidget& window, QPointF designTopLeft,
                               const QString& modelPath)
    : QWidget(window.parentWidget())
    , app_(app)
    , scale_(app.ScaleX)
{
    setObjectName(QStringLiteral("HandwritingPad"));
    setFocusPolicy(Qt::NoFocus);
    const double sy = app.ScaleY;
    auto place = [&](const QRectF& design) {
        return QRect(int(std::lround(design.left() * scale_)), int(std::lround(design.top() * sy)),
                     int(std::lround(design.width() * scale_)),
                     int(std::lround(design.height() * sy)));
    };
    setGeometry(
        place(QRectF(designTopLeft, QSizeF(DesignWidth, DesignHeight))).translated(window.pos()));

    area_ = new WritingSquare(*this, this);
    area_->setGeometry(place(SquareDesign));

    auto makeButton = [&](const QString& caption, const QRectF& design, double points) {
        auto* button = new QPushButton(caption, this);
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(place(design));
        button->setFont(makeFont(QStringLiteral("黑体"), points * scale_, false));
        return button;
    };
    rewrite_ = makeButton(QStringLiteral("重写"), RewriteDesign, 14);
    close_ = makeButton(QStringLiteral("×"), CloseDesign, 18);
    for (int i = 0; i < CandidateCount; ++i) {
        buttons_[i] = makeButton(QString(), candidateDesign(i), 30);
        buttons_[i]->setEnabled(false);
        connect(buttons_[i], &QPushButton::clicked, this, [this, i] { choose(i); });
    }
    connect(rewrite_, &QPushButton::clicked, this, [this] { clearWriting(); });
    connect(close_, &QPushButton::clicked, this, [this] {
        app_.services.log(QStringLiteral("pad closed"));
        deleteLater();
    });

    show();
    raise();
    // The watcher reports through the event loop even when the model was read long ago, so
    // a pad is always ready a moment after it opens, never inside its own constructor.
    auto* model = new QFutureWatcher<LoadedModel>(this);
    connect(model, &QFutureWatcherBase::finished, this,
            [this, model] { modelLoaded(model->result()); });
    model->setFuture(HandwritingModel::load(modelPath));
}

void HandwritingPad::modelLoaded(const LoadedModel& model)
{
    if (!model.recognizer) {
        app_.services.warn(model.error);
        return;
    }
    recognizer_ = model.recognizer;
    app_.services.log(QStringLiteral("pad ready"));
    emit ready();
    if (!strokes_.isEmpty()) recognize();
}

void HandwritingPad::strokeWritten(const Stroke& stroke)
{
    strokes_.append(stroke);
    recognize();
}

void HandwritingPad::recognize()
{
    if (!recognizer_ || strokes_.isEmpty()) return;
    showCandidates(recognizer_->recognize(strokes_, CandidateCount));
    app_.services.log(QStringLiteral("handwriting ") + candidates_.join(QLatin1Char(' ')));
}

void HandwritingPad::choose(int i)
{
    const QString chosen = candidates_.value(i);
    if (chosen.isEmpty()) return;
    app_.services.log(QStringLiteral("handwriting chose ") + chosen);
    // Typed like an input method's text: into the focused box of whatever window has it.
    if (QWidget* focused = window()->focusWidget()) {
        QInputMethodEvent typed;
        typed.setCommitString(chosen);
        QCoreApplication::sendEvent(focused, &typed);
    }
    clearWriting();
}

void HandwritingPad::clearWriting()
{
    strokes_.clear();
    showCandidates({});
    area_->update();
}

void HandwritingPad::showCandidates(const QStringList& candidates)
{
    candidates_ = candidates;
    for (int i = 0; i < CandidateCount; ++i) {
        buttons_[i]->setText(candidates.value(i));
        buttons_[i]->setEnabled(i < candidates.size());
    }
}

void HandwritingPad::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(225, 240, 240));
    const QRect bar(0, 0, width(), int(std::lround(TitleHeight * app_.ScaleY)));
    p.fillRect(bar, Frame);
    p.setPen(Qt::white);
    p.setFont(makeFont(QStringLiteral("黑体"), 15 * scale_, true));
    p.drawText(bar.adjusted(int(12 * scale_), 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, title());
    p.setPen(QPen(Frame, 2));
    p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}
