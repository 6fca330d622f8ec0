#include "activities/math/SortingRowsForm.h"

namespace {

Image* makeSizeReference(ActivityForm& form, const QString& name, double side)
{
    auto* reference = form.make<Image>(name);
    reference->Move(0, 0, side, side);
    reference->hide();
    return reference;
}

} // namespace

SortingRowsForm::SortingRowsForm(AppContext& app, const QString& name,
                                 const TileRow::Design& design, std::function<void(int)> placed)
    : ActivityForm(app, name)
    , Image3(makeSizeReference(*this, QStringLiteral("Image3"), 169))
    , Image5(makeSizeReference(*this, QStringLiteral("Image5"), 89))
    , levels(*this, QStringLiteral("jpg"))
    , row(*this, design, std::move(placed))
{
}

int SortingRowsForm::readLevel(double tileTop, double slotTop)
{
    if (!levels.read()) return 0;
    const int n = levels.count();
    const QSizeF size = SortingBoxSize(*Image3, *Image5, n);
    // The rows keep their design distance from the top or the bottom on any screen.
    const auto top = [this](double design) {
        return design >= 0 ? design * app().ScaleY : ScaleHeight() + design * app().ScaleY;
    };
    row.tiles[0].Move(row.tiles[0].Left(), top(tileTop), size.width(), size.height());
    row.slotBoxes[0].Move(row.slotBoxes[0].Left(), top(slotTop), size.width(), size.height());
    return n;
}
