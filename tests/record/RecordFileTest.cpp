// The record of play on disk: what goes in comes out again, the figures a parent reads
// from it, and files that are no record.

#include "RecordSupport.h"

#include <QFile>

namespace {

using Kind = PlayEvent::Kind;

TEST(RecordFile, ASessionComesBackExactlyAsItWasPlayed)
{
    RecordOnDisk record;
    const std::vector<PlayEvent> session{
        event(Kind::Opened, at(2, 9, 0), QStringLiteral("FrmBijiaoMulu"), QStringLiteral("数学"),
              {}, QStringLiteral("比较")),
        event(Kind::Opened, at(2, 9, 1), QStringLiteral("FrmBijiao"), QStringLiteral("数学"), {},
              QStringLiteral("比较")),
        event(Kind::Right, at(2, 9, 2), QStringLiteral("FrmBijiao"), QStringLiteral("数学"), {},
              QStringLiteral("比较")),
        event(Kind::Wrong, at(2, 9, 3), QStringLiteral("FrmBijiao"), QStringLiteral("数学"), {},
              QStringLiteral("比较")),
        event(Kind::Closed, at(2, 9, 4), QStringLiteral("FrmBijiao"), QStringLiteral("数学"), {},
              QStringLiteral("比较")),
        event(Kind::Closed, at(2, 9, 5), QStringLiteral("FrmBijiaoMulu"), QStringLiteral("数学"),
              {}, QStringLiteral("比较")),
        event(Kind::Opened, at(2, 9, 6), QStringLiteral("FrmTu_zhi"), QStringLiteral("语言"),
              QStringLiteral("水果"), QStringLiteral("看图认字")),
        event(Kind::Right, at(2, 9, 6, 30), QStringLiteral("FrmTu_zhi"), QStringLiteral("语言"),
              QStringLiteral("水果"), QStringLiteral("看图认字")),
    };
    for (const PlayEvent& e : session)
        ASSERT_TRUE(record.file.append(e)) << record.file.error().toStdString();
    EXPECT_EQ(record.file.events(), session);

    // And so it reads in another program, without writing.
    RecordFile reader;
    ASSERT_TRUE(reader.open(record.path, RecordFile::Access::ReadOnly))
        << reader.error().toStdString();
    EXPECT_EQ(reader.events(), session);
    EXPECT_TRUE(reader.intact());
}

TEST(RecordFile, AnAnswerInAWindowNotSeenOpeningStillCounts)
{
    RecordOnDisk record;
    record.add({event(Kind::Right, at(2, 10, 0), QStringLiteral("FrmMemory"))});
    const std::vector<PlayEvent> expected{
        event(Kind::Opened, at(2, 10, 0), QStringLiteral("FrmMemory"), QStringLiteral("数学"), {},
              QStringLiteral("FrmMemory")),
        event(Kind::Right, at(2, 10, 0), QStringLiteral("FrmMemory"), QStringLiteral("数学"), {},
              QStringLiteral("FrmMemory")),
    };
    EXPECT_EQ(record.file.events(), expected);
}

struct FiguresCase {
    const char* name;
    std::vector<PlayEvent> events;
    QDate since;
    std::vector<AreaDay> days;
};

const QString Maths = QStringLiteral("数学");
const QString Language = QStringLiteral("语言");

std::vector<FiguresCase> figuresCases()
{
    const QString menu = QStringLiteral("FrmBijiaoMulu"), window = QStringLiteral("FrmBijiao");
    return {
        {"a window over its menu is counted once",
         {event(Kind::Opened, at(2, 10, 0), menu), event(Kind::Opened, at(2, 10, 5), window),
          event(Kind::Right, at(2, 10, 6), window), event(Kind::Closed, at(2, 10, 15), window),
          event(Kind::Closed, at(2, 10, 20), menu)},
         {},
         {{QDate(2026, 3, 2), Maths, 1200, 1, 1}}},
        {"play over midnight counts on both days",
         {event(Kind::Opened, at(2, 23, 50), window), event(Kind::Wrong, at(2, 23, 55), window),
          event(Kind::Right, at(3, 0, 5), window), event(Kind::Closed, at(3, 0, 10), window)},
         {},
         {{QDate(2026, 3, 3), Maths, 600, 1, 1}, {QDate(2026, 3, 2), Maths, 600, 1, 0}}},
        {"a window never closed (the program was killed) lasts to its last answer",
         {event(Kind::Opened, at(2, 10, 0), window), event(Kind::Right, at(2, 10, 1), window),
          event(Kind::Wrong, at(2, 10, 3), window)},
         {},
         {{QDate(2026, 3, 2), Maths, 180, 2, 1}}},
        {"areas of a day, the longest first",
         {event(Kind::Opened, at(2, 10, 0), QStringLiteral("FrmTu_zhi"), Language),
          event(Kind::Right, at(2, 10, 1), QStringLiteral("FrmTu_zhi"), Language),
          event(Kind::Closed, at(2, 10, 10), QStringLiteral("FrmTu_zhi"), Language),
          event(Kind::Opened, at(2, 10, 10), window), event(Kind::Closed, at(2, 10, 30), window)},
         {},
         {{QDate(2026, 3, 2), Maths, 1200, 0, 0}, {QDate(2026, 3, 2), Language, 600, 1, 1}}},
        {"days before since are left out",
         {event(Kind::Opened, at(1, 10, 0), window), event(Kind::Right, at(1, 10, 1), window),
          event(Kind::Closed, at(1, 10, 2), window), event(Kind::Opened, at(3, 10, 0), window),
          event(Kind::Wrong, at(3, 10, 1), window), event(Kind::Closed, at(3, 10, 2), window)},
         QDate(2026, 3, 2),
         {{QDate(2026, 3, 3), Maths, 120, 1, 0}}},
    };
}

TEST(RecordFile, FiguresPerDayAndArea)
{
    for (const FiguresCase& c : figuresCases()) {
        SCOPED_TRACE(c.name);
        RecordOnDisk record;
        for (const PlayEvent& e : c.events)
            ASSERT_TRUE(record.file.append(e));
        EXPECT_EQ(record.file.figures(c.since).days, c.days);
    }
}

TEST(RecordFile, TheWindowsPlayedMostComeFirstUnderTheirTitles)
{
    RecordOnDisk record;
    record.add({
        event(Kind::Opened, at(2, 9, 0), QStringLiteral("FrmXunxushsh"), Maths, {},
              QStringLiteral("数数")),
        event(Kind::Right, at(2, 9, 1), QStringLiteral("FrmXunxushsh")),
        event(Kind::Closed, at(2, 9, 2), QStringLiteral("FrmXunxushsh")),
        event(Kind::Opened, at(2, 9, 10), QStringLiteral("frmNumjia"), Maths, {},
              QStringLiteral("10以内加法")),
        event(Kind::Right, at(2, 9, 11), QStringLiteral("frmNumjia")),
        event(Kind::Wrong, at(2, 9, 12), QStringLiteral("frmNumjia")),
        event(Kind::Closed, at(2, 9, 20), QStringLiteral("frmNumjia")),
        // Opened again later under the catalogue's title: the latest title is shown.
        event(Kind::Opened, at(2, 11, 0), QStringLiteral("FrmXunxushsh"), Maths, {},
              QStringLiteral("10以内数数(四)")),
        event(Kind::Closed, at(2, 11, 1), QStringLiteral("FrmXunxushsh")),
    });
    const std::vector<WindowFigures> expected{
        {QStringLiteral("frmNumjia"), QStringLiteral("10以内加法"), 600, 2, 1, 1},
        {QStringLiteral("FrmXunxushsh"), QStringLiteral("10以内数数(四)"), 180, 1, 1, 2},
    };
    EXPECT_EQ(record.file.figures({}).windows, expected);
}

TEST(RecordFile, ClearingForgetsEverythingAndRecordingGoesOn)
{
    RecordOnDisk record;
    const QString window = QStringLiteral("FrmMemory");
    record.add({event(Kind::Opened, at(2, 9, 0), window), event(Kind::Right, at(2, 9, 1), window)});
    ASSERT_TRUE(record.file.clear()) << record.file.error().toStdString();
    EXPECT_TRUE(record.file.events().empty());
    EXPECT_TRUE(record.file.figures({}).empty());
    record.add({event(Kind::Wrong, at(2, 9, 2), window)});
    EXPECT_EQ(record.file.figures({}).days,
              (std::vector<AreaDay>{{QDate(2026, 3, 2), Maths, 0, 1, 0}}));
}

TEST(RecordFile, WhatIsNoRecordIsSaidAndNotTouched)
{
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("notes.txt"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("this is not a database\n");
    file.close();

    struct Case {
        const char* name;
        QString path;
        RecordFile::Access access;
    };
    const Case cases[] = {
        {"a missing file, read", dir.filePath(QStringLiteral("missing.sqlite")),
         RecordFile::Access::ReadOnly},
        {"a text file, read", text, RecordFile::Access::ReadOnly},
        {"a text file, written", text, RecordFile::Access::ReadWrite},
        {"a folder under a file, written", text + QStringLiteral("/record.sqlite"),
         RecordFile::Access::ReadWrite},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordFile record;
        EXPECT_FALSE(record.open(c.path, c.access));
        EXPECT_FALSE(record.error().isEmpty());
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("missing.sqlite"))));
    file.open(QIODevice::ReadOnly);
    EXPECT_EQ(file.readAll(), QByteArray("this is not a database\n"));
}

TEST(PlayFigures, TimesSharesAndCsvAsAGrownUpReadsThem)
{
    const std::pair<qint64, const char*> times[] = {
        {0, "0秒"}, {59, "59秒"}, {60, "1分"}, {3599, "59分"}, {3600, "1小时"}, {3900, "1小时5分"}};
    for (const auto& [seconds, text] : times)
        EXPECT_EQ(playedTime(seconds), QString::fromUtf8(text)) << seconds;
    EXPECT_EQ(shareRight(0, 0), QStringLiteral("—"));
    EXPECT_EQ(shareRight(2, 3), QStringLiteral("67%"));
    EXPECT_EQ(shareRight(3, 3), QStringLiteral("100%"));

    PlayFigures figures;
    figures.days = {{QDate(2026, 3, 3), QStringLiteral("数学"), 600, 4, 3},
                    {QDate(2026, 3, 2), QStringLiteral("a, \"b\""), 30, 0, 0}};
    EXPECT_EQ(figuresCsv(figures), QStringLiteral("日期,领域,时长(秒),回合,答对,答对率\n"
                                                  "2026-03-03,数学,600,4,3,75%\n"
                                                  "2026-03-02,\"a, \"\"b\"\"\",30,0,0,\n"));
}

} // namespace
