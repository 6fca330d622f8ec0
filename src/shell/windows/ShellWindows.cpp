#include "shell/windows/ShellWindows.h"

#include "shell/core/WindowRegistry.h"
#include "shell/windows/FrmChoose.h"
#include "shell/windows/FrmChoosekecheng.h"
#include "shell/windows/FrmHelp.h"
#include "shell/windows/FrmMulu.h"
#include "shell/windows/FrmRecord.h"
#include "shell/windows/frmAbout.h"

void registerShellWindows(WindowRegistry& windows)
{
    windows.add({
        windowOf<FrmChoose>(QStringLiteral("FrmChoose")),
        windowOf<FrmMulu>(QStringLiteral("FrmMulu")),
        windowOf<FrmChoosekecheng>(QStringLiteral("FrmChoosekecheng")),
        windowOf<FrmHelp>(QStringLiteral("FrmHelp")),
        windowOf<frmAbout>(QStringLiteral("frmAbout")),
        windowOf<FrmRecord>(QStringLiteral("FrmRecord")),
    });
}
