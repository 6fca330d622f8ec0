// mindlark-pack: makes and reads the data files of Mindlark (course carriers, split photos)
// and checks a data folder, with the same code the program reads them with.

#include "DataCheck.h"
#include "PackCommands.h"
#include "RecordCommand.h"
#include "common/HeadlessApplication.h"

#include <QApplication>
#include <cstring>
#include <memory>

namespace {

const char* const Help = R"(Usage: mindlark-pack COMMAND ARGUMENTS

Commands:
  pack INI OUT.bmp                 wrap a course ini (UTF-8 or GBK) into a carrier bitmap
  unpack CARRIER                   print the course ini of a carrier as UTF-8
  split PHOTO FIRST.zic SECOND.zic cut a photo into its two halves
  items --data DIR COURSE SECTION KEY
                                   print what the program's course read leaves:
                                   ItemCount, ItemTextLength, Txtini, ItemList(1..ItemCount)
  check --data DIR                 list every missing or broken file the courses name;
                                   exit status 0 only when nothing is
  record [--since DATE] [--csv] FILE
                                   print the figures of a record of play
                                   (~/.local/share/mindlark/record.sqlite): per day and
                                   area the time played, the rounds and the share right,
                                   and the windows played most; from DATE (2026-09-01) on;
                                   --csv: one line per day and area
  --help                           show this text
)";

int usage()
{
    printError(QStringLiteral("mindlark-pack: wrong arguments; see mindlark-pack --help"));
    return 64;
}

int check(const QString& dataDir)
{
    const QStringList problems = checkDataFolder(dataDir);
    for (const QString& line : problems)
        printLine(line);
    printError(problems.isEmpty()
                   ? QStringLiteral("%1: complete").arg(dataDir)
                   : QStringLiteral("%1: %2 problems").arg(dataDir).arg(problems.size()));
    return problems.isEmpty() ? 0 : 1;
}

std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv)
{
    // Only the course read fills a widget (the hidden Txtini); every other command is a
    // plain console program.
    if (argc < 2 || std::strcmp(argv[1], "items") != 0)
        return std::make_unique<QCoreApplication>(argc, argv);
    return makeHeadlessApplication<QApplication>(argc, argv);
}

} // namespace

int main(int argc, char** argv)
{
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) return usage();
    const QString command = args.takeFirst();
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        std::fputs(Help, stdout);
        return 0;
    }

    if (command == QLatin1String("record")) return printRecord(args);

    QString dataDir;
    if (args.size() >= 2 && args[0] == QLatin1String("--data")) {
        dataDir = args[1];
        args = args.mid(2);
    }
    if (command == QLatin1String("pack") && args.size() == 2 && dataDir.isNull())
        return packCourse(args[0], args[1]);
    if (command == QLatin1String("unpack") && args.size() == 1 && dataDir.isNull())
        return unpackCourse(args[0]);
    if (command == QLatin1String("split") && args.size() == 3 && dataDir.isNull())
        return splitPhoto(args[0], args[1], args[2]);
    if (command == QLatin1String("items") && args.size() == 3 && !dataDir.isNull())
        return printItems(dataDir, args[0], args[1], args[2]);
    if (command == QLatin1String("check") && args.isEmpty() && !dataDir.isNull())
        return check(dataDir);
    return usage();
}
