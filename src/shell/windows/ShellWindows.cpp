#include "ShellWindows.h"

#include "FrmChoose.h"
#include "WindowRegistry.h"

void registerShellWindows(WindowRegistry& windows)
{
    windows.add(QStringLiteral("FrmChoose"), [](AppContext& app) { return new FrmChoose(app); });
}
