#pragma once
// The one drag-and-drop of every window where the child drags pictures onto places. While
// the left button is held, the pressed picture hangs centred on the pointer. On release the
// drop counts when the pointer lies strictly within the window's distance (8, 10, 15 or 18
// pixels) of the centre of the picture's own target, in both directions; other targets are
// not considered. Off target the picture goes back to where it was picked up, with the
// sound "mousemove". A right-button press only notes where the picture lies. The pointer
// comes from the mouse events themselves, so nothing runs while nothing moves.

#include "ui/ControlArray.h"

#include <QPointF>
#include <functional>

class ActivityForm;
class Control;

class DragAndDrop {
public:
    struct Hooks {
        // The target of picture i, or null when it has none (every drop misses).
        std::function<Control*(int i)> targetOf = [](int) { return nullptr; };
        // Picture i was dropped on its target.
        std::function<void(int i)> hit = [](int) {};
        // Picture i was dropped anywhere else; by default it goes home with "mousemove".
        std::function<void(int i)> miss;
    };

    DragAndDrop(ActivityForm& form, int distance, Hooks hooks);
    DragAndDrop(const DragAndDrop&) = delete;
    DragAndDrop& operator=(const DragAndDrop&) = delete;

    // Makes every picture of the array draggable, the ones loaded later too.
    template <class T> void follow(ControlArray<T>& pictures)
    {
        pictures.onMouseDown([this, &pictures](int i, Qt::MouseButton b, double x, double y) {
            MouseDown(pictures[i], i, b, x, y);
        });
        pictures.onMouseMove([this, &pictures](int i, Qt::MouseButtons b, double x, double y) {
            MouseMove(pictures[i], b, x, y);
        });
        pictures.onMouseUp([this, &pictures](int i, Qt::MouseButton b, double x, double y) {
            MouseUp(pictures[i], i, b, x, y);
        });
    }

    // The mouse events of a draggable picture, with the event's position in the picture's
    // own units; windows that handle the events themselves pass them on.
    void MouseDown(Control& picture, int i, Qt::MouseButton button, double x, double y);
    void MouseMove(Control& picture, Qt::MouseButtons buttons, double x, double y);
    void MouseUp(Control& picture, int i, Qt::MouseButton button, double x, double y);

    // Whether a pointer (in window pixels) lies strictly within the distance of the centre
    // of a target; for windows with drop rules of their own.
    bool within(QPointF pointer, const Control& target) const;
    // The pointer in window pixels, as the last mouse event of a picture gave it.
    QPointF pointer() const { return pointer_; }
    // Puts the picture back where it was picked up.
    void returnHome(Control& picture) const;

private:
    // Records the pointer from an event position of the picture.
    void track(const Control& picture, double x, double y);
    void centreOnPointer(Control& picture) const;

    ActivityForm& form_;
    int distance_;
    Hooks hooks_;
    QPointF pointer_;
    double homeLeft_ = 0;
    double homeTop_ = 0;
};
