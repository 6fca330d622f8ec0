#include "RecordCommand.h"

#include "PackCommands.h"
#include "shell/record/RecordFile.h"

#include <cstdio>

namespace {

constexpr int MostPlayed = 10;

int wrongArguments(const QString& why)
{
    printError(QStringLiteral("mindlark-pack record: %1; see mindlark-pack --help").arg(why));
    return 64;
}

} // namespace

int printRecord(const QStringList& args)
{
    QDate since;
    bool csv = false;
    QString path;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--csv")) {
            csv = true;
        } else if (args[i] == QLatin1String("--since")) {
            if (++i == args.size()) return wrongArguments(QStringLiteral("--since wants a date"));
            since = QDate::fromString(args[i], Qt::ISODate);
            if (!since.isValid())
                return wrongArguments(
                    QStringLiteral("\"%1\" is not a date such as 2026-09-01").arg(args[i]));
        } else if (path.isNull() && !args[i].startsWith(QLatin1String("--"))) {
            path = args[i];
        } else {
            return wrongArguments(QStringLiteral("unexpected \"%1\"").arg(args[i]));
        }
    }
    if (path.isNull()) return wrongArguments(QStringLiteral("which record file?"));

    RecordFile record;
    if (!record.open(path, RecordFile::Access::ReadOnly)) {
        printError(QStringLiteral("mindlark-pack record: %1").arg(record.error()));
        return 1;
    }
    const PlayFigures figures = record.figures(since);
    const QByteArray text = (csv ? figuresCsv(figures) : figuresText(figures, MostPlayed)).toUtf8();
    std::fwrite(text.constData(), 1, std::size_t(text.size()), stdout);
    return 0;
}
