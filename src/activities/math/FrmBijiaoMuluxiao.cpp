#include "activities/math/FrmBijiaoMuluxiao.h"

FrmBijiaoMuluxiao::FrmBijiaoMuluxiao(AppContext& app)
    : ComparisonMenu(app, QStringLiteral("FrmBijiaoMuluxiao"), QStringLiteral("FrmBijiaoXiao"))
{
}
