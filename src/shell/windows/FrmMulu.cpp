#include "shell/windows/FrmMulu.h"

#include "shell/core/Launcher.h"
#include "shell/core/Mdlmain.h"
#include "shell/core/WindowRegistry.h"
#include "shell/windows/CatalogueEntries.h"
#include "ui/Artwork.h"

namespace {

const QColor EntryColour(128, 255, 255);
const QColor HoverColour(255, 192, 192);
const QColor PressedColour(192, 255, 255);
const QString Song = QStringLiteral("宋体");

} // namespace

FrmMulu::FrmMulu(AppContext& app, const QString& name)
    : Form(*app.stage, name, ScaleUnit::Twips)
    , app_(app)
{
    setBackColor(QColor(255, 248, 225));

    Label2 = make<Label>(QStringLiteral("Label2"));
    Label2->Move(5640, 240, 4215, 615);
    Label2->setFont(Song, 21.75, true);
    Label2->setForeColor(QColor(0, 192, 192));
    Label2->setBackColor(QColor(255, 255, 128));
    Label2->setAlignment(Qt::AlignCenter);

    Frame1 = make<Frame>(QStringLiteral("Frame1"), QStringLiteral("请选择学习课程"));
    Frame1->Move(1440, 1200, 12615, 9375);
    Frame1->setFont(Song, 14.25, true);
    Frame1->setBackColor(BackColor());
    connect(Frame1, &Control::MouseMove, this, [this] { resetHover(); });

    auto* entry = makeIn<Label>(Frame1, QStringLiteral("Label1"));
    entry->Move(840, 1440, 4335, 615);
    entry->setFont(Song, 15.75, true);
    entry->setBackColor(EntryColour);
    entry->setAlignment(Qt::AlignCenter);
    entry->setHandCursor();
    entry->hide(); // shown by the page it gets an entry from
    Label1.setDesigned(entry);
    Label1.onMouseMove([this](int i, Qt::MouseButtons, double, double) { Label1_MouseMove(i); });
    Label1.onMouseDown([this](int i, Qt::MouseButton, double, double) { Label1_MouseDown(i); });
    Label1.onMouseUp([this](int i, Qt::MouseButton, double, double) { Label1_MouseUp(i); });
    Label1.onClick([this](int i) { Label1_Click(i); });

    for (auto* lines : {&Line1, &Line2, &Line3, &Line4}) {
        auto* line = makeIn<Line>(Frame1, QStringLiteral("Line"));
        line->setLineColor(Qt::white);
        line->setLineWidth(2);
        lines->setDesigned(line);
    }

    const QString captions[2] = {QStringLiteral("<<  上一页"), QStringLiteral("下一页  >>")};
    const double lefts[2] = {3360, 7560};
    for (int i = 0; i < 2; ++i) {
        auto* button = makeIn<Button>(Frame1, QStringLiteral("Command1"), captions[i]);
        button->Move(lefts[i], 8400, 1695, 615);
        button->setFont(Song, 12, true);
        Command1.setDesigned(i, button);
    }
    Command1.onClick([this](int i) { Command1_Click(i); });

    Txtini = make<TextBox>(QStringLiteral("Txtini"));
    Txtini->hide();

    Timer1 = makeTimer(QStringLiteral("Timer1"));
    connect(Timer1, &Timer::Tick, this, [this] { Timer1_Timer(); });

    ImgBack = make<Image>(QStringLiteral("ImgBack"));
    ImgBack->Move(14280, 0, 960, 960);
    ImgBack->setPicture(Artwork::back());
    ImgBack->setHandCursor();
    connect(ImgBack, &Control::Click, this, [this] { ImgBack_Click(); });
}

QString FrmMulu::Entries(int k) const
{
    return k >= 1 && k <= entries_.size() ? entries_[k - 1] : QString();
}

void FrmMulu::Form_Load()
{
    ScaleForm(app_, *this);
    maximize();
    if (isLessonArea(app_.CurrentArea) || isActivityArea(app_.CurrentArea))
        Label2->setCaption(app_.CurrentArea);
    const CatalogueEntries read = ReadCatalogueEntries(app_, *Txtini, app_.CurrentArea);
    entries_ = read.entries;
    entryCount_ = read.count;
    // At least one page, so that an empty catalogue has no page to turn to.
    pageCount_ = std::max(1, (entryCount_ + EntriesPerPage - 1) / EntriesPerPage);
    currentPage_ = 1;
    buildPage();
    showPage();
}

