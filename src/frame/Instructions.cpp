#include "frame/Instructions.h"

#include "shell/core/CourseStore.h"
#include "shell/core/Mdlmain.h"

#include <QFileInfo>

namespace {

const QString Course = QStringLiteral("提示");

} // namespace

QString ReadInstruction(AppContext& app, const QString& windowName)
{
    // A data folder without instructions is a complete data folder: no warning.
    if (!QFileInfo::exists(app.dataPath(QStringLiteral("pic/fmpic/%1.bmp").arg(Course)))) return {};
    const DecodedCourse ini = ExtractCourseIni(app, Course);
    return ini ? ini->value(Course, windowName) : QString();
}

void SpeakInstruction(AppContext& app, const QString& windowName)
{
    const QString instruction = ReadInstruction(app, windowName);
    if (!instruction.isEmpty()) SpeakText(app, instruction);
}
