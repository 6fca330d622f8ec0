// The record of play for grown-ups: reached from the help window, a year of play on one
// page, exported to CSV, cleared only when confirmed.

#include "StageFixture.h"
#include "shell/record/RecordFile.h"
#include "shell/record/RecordWriter.h"
#include "shell/windows/FrmHelp.h"
#include "shell/windows/FrmRecord.h"
#include "shell/windows/ShellWindows.h"

#include <QFile>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Kind = PlayEvent::Kind;

const QDate Today(2026, 3, 31);

// A year of play up to Today: counting every day for (k % 20 + 5) minutes with k % 7 + 3
// answers, of which all but every third are right, k days ago; the picture words every
// other day for 10 minutes with one wrong and one right answer.
void writeYearOfPlay(const QString& path)
{
    RecordFile file;
    ASSERT_TRUE(file.open(path, RecordFile::Access::ReadWrite));
    const QString counting = QStringLiteral("FrmXunxushsh"), words = QStringLiteral("FrmTu_zhi");
    std::vector<PlayEvent> year;
    for (int k = 364; k >= 0; --k) {
        const QDateTime morning(Today.addDays(-k), QTime(9, 0));
        const qint64 t = morning.toMSecsSinceEpoch();
        year.push_back({Kind::Opened,
                        t,
                        QStringLiteral("数学"),
                        {},
                        counting,
                        QStringLiteral("10以内数数(四)")});
        for (int i = 0; i < k % 7 + 3; ++i)
            year.push_back(
                {i % 3 ? Kind::Right : Kind::Wrong, t + 1000 * (i + 1), {}, {}, counting, {}});
        year.push_back({Kind::Closed, t + 60000 * (k % 20 + 5), {}, {}, counting, {}});
        if (k % 2) continue;
        const qint64 u = QDateTime(Today.addDays(-k), QTime(16, 0)).toMSecsSinceEpoch();
        year.push_back({Kind::Opened, u, QStringLiteral("语言"), QStringLiteral("水果"), words,
                        QStringLiteral("看图认字")});
        year.push_back({Kind::Wrong, u + 1000, {}, {}, words, {}});
        year.push_back({Kind::Right, u + 2000, {}, {}, words, {}});
        year.push_back({Kind::Closed, u + 600000, {}, {}, words, {}});
    }
    ASSERT_TRUE(file.append(year)) << file.error().toStdString();
}

struct RecordPage {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("record.sqlite"));
    std::unique_ptr<RecordWriter> record;
    std::unique_ptr<StageFixture> fx; // goes before the record it writes to
    FrmRecord* page = nullptr;

    RecordPage() { QStandardPaths::setTestModeEnabled(true); }

    FakeServices& services() { return fx->services; }
    AppContext& app() { return fx->app; }

    void openThroughHelp(bool keepsRecord = true)
    {
        fx = std::make_unique<StageFixture>();
        registerShellWindows(fx->windows);
        services().date = Today;
        if (keepsRecord) {
            record = std::make_unique<RecordWriter>(path, RecordWriter::Failure{});
            app().record = record.get();
        }
        auto* help = fx->windows.open<FrmHelp>(QStringLiteral("FrmHelp"));
        fx->click(help->LblRecord);
        page = fx->windows.find<FrmRecord>(QStringLiteral("FrmRecord"));
        ASSERT_NE(page, nullptr);
        ASSERT_EQ(fx->stage.top(), page);
    }
    QStringList row(Grid& grid, int r) const
    {
        QStringList cells;
        for (int c = 0; c < grid.Cols(); ++c)
            cells << grid.TextMatrix(r, c);
        return cells;
    }
};

