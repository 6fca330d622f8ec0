// mindlark-demo-data CONTENT_FOLDER DATA_FOLDER
// Writes the complete demo data folder from the readable content tables. The same
// content always gives the same bytes.

#include "Artwork.h"
#include "CourseFiles.h"
#include "DataFolder.h"
#include "DemoContent.h"
#include "Drawings.h"
#include "Pictures.h"
#include "Strokes.h"
#include "common/HeadlessApplication.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    // Pictures are painted with Qt Gui; a build machine has no display.
    const auto app = makeHeadlessApplication<QGuiApplication>(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: mindlark-demo-data CONTENT_FOLDER DATA_FOLDER\n");
        return 2;
    }
    QElapsedTimer clock;
    clock.start();
    const DemoContent content = DemoContent::load(args[1]);
    const DataFolder out(args[2]);

    writeCourseFiles(content, out);
    writeMenuPictures(content, out);
    writeAnimations(out);
    writeSounds(content, out);
    writeItemPictures(content, out);
    writeNumberPictures(out);
    writeOutlinePictures(content, out);
    writeMazePictures(out);
    writeStrokeFiles(content, out);
    out.write(QStringLiteral("mindlark_handbook.htm"), content.handbook.toUtf8());

    std::printf("mindlark-demo-data: wrote %s in %.1f s\n", qPrintable(args[2]),
                clock.elapsed() / 1000.0);
    return 0;
}
