#include "frame/DragAndDrop.h"

#include "frame/ActivityForm.h"
#include "shell/core/Mdlmain.h"
#include "ui/Control.h"

#include <cmath>

DragAndDrop::DragAndDrop(ActivityForm& form, int distance, Hooks hooks)
    : form_(form)
    , distance_(distance)
    , hooks_(std::move(hooks))
{
    if (!hooks_.miss)
        hooks_.miss = [this](int) { PlayWave(form_.app(), QStringLiteral("mousemove")); };
}

void DragAndDrop::follow(Control& picture)
{
    QObject::connect(&picture, &Control::MouseDown, &picture,
                     [this, &picture](Qt::MouseButton b, double x, double y) {
                         MouseDown(picture, 0, b, x, y);
                     });
    QObject::connect(
        &picture, &Control::MouseMove, &picture,
        [this, &picture](Qt::MouseButtons b, double x, double y) { MouseMove(picture, b, x, y); });
    QObject::connect(
        &picture, &Control::MouseUp, &picture,
        [this, &picture](Qt::MouseButton b, double x, double y) { MouseUp(picture, 0, b, x, y); });
}

void DragAndDrop::track(const Control& picture, double x, double y)
{
    const double perPixel = unitsPerPixel(form_.unit());
    pointer_ = picture.mapTo(&form_, QPointF(x / perPixel, y / perPixel));
}

void DragAndDrop::centreOnPointer(Control& picture) const
{
    // The picture's container may be a frame on the window: centre it in its own
    // container's coordinates.
    const QWidget* container = picture.parentWidget();
    const QPointF at = container == &form_ ? pointer_ : container->mapFrom(&form_, pointer_);
    const double perPixel = unitsPerPixel(form_.unit());
    picture.Move(at.x() * perPixel - picture.Width() / 2, at.y() * perPixel - picture.Height() / 2);
}

void DragAndDrop::MouseDown(Control& picture, int, Qt::MouseButton button, double x, double y)
{
    track(picture, x, y);
    // Where it goes back to, on whole pixels.
    const double perPixel = unitsPerPixel(form_.unit());
    homeLeft_ = std::round(picture.Left() / perPixel) * perPixel;
    homeTop_ = std::round(picture.Top() / perPixel) * perPixel;
    if (button != Qt::LeftButton) return;
    picture.raise(); // the picture in hand lies over everything else
    centreOnPointer(picture);
}

void DragAndDrop::MouseMove(Control& picture, Qt::MouseButtons buttons, double x, double y)
{
    if (!(buttons & Qt::LeftButton)) return;
    track(picture, x, y);
    centreOnPointer(picture);
}

void DragAndDrop::MouseUp(Control& picture, int i, Qt::MouseButton button, double x, double y)
{
    if (button != Qt::LeftButton) return;
    track(picture, x, y);
    // Wherever the picture stays, the way out stays clickable.
    form_.raiseFramePictures();
    if (hooks_.drop) {
        hooks_.drop(i);
        return;
    }
    const Control* target = hooks_.targetOf(i);
    if (target && within(pointer_, *target)) {
        hooks_.hit(i);
        return;
    }
    returnHome(picture);
    hooks_.miss(i);
}

bool DragAndDrop::within(QPointF pointer, const Control& target) const
{
    const QPointF centre =
        target.mapTo(&form_, QPointF(target.width() / 2.0, target.height() / 2.0));
    return std::abs(pointer.x() - centre.x()) < distance_ &&
           std::abs(pointer.y() - centre.y()) < distance_;
}

void DragAndDrop::returnHome(Control& picture) const
{
    picture.Move(homeLeft_, homeTop_);
}
