#pragma once
// The good and the bad picture of a window: one of them tells the child how the last
// answer went. Either kind of picture control will do (images, picture boxes). A window
// that only ever judges right answers may have no bad picture (null).

#include "ui/Artwork.h"
#include "ui/Form.h"

#include <QRectF>

class Control;

class GoodBadPictures {
public:
    GoodBadPictures() = default;
    GoodBadPictures(Control* good, Control* bad)
        : good_(good)
        , bad_(bad)
    {
    }

    // Makes both controls, stretched over the same design rectangle and hidden.
    template <class T>
    static GoodBadPictures make(Form& form, const QString& goodName, const QString& badName,
                                const QRectF& design, T*& good, T*& bad)
    {
        good = makeOne<T>(form, goodName, design, Artwork::good());
        bad = makeOne<T>(form, badName, design, Artwork::bad());
        return GoodBadPictures(good, bad);
    }

    void show(bool right) const; // the good picture for a right answer, else the bad one
    void hide() const;

private:
    template <class T>
    static T* makeOne(Form& form, const QString& name, const QRectF& design, const QPixmap& pic)
    {
        T* control = form.make<T>(name);
        control->Move(design.left(), design.top(), design.width(), design.height());
        control->setStretch(true);
        control->setPicture(pic);
        control->hide();
        return control;
    }

    Control* good_ = nullptr;
    Control* bad_ = nullptr;
};
