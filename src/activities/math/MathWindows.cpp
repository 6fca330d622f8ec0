#include "activities/math/MathWindows.h"

#include "activities/math/FrmBijiao.h"
#include "activities/math/FrmBijiaoDa.h"
#include "activities/math/FrmBijiaoMulu.h"
#include "activities/math/FrmBijiaoMuluda.h"
#include "activities/math/FrmBijiaoMuluxiao.h"
#include "activities/math/FrmBijiaoXiao.h"
#include "activities/math/FrmXunxuDuo.h"
#include "activities/math/FrmXunxushsh.h"
#include "activities/math/FrmXunxushshLX.h"
#include "activities/math/FrmXunxushshW.h"
#include "activities/math/FrmXunxushshXue.h"
#include "shell/core/WindowRegistry.h"

namespace {

template <class T> void add(WindowRegistry& windows, const char* name)
{
    windows.add(QString::fromLatin1(name), [](AppContext& app) { return new T(app); });
}

} // namespace

void registerMathWindows(WindowRegistry& windows)
{
    add<FrmXunxushshXue>(windows, "FrmXunxushshXue");
    add<FrmXunxushshLX>(windows, "FrmXunxushshLX");
    add<FrmXunxushshW>(windows, "FrmXunxushshW");
    add<FrmXunxushsh>(windows, "FrmXunxushsh");
    add<FrmXunxuDuo>(windows, "FrmXunxuDuo");
    add<FrmBijiaoMulu>(windows, "FrmBijiaoMulu");
    add<FrmBijiaoMuluda>(windows, "FrmBijiaoMuluda");
    add<FrmBijiaoMuluxiao>(windows, "FrmBijiaoMuluxiao");
    add<FrmBijiao>(windows, "FrmBijiao");
    add<FrmBijiaoDa>(windows, "FrmBijiaoDa");
    add<FrmBijiaoXiao>(windows, "FrmBijiaoXiao");
}
