#include "frame/GoodBadPictures.h"

#include "ui/Control.h"

void GoodBadPictures::show(bool right)
{
    good_->setVisible(right);
    bad_->setVisible(!right);
}

void GoodBadPictures::hide()
{
    good_->hide();
    bad_->hide();
}
