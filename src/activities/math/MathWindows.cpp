#include "activities/math/MathWindows.h"

#include "activities/math/ComparisonForm.h"
#include "activities/math/ComparisonMenu.h"
#include "activities/math/Decomposition.h"
#include "activities/math/Frm100.h"
#include "activities/math/FrmJieshu.h"
#include "activities/math/FrmPaixu2.h"
#include "activities/math/FrmShu_wu.h"
#include "activities/math/FrmXunxuDuo.h"
#include "activities/math/FrmXunxushsh.h"
#include "activities/math/FrmXunxushshXue.h"
#include "activities/math/Frmpaixu.h"
#include "activities/math/Frmpaixu_yd.h"
#include "activities/math/MissingCard.h"
#include "activities/math/OrdinalRow.h"
#include "activities/math/PictureCards.h"
#include "activities/math/ResultCard.h"
#include "activities/math/TwoTileSum.h"
#include "shell/core/WindowRegistry.h"

void registerMathWindows(WindowRegistry& windows)
{
    windows.add({
        windowOf<FrmXunxushshXue>(QStringLiteral("FrmXunxushshXue")),
        windowOfRow<OrdinalRow>(OrdinalRow::Rows[0]),
        windowOfRow<OrdinalRow>(OrdinalRow::Rows[1]),
        windowOf<FrmXunxushsh>(QStringLiteral("FrmXunxushsh")),
        windowOf<FrmXunxuDuo>(QStringLiteral("FrmXunxuDuo")),
    });
    for (const ComparisonRow& row : ComparisonRows) {
        windows.add({QString::fromUtf8(row.menu), [&row](AppContext& app, const QString&) -> Form* {
                         return new ComparisonMenu(app, row);
                     }});
        windows.add(windowOfRow<ComparisonForm>(row, QString::fromUtf8(row.menu)));
    }

    // Addition, subtraction and fill-in; number decomposition; quantities and number cards.
    for (const SumRow& row : ResultCard::Rows)
        windows.add(windowOfRow<ResultCard>(row));
    for (const SumRow& row : MissingCard::Rows)
        windows.add(windowOfRow<MissingCard>(row));
    for (const SumRow& row : TwoTileSum::Rows)
        windows.add(windowOfRow<TwoTileSum>(row));
    for (const DecompositionRow& row : Decomposition::Rows)
        windows.add(windowOfRow<Decomposition>(row));
    windows.add({
        windowOf<FrmShu_wu>(QStringLiteral("frmShu_wu")),
        windowOfRow<PictureCards>(PictureCards::Rows[0]),
        windowOfRow<PictureCards>(PictureCards::Rows[1]),
        windowOf<FrmJieshu>(QStringLiteral("frmJieshu")),
    });

    // The hundred board and sorting.
    windows.add({
        windowOf<Frm100>(QStringLiteral("Frm100")),
        windowOf<Frmpaixu>(QStringLiteral("Frmpaixu")),
        windowOf<FrmPaixu2>(QStringLiteral("FrmPaixu2")),
        windowOf<Frmpaixu_yd>(QStringLiteral("Frmpaixu_yd")),
    });
}
