#include "shell/windows/ShellWindows.h"

#include "shell/core/WindowRegistry.h"
#include "shell/windows/FrmChoose.h"
#include "shell/windows/FrmChoosekecheng.h"
#include "shell/windows/FrmHelp.h"
#include "shell/windows/FrmMulu.h"
#include "shell/windows/frmAbout.h"

void registerShellWindows(WindowRegistry& windows)
{
    windows.add(QStringLiteral("FrmChoose"), [](AppContext& app) { return new FrmChoose(app); });
    windows.add(QStringLiteral("FrmMulu"), [](AppContext& app) { return new FrmMulu(app); });
    windows.add(QStringLiteral("FrmChoosekecheng"),
                [](AppContext& app) { return new FrmChoosekecheng(app); });
    windows.add(QStringLiteral("FrmHelp"), [](AppContext& app) { return new FrmHelp(app); });
    windows.add(QStringLiteral("frmAbout"), [](AppContext& app) { return new frmAbout(app); });
}
