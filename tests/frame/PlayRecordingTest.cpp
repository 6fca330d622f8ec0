// An activity window tells the record of play when it opens and closes and how each
// answer was judged, with the area, the lesson and the title the child chose it by.

#include "StageFixture.h"
#include "frame/ActivityForm.h"
#include "frame/Mdljifeng.h"
#include "shell/record/RecordFile.h"
#include "shell/record/RecordWriter.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Kind = PlayEvent::Kind;

struct RecordedStage {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("record.sqlite"));
    RecordWriter record{path, {}};
    StageFixture fx; // goes first: windows still open close into the record

    RecordedStage() { fx.app.record = &record; }

    ActivityForm* open(const QString& window)
    {
        auto* form = new ActivityForm(fx.app, window); // the stage deletes it when unloaded
        form->Show();
        InitRewards(*form);
        return form;
    }
    void setTime(int hour, int minute, int second)
    {
        fx.services.time = QTime(hour, minute, second);
    }
    qint64 at(int hour, int minute, int second) const
    {
        return QDateTime(fx.services.date, QTime(hour, minute, second)).toMSecsSinceEpoch();
    }
    std::vector<PlayEvent> written()
    {
        record.flush();
        RecordFile file;
        EXPECT_TRUE(file.open(path, RecordFile::Access::ReadOnly)) << file.error().toStdString();
        return file.events();
    }
};

TEST(PlayRecording, TheRecordOfAScriptedSessionMatchesItExactly)
{
    RecordedStage s;
    AppContext& app = s.fx.app;
    // A lesson of the language area, opened by its step title.
    app.CurrentArea = QStringLiteral("语言");
    app.CurrentLesson = QStringLiteral("水果");
    app.LaunchedTitle = QStringLiteral("看图认字");
    s.setTime(10, 0, 0);
    ActivityForm* words = s.open(QStringLiteral("FrmTu_zhi"));
    s.setTime(10, 0, 5);
    RewardRight(*words);
    s.setTime(10, 0, 9);
    RewardWrong(*words);
    s.setTime(10, 1, 0);
    words->Unload();
    StageFixture::settle();

    // Then counting in the maths area: the lesson chosen before is not the window's, and
    // a window opened by its name is known by the catalogue's title.
    app.CurrentArea = QStringLiteral("数学");
    app.LaunchedTitle.clear();
    s.setTime(10, 2, 0);
    ActivityForm* counting = s.open(QStringLiteral("FrmXunxushsh"));
    s.setTime(10, 2, 30);
    RewardRight(*counting);

    const QString language = QStringLiteral("语言"), fruit = QStringLiteral("水果"),
                  reading = QStringLiteral("看图认字"), maths = QStringLiteral("数学"),
                  countingTitle = QStringLiteral("10以内数数(四)");
    const QString tuZhi = QStringLiteral("FrmTu_zhi"), xunxu = QStringLiteral("FrmXunxushsh");
    const std::vector<PlayEvent> expected{
        {Kind::Opened, s.at(10, 0, 0), language, fruit, tuZhi, reading},
        {Kind::Right, s.at(10, 0, 5), language, fruit, tuZhi, reading},
        {Kind::Wrong, s.at(10, 0, 9), language, fruit, tuZhi, reading},
        {Kind::Closed, s.at(10, 1, 0), language, fruit, tuZhi, reading},
        {Kind::Opened, s.at(10, 2, 0), maths, {}, xunxu, countingTitle},
        {Kind::Right, s.at(10, 2, 30), maths, {}, xunxu, countingTitle},
    };
    EXPECT_EQ(s.written(), expected);

    // The program ends with the window open: it is closed in the record too.
    s.setTime(10, 3, 0);
    s.fx.stage.unloadAll();
    const std::vector<PlayEvent> all = s.written();
    ASSERT_EQ(all.size(), expected.size() + 1);
    EXPECT_EQ(all.back(),
              (PlayEvent{Kind::Closed, s.at(10, 3, 0), maths, {}, xunxu, countingTitle}));
}

} // namespace
