// The stroke recorder and the replay: what a grown-up draws in the box becomes the
// character's stroke file, exactly in its format, in a safe place; the replay draws it again
// two seconds a stroke and ten milliseconds a point.

#include "WritingFixture.h"
#include "activities/language/FrmShurusz.h"
#include "activities/language/FrmShuruys.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Recorder {
    explicit Recorder(const char* character = "大", QSize screen = QSize(1024, 768))
        : w(QStringList{text("一")}, screen, false)
    {
        w.fx.app.CurrentCharacter = text(character);
        r = w.open<FrmShurusz>("FrmShurusz");
    }
    // A stroke through points of the design box (as the file measures them).
    void draw(const QList<QPoint>& points)
    {
        const double scale = r->Picture1->width() / 321.0;
        auto at = [&](QPoint p) {
            return w.fx.onStage(r->Picture1, QPoint(int(std::lround(p.x() * scale)),
                                                    int(std::lround(p.y() * scale))));
        };
        QTest::mouseMove(w.screen(), at(points.first()));
        QTest::mousePress(w.screen(), Qt::LeftButton, {}, at(points.first()));
        for (const QPoint& p : points.mid(1))
            QTest::mouseMove(w.screen(), at(p));
        QTest::mouseRelease(w.screen(), Qt::LeftButton, {}, at(points.last()));
    }
    // Every file below the data root's and the user's data folders.
    QStringList strokeFiles() const
    {
        QStringList files;
        for (const QString& dir : {w.data.path(QStringLiteral("data")), w.userData(QString())})
            for (const QString& name : QDir(dir).entryList(QDir::Files))
                files << name;
        return files;
    }
    WritingFixture w;
    FrmShurusz* r = nullptr;
};

TEST(FrmShurusz, RecordsStrokesInTheStrokeFileFormatOfTheDesignBox)
{
    for (QSize screen : {QSize(1024, 768), QSize(1280, 1024)}) {
        Recorder rec("大", screen);
        EXPECT_EQ(rec.r->Text2->Text(), text("大"));
        rec.draw({{60, 120}, {160, 121}, {260, 120}});
        rec.draw({{160, 50}, {150, 170}});
        const QByteArray expected = "\r\n[1]\r\n1=160 121\r\n2=260 120\r\n[2]\r\n1=150 170";
        EXPECT_EQ(rec.r->record(), expected) << screen.width();
        EXPECT_EQ(rec.r->StrokeCount, 2);
        EXPECT_EQ(rec.r->Picture1->image().pixelColor(rec.r->Picture1->width() / 2,
                                                      int(120 * rec.r->Picture1->width() / 321.0)),
                  QColor(Qt::black))
            << "the stroke is drawn";

        rec.w.fx.click(rec.r->Command1);
        EXPECT_TRUE(rec.w.fx.services.messages.isEmpty());
        EXPECT_EQ(readFile(rec.w.data.path(QStringLiteral("data/大.ini"))), expected);
        EXPECT_TRUE(QDir(rec.w.data.path(QStringLiteral("data"))).entryList(QDir::Files) ==
                    QStringList{text("大.ini")})
            << "no temporary file is left behind";
    }
}

TEST(FrmShurusz, APressWithoutAMoveIsNoStroke)
{
    Recorder rec;
    rec.draw({{100, 100}});
    EXPECT_EQ(rec.r->record(), QByteArray());
    EXPECT_EQ(rec.r->StrokeCount, 0);
    rec.draw({{10, 10}, {20, 20}});
    EXPECT_EQ(rec.r->record(), QByteArray("\r\n[1]\r\n1=20 20"));
}

TEST(FrmShurusz, CancelClearsTheBoxAndTheNextStrokeIsTheFirstAgain)
{
    Recorder rec;
    rec.draw({{10, 10}, {20, 20}});
    rec.w.fx.click(rec.r->Command2);
    EXPECT_EQ(rec.r->record(), QByteArray());
    EXPECT_EQ(rec.r->Picture1->image().pixelColor(20, 20), QColor(Qt::white));
    rec.draw({{30, 30}, {40, 40}});
    EXPECT_EQ(rec.r->record(), QByteArray("\r\n[1]\r\n1=40 40"));
}

struct BadName {
    const char* name;
    const char* typed;
};

class RecorderNames : public ::testing::TestWithParam<BadName> {};

TEST_P(RecorderNames, OnlyOneCharacterNamesAStrokeFile)
{
    Recorder rec("");
    rec.r->Text2->setText(text(GetParam().typed));
    rec.draw({{10, 10}, {20, 20}});
    rec.w.fx.services.messages.clear();
    rec.w.fx.click(rec.r->Command1);
    EXPECT_EQ(rec.w.fx.services.messages, QStringList{text("请输入一个汉字或书写汉字的笔顺!")});
    EXPECT_TRUE(rec.strokeFiles().isEmpty()) << qPrintable(rec.strokeFiles().join(' '));
}

