#include "activities/math/FrmBijiaoDa.h"

FrmBijiaoDa::FrmBijiaoDa(AppContext& app)
    : ComparisonForm(app, QStringLiteral("FrmBijiaoDa"))
{
}
