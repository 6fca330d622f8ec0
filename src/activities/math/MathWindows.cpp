#include "MathWindows.h"

#include "FrmBijiao.h"
#include "FrmBijiaoDa.h"
#include "FrmBijiaoMulu.h"
#include "FrmBijiaoMuluda.h"
#include "FrmBijiaoMuluxiao.h"
#include "FrmBijiaoXiao.h"
#include "FrmXunxuDuo.h"
#include "FrmXunxushsh.h"
#include "FrmXunxushshLX.h"
#include "FrmXunxushshW.h"
#include "FrmXunxushshXue.h"
#include "WindowRegistry.h"

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