INSTANTIATE_TEST_SUITE_P(Names, RecorderNames,
                         ::testing::Values(BadName{"Empty", ""}, BadName{"TwoCharacters", "大小"},
                                           BadName{"Up", ".."}, BadName{"Dot", "."},
                                           BadName{"Slash", "/"}, BadName{"Backslash", "\\"},
                                           BadName{"PathUp", "../大"}, BadName{"Colon", ":"},
                                           BadName{"Blank", " "}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FrmShurusz, NothingDrawnIsNothingSaved)
{
    Recorder rec;
    rec.w.fx.services.messages.clear();
    rec.w.fx.click(rec.r->Command1);
    EXPECT_EQ(rec.w.fx.services.messages, QStringList{text("请输入一个汉字或书写汉字的笔顺!")});
    EXPECT_TRUE(rec.strokeFiles().isEmpty());
}

TEST(FrmShurusz, WhereTheDataRootCannotBeWrittenTheUsersFolderTakesTheFile)
{
    Recorder rec;
    rec.w.data.addFile(QStringLiteral("data"), "not a folder");
    rec.draw({{10, 10}, {20, 20}});
    rec.w.fx.click(rec.r->Command1);
    EXPECT_EQ(readFile(rec.w.userData(text("大.ini"))), QByteArray("\r\n[1]\r\n1=20 20"));
}

// The replay -------------------------------------------------------------------------------

struct Replay {
    Replay()
        : w(QStringList{text("一")}, QSize(1024, 768), false)
    {
        w.fx.app.CurrentCharacter = text("三");
    }
    FrmShuruys* open() { return w.open<FrmShuruys>("FrmShuruys"); }
    bool inked(FrmShuruys* r, QPoint p) const
    {
        return r->Picture1->image().pixelColor(p) == QColor(Qt::black);
    }
    WritingFixture w;
};

const QByteArray ThreeStrokes = "\r\n[1]\r\n1=50 80\r\n2=150 80\r\n[2]\r\n1=50 160\r\n2=150 160\r\n"
                                "3=250 160\r\n[3]\r\n1=50 240\r\n2=150 240";

TEST(FrmShuruys, DrawsTheStrokesTwoSecondsApartAndThePointsTenMillisecondsApart)
{
    Replay rp;
    rp.w.data.addFile(QStringLiteral("data/三.ini"), ThreeStrokes);
    FrmShuruys* r = rp.open();
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->Caption(), text("笔顺演示"));
    EXPECT_EQ(r->strokes().size(), 3);
    EXPECT_FALSE(rp.inked(r, {50, 80})) << "nothing before the first two seconds";
    ASSERT_TRUE(r->Timer2->isRunning());
    EXPECT_EQ(r->Timer2->Interval(), 2000);

    const int points[] = {2, 3, 2};
    const int rows[] = {80, 160, 240};
    for (int stroke = 0; stroke < 3; ++stroke) {
        r->Timer2->fire();
        EXPECT_EQ(r->StrokeIndex, stroke + 1);
        EXPECT_TRUE(rp.inked(r, {50, rows[stroke]})) << "a dot at the first point";
        EXPECT_FALSE(rp.inked(r, {100, rows[stroke]}));
        ASSERT_TRUE(r->Timer1->isRunning());
        EXPECT_EQ(r->Timer1->Interval(), 10);
        for (int k = 0; k < points[stroke]; ++k)
            r->Timer1->fire();
        EXPECT_TRUE(rp.inked(r, {100, rows[stroke]})) << "the line to the second point";
        r->Timer1->fire();
        EXPECT_FALSE(r->Timer1->isRunning()) << "the stroke is done";
        EXPECT_EQ(r->PointIndex, 0);
    }
    EXPECT_TRUE(rp.inked(r, {200, 160}));
    r->Timer2->fire();
    EXPECT_FALSE(r->Timer2->isRunning()) << "the replay is over";
    EXPECT_EQ(r->StrokeIndex, 0);
}

TEST(FrmShuruys, AStrokeStillBeingDrawnIsFinishedWhenTheNextOneIsDue)
{
    Replay rp;
    rp.w.data.addFile(QStringLiteral("data/三.ini"), ThreeStrokes);
    FrmShuruys* r = rp.open();
    r->Timer2->fire();
    r->Timer2->fire();
    EXPECT_TRUE(rp.inked(r, {100, 80})) << "all of the first stroke";
    EXPECT_EQ(r->StrokeIndex, 2);
}

TEST(FrmShuruys, TheUsersOwnRecordingComesFirst)
{
    Replay rp;
    rp.w.data.addFile(QStringLiteral("data/三.ini"), ThreeStrokes);
    QDir().mkpath(rp.w.userData(QString()));
    QFile mine(rp.w.userData(text("三.ini")));
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
    mine.write("\r\n[1]\r\n1=10 10\r\n2=20 20");
    mine.close();
    FrmShuruys* r = rp.open();
    EXPECT_EQ(r->strokes(), Strokes({{QPoint(10, 10), QPoint(20, 20)}}));
}

TEST(FrmShuruys, ACharacterWithoutStrokesOrWithBrokenOnesReplaysWhatThereIs)
{
    Replay rp;
    FrmShuruys* r = rp.open();
    EXPECT_TRUE(r->strokes().isEmpty());
    r->Timer2->fire();
    EXPECT_FALSE(r->Timer2->isRunning());
    EXPECT_FALSE(r->Timer1->isRunning());
    r->Unload();

    rp.w.data.addFile(QStringLiteral("data/三.ini"), "\r\n[1]\r\n1=50 80\r\n2=fifty 80");
    r = rp.open();
    EXPECT_EQ(r->strokes(), Strokes({{QPoint(50, 80)}}));
    EXPECT_FALSE(rp.w.fx.services.warnings.isEmpty());

    r->Unload();
    rp.w.fx.app.CurrentCharacter = text("../三");
    r = rp.open();
    EXPECT_TRUE(r->strokes().isEmpty()) << "a name that is no file name reads nothing";
}

} // namespace
