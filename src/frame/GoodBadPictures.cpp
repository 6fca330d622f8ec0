#include "frame/GoodBadPictures.h"

#include "ui/Control.h"

void GoodBadPictures::show(bool right) const
{
    good_->setVisible(right);
    bad_->setVisible(!right);
}

void GoodBadPictures::hide() const
{
    good_->hide();
    bad_->hide();
}
