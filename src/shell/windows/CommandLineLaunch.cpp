#include "shell/windows/CommandLineLaunch.h"

#include "shell/core/Launcher.h"
#include "shell/core/LessonPictures.h"
#include "shell/core/WindowRegistry.h"
#include "shell/windows/CatalogueEntries.h"
#include "shell/windows/FrmChoosekecheng.h"
#include "shell/windows/FrmMulu.h"

namespace {

// A window that only its menu opens needs what the child chooses there: it opens the menu.
LaunchRequest throughItsMenu(AppContext& app, LaunchRequest request)
{
    const WindowDescriptor* d = app.windows->descriptor(request.target);
    if (!d || d->openedFrom.isEmpty()) return request;
    app.services.warn(QStringLiteral("--launch %1: it opens from its menu, so the menu %2 opens")
                          .arg(request.target, d->openedFrom));
    request.target = d->openedFrom;
    return request;
}

} // namespace

bool LaunchFromCommandLine(AppContext& app, const LaunchRequest& asked)
{
    WindowRegistry& windows = *app.windows;
    const LaunchRequest request = throughItsMenu(app, asked);
    // A lesson belongs to an area that has lessons; without one, the first of them.
    const QString area =
        !request.area.isEmpty() || request.lesson.isEmpty() ? request.area : QStringLiteral("语言");
    FrmMulu* catalogue = nullptr;
    if (!area.isEmpty()) {
        app.CurrentArea = area;
        catalogue = dynamic_cast<FrmMulu*>(windows.open(QStringLiteral("FrmMulu")));
    }
    const bool withLesson = !request.lesson.isEmpty() && catalogue;
    FrmChoosekecheng* chooser = nullptr;
    if (withLesson) {
        app.CurrentLesson = request.lesson;
        if (isLessonArea(area))
            chooser =
                dynamic_cast<FrmChoosekecheng*>(windows.open(QStringLiteral("FrmChoosekecheng")));
    }

    // A step title goes through the chooser, which prepares the photos itself.
    if (chooser && !windows.has(request.target)) return chooser->launchStep(request.target);
    // Otherwise the catalogue lends its text box for the lesson's photos.
    if (withLesson) LoadLessonPictures(app, *catalogue->Txtini);
    if (windows.has(request.target)) {
        app.services.log(QStringLiteral("launch ") + request.target);
        return windows.open(request.target) != nullptr;
    }
    if (catalogue && isActivityArea(area))
        return launchTitle(app, {TitleTable::Catalogue, TitleTable::CatalogueSteps},
                           request.target);
    return launchTitle(app,
                       {TitleTable::Catalogue, TitleTable::CatalogueSteps, TitleTable::Chooser},
                       request.target);
}
