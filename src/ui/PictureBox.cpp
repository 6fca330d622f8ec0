#include "ui/PictureBox.h"

#include "ui/Form.h"

#include <QPainter>

PictureBox::PictureBox(Form& form, QWidget* container, const QString& name)
    : Control(form, container, name)
{
    setBackColor(Qt::white);
}

void PictureBox::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

void PictureBox::setStretch(bool stretch)
{
    stretch_ = stretch;
    update();
}

void PictureBox::setBorder(bool border)
{
    border_ = border;
    update();
}

void PictureBox::Cls()
{
    surface_.fill(Qt::transparent);
    update();
}

void PictureBox::PaintPicture(const QPixmap& picture, int x, int y, int width, int height)
{
    QPainter p(&surface_);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(QRect(x, y, width, height), picture);
    update();
}

Control* PictureBox::cloneControl() const
{
    auto* copy = new PictureBox(form(), parentWidget(), name());
    copy->copyCommon(*this);
    copy->picture_ = picture_;
    copy->stretch_ = stretch_;
    copy->border_ = border_;
    copy->surface_ = surface_;
    return copy;
}

void PictureBox::resizeEvent(QResizeEvent*)
{
    if (surface_.size() == size()) return;
    QImage grown(size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    grown.fill(Qt::transparent);
    if (!surface_.isNull()) {
        QPainter p(&grown);
        p.drawImage(0, 0, surface_);
    }
    surface_ = grown;
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), BackColor());
    if (!picture_.isNull()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        if (stretch_)
            p.drawPixmap(rect(), picture_);
        else
            p.drawPixmap(0, 0, picture_);
    }
    p.drawImage(0, 0, surface_);
    if (border_) {
        p.setPen(QColor(128, 128, 128));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
