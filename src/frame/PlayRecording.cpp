#include "frame/PlayRecording.h"

#include "frame/ActivityForm.h"
#include "shell/core/Launcher.h"
#include "shell/record/PlayRecord.h"

void RecordPlay(ActivityForm& form, PlayEvent::Kind kind)
{
    AppContext& app = form.app();
    if (!app.record) return;
    PlayEvent event;
    event.kind = kind;
    event.at = app.services.now().toMSecsSinceEpoch();
    event.area = app.CurrentArea;
    // The lesson stays chosen when the child moves on to an area without lessons.
    if (isLessonArea(app.CurrentArea)) event.lesson = app.CurrentLesson;
    event.window = form.name();
    if (kind == PlayEvent::Kind::Opened) event.title = titleOfWindow(app, form.name());
    app.record->add(event);
}
