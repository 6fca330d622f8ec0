#include "activities/math/FrmBijiaoMuluda.h"

FrmBijiaoMuluda::FrmBijiaoMuluda(AppContext& app)
    : ComparisonMenu(app, QStringLiteral("FrmBijiaoMuluda"), QStringLiteral("FrmBijiaoDa"))
{
}
