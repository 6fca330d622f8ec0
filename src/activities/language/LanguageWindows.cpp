#include "activities/language/LanguageWindows.h"

#include "activities/language/FrmShurufa.h"
#include "activities/language/FrmShurufa2.h"
#include "activities/language/FrmShurufa3.h"
#include "activities/language/FrmShurusz.h"
#include "activities/language/FrmShuruys.h"
#include "activities/language/FrmZhuju.h"
#include "activities/language/Frmdangtugzh.h"
#include "activities/language/FrmdiangTuDuo.h"
#include "activities/language/Frmdiangtu.h"
#include "activities/language/Frmkantshh.h"
#include "activities/language/Frmkantzc.h"
#include "activities/language/PairingForm.h"
#include "activities/language/RecognitionForm.h"
#include "activities/language/TargetLearningForm.h"
#include "shell/core/WindowRegistry.h"

void registerLanguageWindows(WindowRegistry& windows)
{
    // Recognition, pairing, word building, picture talk and sentence ordering.
    windows.add({
        windowOfRow<RecognitionForm>(RecognitionForm::Rows[0]),
        windowOfRow<RecognitionForm>(RecognitionForm::Rows[1]),
        windowOfRow<PairingForm>(PairingForm::Rows[0]),
        windowOfRow<PairingForm>(PairingForm::Rows[1]),
        windowOf<Frmkantzc>(QStringLiteral("Frmkantzc")),
        windowOf<Frmkantshh>(QStringLiteral("Frmkantshh")),
        windowOf<FrmZhuju>(QStringLiteral("FrmZhuju")),
    });

    // Writing practice, the stroke recorder and the replay.
    windows.add({
        windowOf<FrmShurufa>(QStringLiteral("FrmShurufa")),
        windowOf<FrmShurufa2>(QStringLiteral("FrmShurufa2")),
        windowOf<FrmShurufa3>(QStringLiteral("FrmShurufa3")),
        windowOf<FrmShurusz>(QStringLiteral("FrmShurusz")),
        windowOf<FrmShuruys>(QStringLiteral("FrmShuruys")),
    });

    // Picture learning, the point-picture game and the shooting game.
    windows.add({
        windowOf<Frmdangtugzh>(QStringLiteral("Frmdangtugzh")),
        windowOfRow<TargetLearningForm>(TargetLearningForm::Rows[0]),
        windowOfRow<TargetLearningForm>(TargetLearningForm::Rows[1]),
        windowOf<Frmdiangtu>(QStringLiteral("Frmdiangtu")),
        windowOf<FrmdiangTuDuo>(QStringLiteral("FrmdiangTuDuo")),
    });
}
