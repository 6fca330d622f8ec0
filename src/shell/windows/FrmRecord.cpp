#include "shell/windows/FrmRecord.h"

#include "shell/core/Mdlmain.h"
#include "shell/record/PlayRecord.h"
#include "ui/Artwork.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

const QString Hei = QStringLiteral("黑体");
const QString Song = QStringLiteral("宋体");

Label* heading(Form& form, const QString& name, const QString& caption, double left, double top)
{
    auto* label = form.make<Label>(name, caption);
    label->setFont(Hei, 14, true);
    label->setTransparent(true);
    label->setForeColor(QColor(60, 90, 130));
    label->Move(left, top, 460, 26);
    return label;
}

QStringList figureCells(const QString& first, qint64 seconds, int rounds, int right)
{
    return {first, playedTime(seconds), QString::number(rounds), shareRight(right, rounds)};
}

} // namespace

FrmRecord::FrmRecord(AppContext& app, const QString& name)
    : Form(*app.stage, name, ScaleUnit::Pixels)
    , app_(app)
{
    setCaption(QStringLiteral("学习记录"));
    setBackColor(QColor(246, 248, 252));

    LblTitle = make<Label>(QStringLiteral("LblTitle"), QStringLiteral("学习记录"));
    LblTitle->setFont(Hei, 24, true);
    LblTitle->setTransparent(true);
    LblTitle->setForeColor(QColor(40, 70, 110));
    LblTitle->Move(32, 16, 300, 44);

    LblSummary = make<Label>(QStringLiteral("LblSummary"));
    LblSummary->setFont(Song, 12, false);
    LblSummary->setTransparent(true);
    LblSummary->Move(32, 66, 800, 24);

    ChtDays = make<BarChart>(QStringLiteral("ChtDays"));
    ChtDays->setFont(Song, 9, false);
    ChtDays->Move(32, 96, 960, 200);

    LblDays = heading(*this, QStringLiteral("LblDays"), QStringLiteral("每天每个领域"), 32, 310);
    GrdDays = make<Grid>(QStringLiteral("GrdDays"));
    GrdDays->setFont(Song, 11, false);
    GrdDays->Move(32, 340, 540, 360);
    GrdDays->setColumns({QStringLiteral("日期"), QStringLiteral("领域"), QStringLiteral("时长"),
                         QStringLiteral("回合"), QStringLiteral("答对")},
                        {1.3, 1.3, 1.2, 0.8, 0.8});

    LblWindows = heading(*this, QStringLiteral("LblWindows"), QStringLiteral("玩得最多"), 592, 310);
    GrdWindows = make<Grid>(QStringLiteral("GrdWindows"));
    GrdWindows->setFont(Song, 11, false);
    GrdWindows->Move(592, 340, 400, 360);
    GrdWindows->setColumns({QStringLiteral("活动"), QStringLiteral("时长"), QStringLiteral("回合"),
                            QStringLiteral("答对")},
                           {2.0, 1.1, 0.7, 0.7});

    CmdExport = make<Button>(QStringLiteral("CmdExport"), QStringLiteral("导出CSV"));
    CmdExport->setFont(Song, 12, true);
    CmdExport->Move(32, 714, 130, 36);
    connect(CmdExport, &Control::Click, this, [this] { CmdExport_Click(); });

    CmdClear = make<Button>(QStringLiteral("CmdClear"), QStringLiteral("清除记录"));
    CmdClear->setFont(Song, 12, true);
    CmdClear->Move(178, 714, 130, 36);
    connect(CmdClear, &Control::Click, this, [this] { CmdClear_Click(); });

    ImgBack = make<Image>(QStringLiteral("ImgBack"));
    ImgBack->Move(960, 0, 64, 64);
    ImgBack->setPicture(Artwork::back());
    ImgBack->setHandCursor();
    connect(ImgBack, &Control::Click, this, [this] { Unload(); });
}

