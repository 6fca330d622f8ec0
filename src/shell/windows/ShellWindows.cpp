#include "ShellWindows.h"

#include "FrmChoose.h"
#include "FrmChoosekecheng.h"
#include "FrmHelp.h"
#include "FrmMulu.h"
#include "WindowRegistry.h"
#include "frmAbout.h"

void registerShellWindows(WindowRegistry& windows)
{
    windows.add(QStringLiteral("FrmChoose"), [](AppContext& app) { return new FrmChoose(app); });
    windows.add(QStringLiteral("FrmMulu"), [](AppContext& app) { return new FrmMulu(app); });
    windows.add(QStringLiteral("FrmChoosekecheng"),
                [](AppContext& app) { return new FrmChoosekecheng(app); });
    windows.add(QStringLiteral("FrmHelp"), [](AppContext& app) { return new FrmHelp(app); });
    windows.add(QStringLiteral("frmAbout"), [](AppContext& app) { return new frmAbout(app); });
}
