#include "activities/cognition/CognitionWindows.h"

#include "activities/cognition/FindingTheSame.h"
#include "activities/cognition/FrmFengbysh.h"
#include "activities/cognition/FrmPingtu.h"
#include "activities/cognition/FrmPingtuMenu.h"
#include "activities/cognition/FrmShunxutl.h"
#include "activities/cognition/FrmTupiangPl.h"
#include "activities/cognition/FrmdrawColor.h"
#include "activities/cognition/Frmfenglei.h"
#include "activities/cognition/Frmpingtu2.h"
#include "shell/core/WindowRegistry.h"

void registerCognitionWindows(WindowRegistry& windows)
{
    // Finding the same, classification, colours, sequences and picture arrangement.
    windows.add({
        windowOfRow<FindingTheSame>(FindingTheSame::Rows[0]),
        windowOfRow<FindingTheSame>(FindingTheSame::Rows[1]),
        windowOf<Frmfenglei>(QStringLiteral("Frmfenglei")),
        windowOf<FrmFengbysh>(QStringLiteral("FrmFengbysh")),
        windowOf<FrmShunxutl>(QStringLiteral("FrmShunxutl")),
        windowOf<FrmTupiangPl>(QStringLiteral("FrmTupiangPl")),
    });

    // Jigsaw, missing piece and the colouring game.
    windows.add({
        windowOf<FrmPingtuMenu>(QStringLiteral("FrmPingtuMenu")),
        windowOf<Frmpingtu2>(QStringLiteral("Frmpingtu2"), QStringLiteral("FrmPingtuMenu")),
        windowOf<FrmPingtu>(QStringLiteral("FrmPingtu")),
        windowOf<FrmdrawColor>(QStringLiteral("FrmdrawColor")),
    });
}