void FrmMulu::buildPage()
{
    Command1[0].setEnabled(false);
    Command1[1].setEnabled(pageCount_ != 1);
    for (auto* lines : {&Line1, &Line2, &Line3, &Line4})
        (*lines)[0].hide();
    for (int i = 1; i < EntriesPerPage; ++i) {
        Label1.Load(i);
        for (auto* lines : {&Line1, &Line2, &Line3, &Line4})
            lines->Load(i);
    }
    const Label& first = Label1[0];
    for (int i = 0; i < EntriesPerPage; ++i) {
        const int row = i % 5;
        const double left = i < 5 ? first.Left() : first.Left() + 1.5 * first.Width();
        Label1[i].Move(left, first.Top() + row * (first.Height() + 450));
        outline(i);
    }
}

// The raised outline (top and left) and the pressed one (bottom and right) of entry i.
void FrmMulu::outline(int i)
{
    const Label& entry = Label1[i];
    const double l = entry.Left(), t = entry.Top(), w = entry.Width(), h = entry.Height();
    Line1[i].setEnds(l, t, l + w, t);
    Line2[i].setEnds(l, t, l, t + h);
    Line3[i].setEnds(l, t + h - 15, l + w, t + h - 15);
    Line4[i].setEnds(l + w - 15, t, l + w - 15, t + h);
    for (auto* lines : {&Line1, &Line2, &Line3, &Line4}) {
        (*lines)[i].ZOrder();
        (*lines)[i].hide();
    }
}

void FrmMulu::showPage()
{
    for (int i = 0; i < EntriesPerPage; ++i) {
        const QString caption = Entries((currentPage_ - 1) * EntriesPerPage + i + 1);
        Label1[i].setCaption(caption);
        if (caption.isEmpty()) break;
        Label1[i].show();
    }
}

void FrmMulu::Command1_Click(int index)
{
    for (int i = 0; i < EntriesPerPage; ++i)
        Label1[i].hide();
    if (index == 0) {
        --currentPage_;
        Command1[1].setEnabled(true);
        Command1[0].setEnabled(currentPage_ > 1);
    } else {
        ++currentPage_;
        Command1[0].setEnabled(true);
        if (currentPage_ >= pageCount_) Command1[1].setEnabled(false);
    }
    showPage();
}

void FrmMulu::Label1_MouseMove(int i)
{
    hovered_ = i;
    Label1[i].setBackColor(HoverColour);
    Line1[i].show();
    Line2[i].show();
}

void FrmMulu::Form_MouseMove(Qt::MouseButtons, double, double)
{
    resetHover();
}

void FrmMulu::resetHover()
{
    Label1[hovered_].setBackColor(EntryColour);
    Line1[hovered_].hide();
    Line2[hovered_].hide();
}

void FrmMulu::Label1_MouseDown(int)
{
    Label1[hovered_].setBackColor(PressedColour);
    Line1[hovered_].hide();
    Line2[hovered_].hide();
    Line3[hovered_].show();
    Line3[hovered_].ZOrder();
    Line4[hovered_].show();
    Line4[hovered_].ZOrder();
}

void FrmMulu::Label1_MouseUp(int)
{
    for (auto* lines : {&Line1, &Line2, &Line3, &Line4})
        (*lines)[hovered_].hide();
}

void FrmMulu::Label1_Click(int i)
{
    const QString caption = Label1[i].Caption();
    if (isLessonArea(app_.CurrentArea)) {
        app_.CurrentLesson = caption;
        app_.windows->open(QStringLiteral("FrmChoosekecheng"));
    } else if (isActivityArea(app_.CurrentArea)) {
        launchTitle(app_, {TitleTable::Catalogue, TitleTable::CatalogueSteps}, caption);
    }
}

// While a window lies over the catalogue its back picture is off, and it comes back only a
// second after the catalogue is in front again: the quick second click of a child who
// closed an activity must not close the catalogue too.
void FrmMulu::Form_Activate()
{
    Timer1->start(1000);
}

void FrmMulu::Form_Deactivate()
{
    Timer1->stop();
    ImgBack->setEnabled(false);
}

void FrmMulu::Timer1_Timer()
{
    Timer1->stop();
    ImgBack->setEnabled(true);
}

void FrmMulu::ImgBack_Click()
{
    Unload();
}
