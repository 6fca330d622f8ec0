// mindlark-pack record: the figures of a record file for teachers, as text or CSV.

#include "RecordSupport.h"

#include <QProcess>

namespace {

using Kind = PlayEvent::Kind;

struct PackRun {
    int status;
    QString out, err;
};

PackRun pack(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(MINDLARK_PACK), QStringList{QStringLiteral("record")} + args);
    process.waitForFinished();
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

struct TwoDays : RecordOnDisk {
    TwoDays()
    {
        const QString counting = QStringLiteral("FrmXunxushsh");
        add({event(Kind::Opened, at(1, 9, 0), counting, QStringLiteral("数学"), {},
                   QStringLiteral("数数")),
             event(Kind::Right, at(1, 9, 1), counting), event(Kind::Closed, at(1, 9, 20), counting),
             event(Kind::Opened, at(3, 9, 0), counting, QStringLiteral("数学"), {},
                   QStringLiteral("数数")),
             event(Kind::Right, at(3, 9, 1), counting), event(Kind::Wrong, at(3, 9, 2), counting),
             event(Kind::Right, at(3, 9, 3), counting),
             event(Kind::Closed, at(3, 9, 5), counting)});
    }
};

TEST(PackRecord, PrintsTheFiguresOfARecord)
{
    TwoDays record;
    const PackRun text = pack({record.path});
    EXPECT_EQ(text.status, 0) << text.err.toStdString();
    const QStringList lines = text.out.split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 6);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("日期")));
    EXPECT_EQ(lines[1].simplified(), QStringLiteral("2026-03-03 数学 5分 3 67%"));
    EXPECT_EQ(lines[2].simplified(), QStringLiteral("2026-03-01 数学 20分 1 100%"));
    EXPECT_EQ(lines[4], QStringLiteral("玩得最多"));
    EXPECT_EQ(lines[5].simplified(), QStringLiteral("数数 25分 4 75%"));

    const PackRun csv = pack({QStringLiteral("--since"), QStringLiteral("2026-03-02"),
                              QStringLiteral("--csv"), record.path});
    EXPECT_EQ(csv.status, 0) << csv.err.toStdString();
    EXPECT_EQ(csv.out, figuresCsv(record.file.figures(QDate(2026, 3, 2))));
    EXPECT_EQ(csv.out.count(QLatin1Char('\n')), 2);
}

TEST(PackRecord, WrongArgumentsAndFilesThatAreNoRecord)
{
    TwoDays record;
    const struct {
        QStringList args;
        int status;
        const char* said;
    } cases[] = {
        {{}, 64, "which record file"},
        {{QStringLiteral("--since"), QStringLiteral("March"), record.path}, 64, "not a date"},
        {{QStringLiteral("--since")}, 64, "wants a date"},
        {{record.path, record.path}, 64, "unexpected"},
        {{record.dir.filePath(QStringLiteral("none.sqlite"))}, 1, "does not exist"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        const PackRun run = pack(c.args);
        EXPECT_EQ(run.status, c.status);
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.said))) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

} // namespace
