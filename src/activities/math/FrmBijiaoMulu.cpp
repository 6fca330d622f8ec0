#include "activities/math/FrmBijiaoMulu.h"

FrmBijiaoMulu::FrmBijiaoMulu(AppContext& app)
    : ComparisonMenu(app, QStringLiteral("FrmBijiaoMulu"), QStringLiteral("FrmBijiao"))
{
}
