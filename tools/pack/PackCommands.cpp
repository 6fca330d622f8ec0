#include "PackCommands.h"

#include "ToolServices.h"
#include "shell/core/CourseStore.h"
#include "shell/data/CourseCarrier.h"
#include "shell/data/CourseIni.h"
#include "shell/data/SplitPhoto.h"
#include "ui/Form.h"
#include "ui/Stage.h"
#include "ui/TextBox.h"

#include <QFile>
#include <QStringDecoder>
#include <cstdio>
#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

void printLine(const QString& line)
{
    std::printf("%s\n", line.toUtf8().constData());
}

void printError(const QString& line)
{
    std::fprintf(stderr, "%s\n", line.toUtf8().constData());
}

bool readFile(const QString& path, QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        printError(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
        return false;
    }
    bytes = file.readAll();
    return true;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        printError(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

namespace {

// Authors write course files in UTF-8 or keep the old GBK ones; text that is valid UTF-8
// is taken as UTF-8 (plain ASCII reads the same either way).
bool toGbk(QByteArray text, QByteArray& gbk, QString& error)
{
    if (text.startsWith("\xEF\xBB\xBF")) text.remove(0, 3);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString unicode = utf8.decode(text);
    if (!utf8.hasError()) {
        bool valid = true;
        gbk = encodeGbk(unicode, &valid);
        if (!valid) error = QStringLiteral("has characters that GBK cannot hold");
        return valid;
    }
    bool valid = true;
    decodeGbk(text, &valid);
    if (!valid) error = QStringLiteral("is neither UTF-8 nor GBK text");
    gbk = text;
    return valid;
}

} // namespace

int packCourse(const QString& iniPath, const QString& carrierPath)
{
    QByteArray text;
    if (!readFile(iniPath, text)) return 1;
    QByteArray gbk;
    QString error;
    if (!toGbk(text, gbk, error)) {
        printError(QStringLiteral("%1 %2").arg(iniPath, error));
        return 1;
    }
    // What the program would only warn about (a lone carriage return that would become part
    // of an item name, a section without its bracket) is refused here, where it can be fixed.
    const QStringList problems = CourseIni::parse(gbk).problems();
    for (const QString& problem : problems)
        printError(QStringLiteral("%1: %2").arg(iniPath, problem));
    if (!problems.isEmpty()) return 1;
    // Carriers hold Windows text whatever the author's editor wrote; CR and LF are below
    // every GBK trail byte, so the bytes can be rewritten directly.
    gbk.replace("\r\n", "\n").replace("\n", "\r\n");
    return writeFile(carrierPath, CourseCarrier::make(gbk)) ? 0 : 1;
}

int unpackCourse(const QString& carrierPath)
{
    QByteArray file;
    if (!readFile(carrierPath, file)) return 1;
    const CourseCarrier::Contents contents = CourseCarrier::read(file);
    if (contents.status != CourseCarrier::Status::Text) {
        printError(
            QStringLiteral("%1 %2").arg(carrierPath, CourseCarrier::describe(contents.status)));
        return 1;
    }
    const CourseIni ini = CourseIni::parse(contents.text);
    for (const QString& problem : ini.problems())
        printError(QStringLiteral("%1: %2").arg(carrierPath, problem));
    // The text as this platform's editors expect it, ready to be edited and packed again.
    QString text = decodeGbk(contents.text);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
#ifdef Q_OS_WIN
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    _setmode(_fileno(stdout), _O_BINARY); // the line ends are already the platform's
#endif
    std::fputs(text.toUtf8().constData(), stdout);
    return 0;
}

int splitPhoto(const QString& photoPath, const QString& firstPath, const QString& secondPath)
{
    QByteArray photo;
    if (!readFile(photoPath, photo)) return 1;
    const auto [first, second] = SplitPhoto::split(photo);
    return writeFile(firstPath, first) && writeFile(secondPath, second) ? 0 : 1;
}

int printItems(const QString& dataDir, const QString& course, const QString& section,
               const QString& key)
{
    // The course must be readable up front: LoadCourseItems reads a broken one as empty.
    ToolServices probeServices(false);
    AppContext probe(probeServices, dataDir);
    if (!ExtractCourseIni(probe, course)) {
        for (const QString& line : probeServices.lines)
            printError(line);
        return 1;
    }

    ToolServices services(true);
    AppContext app(services, dataDir);
    Stage stage;
    Form form(stage, QStringLiteral("FrmPack"), ScaleUnit::Pixels);
    TextBox& Txtini = *form.make<TextBox>(QStringLiteral("Txtini"));
    LoadCourseItems(app, Txtini, section, key, course);
    if (services.quitStatus >= 0) return services.quitStatus;

    printLine(QStringLiteral("ItemCount=%1").arg(app.ItemCount));
    printLine(QStringLiteral("ItemTextLength=%1").arg(app.ItemTextLength));
    printLine(QStringLiteral("Txtini=%1").arg(Txtini.Text()));
    for (int i = 1; i <= app.ItemCount; ++i)
        printLine(QStringLiteral("ItemList(%1)=%2").arg(i).arg(app.ItemList[i]));
    return 0;
}