TEST(RecordPageTest, AYearOfPlayOnOnePage)
{
    RecordPage p;
    writeYearOfPlay(p.path);
    p.openThroughHelp();

    EXPECT_EQ(p.page->LblSummary->Caption(),
              QStringLiteral("最近30天：玩了8小时55分，205个回合，答对60%"));

    // Every day with each area it was played in, the newest first, the longer play first.
    ASSERT_EQ(p.page->GrdDays->Rows(), 365 + 183);
    EXPECT_EQ(p.row(*p.page->GrdDays, 0), (QStringList{"2026-03-31", "语言", "10分", "2", "50%"}));
    EXPECT_EQ(p.row(*p.page->GrdDays, 1), (QStringList{"2026-03-31", "数学", "5分", "3", "67%"}));
    EXPECT_EQ(p.row(*p.page->GrdDays, 2), (QStringList{"2026-03-30", "数学", "6分", "4", "50%"}));
    EXPECT_EQ(p.row(*p.page->GrdDays, 365 + 182),
              (QStringList{"2025-04-01", "数学", "9分", "3", "67%"}));

    ASSERT_EQ(p.page->GrdWindows->Rows(), 2);
    EXPECT_EQ(p.row(*p.page->GrdWindows, 0).mid(0, 2),
              (QStringList{"10以内数数(四)", "87小时35分"}));
    EXPECT_EQ(p.row(*p.page->GrdWindows, 1).mid(0, 2), (QStringList{"看图认字", "30小时30分"}));

    // Thirty bars, today's on the right; the tallest is 18 days ago (23 + 10 minutes).
    const BarChart& chart = *p.page->ChtDays;
    ASSERT_EQ(chart.barCount(), 30);
    const double tallest = chart.barRect(29 - 18).height();
    for (int i = 0; i < 30; ++i)
        EXPECT_LE(chart.barRect(i).height(), tallest) << i;
    EXPECT_NEAR(chart.barRect(29).height(), tallest * 15 / 33, 1.0);
    EXPECT_NEAR(chart.barRect(29 - 19).height(), tallest * 24 / 33, 1.0); // no words that day
}

TEST(RecordPageTest, ExportWritesTheFiguresAsCsvAndSaysWhere)
{
    RecordPage p;
    // The documents folder of a home of its own.
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", p.dir.path().toLocal8Bit());
    const auto restoreHome = qScopeGuard([&] { qputenv("HOME", home); });
    writeYearOfPlay(p.path);
    p.openThroughHelp();
    const QString expectedPath = RecordExportPath(Today);
    QFile::remove(expectedPath);
    p.fx->click(p.page->CmdExport);

    ASSERT_EQ(p.services().messages.size(), 1);
    EXPECT_TRUE(p.services().messages[0].contains(expectedPath))
        << p.services().messages[0].toStdString();
    QFile csv(expectedPath);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QByteArray bytes = csv.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 1 + 365 + 183 + 1); // the header, the rows, the final line break
    EXPECT_EQ(lines[1], QStringLiteral("2026-03-31,语言,600,2,1,50%"));
    EXPECT_EQ(lines[2], QStringLiteral("2026-03-31,数学,300,3,2,67%"));

    // A second export the same day keeps the first.
    p.fx->click(p.page->CmdExport);
    EXPECT_TRUE(QFile::exists(expectedPath));
    EXPECT_TRUE(expectedPath.startsWith(p.dir.path() + QStringLiteral("/Documents/")));
    EXPECT_EQ(RecordExportPath(Today), expectedPath.chopped(4) + QStringLiteral("-3.csv"));
}

TEST(RecordPageTest, ClearingAsksFirstAndForgetsOnlyOnYes)
{
    RecordPage p;
    writeYearOfPlay(p.path);
    p.openThroughHelp();

    p.services().answer = MessageAnswer::No;
    p.fx->click(p.page->CmdClear);
    ASSERT_EQ(p.services().messages.size(), 1);
    EXPECT_TRUE(p.services().messages[0].contains(QStringLiteral("清除")));
    EXPECT_EQ(p.page->GrdDays->Rows(), 365 + 183);

    p.services().answer = MessageAnswer::Yes;
    p.fx->click(p.page->CmdClear);
    EXPECT_EQ(p.page->GrdDays->Rows(), 0);
    EXPECT_EQ(p.page->GrdWindows->Rows(), 0);
    EXPECT_EQ(p.page->LblSummary->Caption(), QStringLiteral("还没有学习记录。"));
    EXPECT_FALSE(p.page->CmdClear->Enabled());
    EXPECT_TRUE(p.record->figures({}).empty());
}

TEST(RecordPageTest, WithoutARecordThePageSaysSo)
{
    RecordPage p;
    p.openThroughHelp(false);
    EXPECT_EQ(p.page->LblSummary->Caption(), QStringLiteral("这台电脑上没有保存学习记录。"));
    EXPECT_EQ(p.page->GrdDays->Rows(), 0);
    EXPECT_FALSE(p.page->CmdExport->Enabled());
    EXPECT_FALSE(p.page->CmdClear->Enabled());
    EXPECT_EQ(p.page->ChtDays->barCount(), 30);
}

} // namespace
