#include "ui/Image.h"

#include "ui/Form.h"

#include <QPainter>

Image::Image(Form& form, QWidget* container, const QString& name)
    : Control(form, container, name)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void Image::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    if (!stretch_ && !picture_.isNull())
        Move(Left(), Top(), fromPixels(picture_.width(), form().unit()),
             fromPixels(picture_.height(), form().unit()));
    update();
}

bool Image::loadPicture(const QString& path)
{
    QPixmap pixmap;
    const bool ok = pixmap.load(path);
    setPicture(ok ? pixmap : QPixmap());
    return ok;
}

void Image::setStretch(bool stretch)
{
    stretch_ = stretch;
    setPicture(picture_);
}

Control* Image::cloneControl() const
{
    auto* copy = new Image(form(), parentWidget(), name());
    copy->stretch_ = stretch_;
    copy->copyCommon(*this);
    copy->picture_ = picture_;
    return copy;
}

void Image::paintEvent(QPaintEvent*)
{
    if (picture_.isNull()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (stretch_)
        p.drawPixmap(rect(), picture_);
    else
        p.drawPixmap(0, 0, picture_);
}
