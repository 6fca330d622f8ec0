#include "frame/GoodBadPictures.h"

#include "ui/Control.h"

void GoodBadPictures::show(bool right) const
{
    if (good_) good_->setVisible(right);
    if (bad_) bad_->setVisible(!right);
}

void GoodBadPictures::hide() const
{
    if (good_) good_->hide();
    if (bad_) bad_->hide();
}
