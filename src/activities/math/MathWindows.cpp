#include "activities/math/MathWindows.h"

#include "activities/math/ComparisonForm.h"
#include "activities/math/ComparisonMenu.h"
#include "activities/math/FrmXunxuDuo.h"
#include "activities/math/FrmXunxushsh.h"
#include "activities/math/FrmXunxushshXue.h"
#include "activities/math/OrdinalRow.h"
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

    // The hundred board and sorting.
}
