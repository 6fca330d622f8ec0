#include "activities/math/FrmBijiaoXiao.h"

FrmBijiaoXiao::FrmBijiaoXiao(AppContext& app)
    : ComparisonForm(app, QStringLiteral("FrmBijiaoXiao"))
{
}
