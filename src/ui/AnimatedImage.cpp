#include "ui/AnimatedImage.h"

#include "ui/Form.h"

#include <QMovie>
#include <QPainter>

AnimatedImage::AnimatedImage(Form& form, QWidget* container, const QString& name)
    : Control(form, container, name)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

bool AnimatedImage::load(const QString& path)
{
    delete movie_;
    movie_ = new QMovie(path, QByteArray(), this);
    path_ = path;
    if (!movie_->isValid()) {
        delete movie_;
        movie_ = nullptr;
        update();
        return false;
    }
    connect(movie_, &QMovie::frameChanged, this, [this] { update(); });
    movie_->start();
    return true;
}

void AnimatedImage::clear()
{
    delete movie_;
    movie_ = nullptr;
    path_.clear();
    update();
}

bool AnimatedImage::isPlaying() const
{
    return movie_ && movie_->state() == QMovie::Running;
}

Control* AnimatedImage::cloneControl() const
{
    auto* copy = new AnimatedImage(form(), parentWidget(), name());
    copy->copyCommon(*this);
    if (!path_.isEmpty()) copy->load(path_);
    return copy;
}

void AnimatedImage::paintEvent(QPaintEvent*)
{
    if (!movie_) return;
    const QPixmap frame = movie_->currentPixmap();
    if (frame.isNull()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSize fitted = frame.size().scaled(size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2),
                       fitted);
    p.drawPixmap(target, frame);
}
