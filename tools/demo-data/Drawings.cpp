#include "Drawings.h"

#include "DataFolder.h"
#include "DemoContent.h"
#include "Mazes.h"
#include "Outlines.h"

void writeOutlinePictures(const DemoContent& content, const DataFolder& out)
{
    const ContentIni& lessons = content.course(QStringLiteral("课程"));
    for (const QString& name : lessons.items(QStringLiteral("填色图片"), QStringLiteral("1")))
        out.writeImage(QStringLiteral("pic/drawpic/%1.bmp").arg(name), paintOutline(name));
}

void writeMazePictures(const DataFolder& out)
{
    for (int n = 0; n <= 9; ++n)
        out.writeImage(QStringLiteral("pic/handeye/%1.bmp").arg(n), paintMaze(n));
}
