#include "activities/cognition/CourseProblem.h"

#include "frame/ActivityForm.h"

void CloseForCourseProblem(ActivityForm& form, const QString& message, const QString& detail)
{
    AppContext& app = form.app();
    app.services.warn(form.name() + QStringLiteral(": ") + detail);
    app.services.message(message, MessageIcon::None, MessageButtons::Ok);
    form.Unload();
}