void FrmRecord::Form_Load()
{
    ScaleForm(app_, *this);
    maximize();
    showFigures();
}

void FrmRecord::showFigures()
{
    figures_ = app_.record ? app_.record->figures(QDate()) : PlayFigures{};
    const QDate today = app_.services.now().date();

    std::vector<double> minutes;
    QStringList labels;
    qint64 seconds = 0;
    int rounds = 0, right = 0;
    for (int i = ChartDays - 1; i >= 0; --i) {
        const QDate day = today.addDays(-i);
        minutes.push_back(figures_.secondsOn(day) / 60.0);
        labels << (i % 5 == 0 ? day.toString(QStringLiteral("M-d")) : QString());
    }
    for (const AreaDay& d : figures_.days) {
        if (d.day <= today.addDays(-ChartDays)) break; // newest first
        seconds += d.seconds;
        rounds += d.rounds;
        right += d.right;
    }
    ChtDays->setBars(minutes, labels, QStringLiteral("分钟"));

    if (!app_.record)
        LblSummary->setCaption(QStringLiteral("这台电脑上没有保存学习记录。"));
    else if (figures_.empty())
        LblSummary->setCaption(QStringLiteral("还没有学习记录。"));
    else
        LblSummary->setCaption(QStringLiteral("最近%1天：玩了%2，%3个回合，答对%4")
                                   .arg(ChartDays)
                                   .arg(playedTime(seconds))
                                   .arg(rounds)
                                   .arg(shareRight(right, rounds)));

    std::vector<QStringList> days;
    for (const AreaDay& d : figures_.days)
        days.push_back(QStringList{d.day.toString(QStringLiteral("yyyy-MM-dd"))} +
                       figureCells(d.area.isEmpty() ? QStringLiteral("—") : d.area, d.seconds,
                                   d.rounds, d.right));
    GrdDays->setRows(days);

    std::vector<QStringList> windows;
    for (const WindowFigures& w : figures_.windows) {
        if (int(windows.size()) == MostPlayed) break;
        windows.push_back(figureCells(w.title, w.seconds, w.rounds, w.right));
    }
    GrdWindows->setRows(windows);

    CmdExport->setEnabled(!figures_.empty());
    CmdClear->setEnabled(app_.record && !figures_.empty());
}

QString RecordExportPath(const QDate& day)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) folder = QDir::homePath();
    const QString stem = folder + QStringLiteral("/Mindlark学习记录-") + day.toString(Qt::ISODate);
    QString path = stem + QStringLiteral(".csv");
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = stem + QStringLiteral("-%1.csv").arg(n);
    return path;
}

void FrmRecord::CmdExport_Click()
{
    const QString path = RecordExportPath(app_.services.now().date());
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    // With a byte order mark, spreadsheet programs read the Chinese text as UTF-8.
    const QByteArray bytes = QByteArray("\xEF\xBB\xBF") + figuresCsv(figures_).toUtf8();
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        app_.services.message(QStringLiteral("学习记录已导出到：\n") +
                                  QDir::toNativeSeparators(path),
                              MessageIcon::Information, MessageButtons::Ok, Caption());
    else
        app_.services.message(QStringLiteral("学习记录无法导出到：\n") +
                                  QDir::toNativeSeparators(path),
                              MessageIcon::Exclamation, MessageButtons::Ok, Caption());
}

void FrmRecord::CmdClear_Click()
{
    if (!app_.record) return;
    if (app_.services.message(QStringLiteral("确定要清除全部学习记录吗？清除后不能恢复。"),
                              MessageIcon::Question, MessageButtons::YesNo,
                              Caption()) != MessageAnswer::Yes)
        return;
    if (!app_.record->clear())
        app_.services.message(QStringLiteral("学习记录没能清除。"), MessageIcon::Exclamation,
                              MessageButtons::Ok, Caption());
    showFigures();
}
