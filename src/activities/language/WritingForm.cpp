#include "activities/language/WritingForm.h"

#include "activities/language/HandwritingPad.h"
#include "frame/Mdljifeng.h"
#include "shell/core/CourseStore.h"
#include "shell/core/Mdlmain.h"
#include "shell/core/WindowRegistry.h"

#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor ClockColour(0, 90, 160);

// A pencil over a ruled line: the picture that opens the stroke recorder.
QPixmap recorderPicture()
{
    QPixmap picture(128, 128);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 140, 200), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(14, 114, 114, 114);
    p.translate(64, 60);
    p.rotate(45);
    p.setPen(QPen(QColor(60, 40, 20), 3));
    p.setBrush(QColor(250, 200, 40));
    p.drawRect(QRectF(-14, -54, 28, 80));
    p.setBrush(QColor(240, 120, 150));
    p.drawRect(QRectF(-14, -66, 28, 12));
    QPainterPath tip;
    tip.moveTo(-14, 26);
    tip.lineTo(14, 26);
    tip.lineTo(0, 54);
    tip.closeSubpath();
    p.setBrush(QColor(240, 215, 170));
    p.drawPath(tip);
    return picture;
}

Label* makeClockLabel(Form& form, const QString& name, double left, double top, double width)
{
    auto* label = form.make<Label>(name);
    label->Move(left, top, width, 40);
    label->setFont(QStringLiteral("黑体"), 16, true);
    label->setForeColor(ClockColour);
    label->setTransparent(true);
    label->setWordWrap(false);
    return label;
}

} // namespace

const QStringList& WritingForm::WindowNames()
{
    static const QStringList names{QStringLiteral("FrmShurufa"), QStringLiteral("FrmShurufa2"),
                                   QStringLiteral("FrmShurufa3")};
    return names;
}

WritingForm::WritingForm(AppContext& app, const QString& name)
    : ActivityForm(app, name)
{
    Label2.setDesigned(makeClockLabel(*this, QStringLiteral("Label2"), 40, 650, 110));
    Label2.setDesigned(1, makeClockLabel(*this, QStringLiteral("Label2"), 150, 650, 130));
    Label2.setDesigned(2, makeClockLabel(*this, QStringLiteral("Label2"), 280, 650, 130));
    Label3 = makeClockLabel(*this, QStringLiteral("Label3"), 40, 700, 400);
    Label3->setCaption(QStringLiteral("速 度："));

    Command1 = make<Button>(QStringLiteral("Command1"), QStringLiteral("演　示"));
    Command1->Move(210, 570, 150, 56);
    Command1->setFont(QStringLiteral("黑体"), 18, true);
    connect(Command1, &Control::Click, this, [this] { Command1_Click(); });

    Image2 = make<Image>(QStringLiteral("Image2"));
    Image2->Move(380, 566, 64, 64);
    Image2->setPicture(recorderPicture());
    Image2->setHandCursor();
    connect(Image2, &Control::Click, this, [this] { Image2_Click(); });

    connect(Timer2, &Timer::Tick, this, [this] { Timer2_Timer(); });
}

// The pad is the stage's, not the window's: it goes with the window all the same.
WritingForm::~WritingForm()
{
    delete pad_.data();
}

HandwritingPad* WritingForm::pad() const
{
    return pad_;
}

TextBox* WritingForm::makeInputBox(const QString& name, double points)
{
    auto* box = make<TextBox>(name);
    box->setFont(QStringLiteral("宋体"), points, false);
    box->setEditable(true);
    return box;
}

void WritingForm::resetClock()
{
    Seconds = Minutes = Hours = 0;
    Label2[0].setCaption(QStringLiteral("00秒"));
    Label2[1].setCaption(QStringLiteral("00分"));
    Label2[2].setCaption(QStringLiteral("00小时"));
}

void WritingForm::startHandwriting(QPointF designTopLeft)
{
    const QString model = HandwritingModel::path();
    if (!QFileInfo(model).isFile()) {
        app().services.warn(QStringLiteral("No handwriting model at %1: writing with the "
                                           "keyboard only")
                                .arg(model));
        app().services.message(QStringLiteral("找不到手写输入法程序"), MessageIcon::None,
                               MessageButtons::Ok);
        return;
    }
    pad_ = new HandwritingPad(app(), *this, designTopLeft, model);
}

void WritingForm::closeHandwriting()
{
    if (pad_) {
        delete pad_.data();
        return;
    }
    app().services.message(HandwritingPad::title() + QStringLiteral("没有打开！"),
                           MessageIcon::None, MessageButtons::Ok);
}

QList<QString> WritingForm::readLesson(int& lesson)
{
    const QString course = QStringLiteral("输入法.ini");
    LoadCourseItems(app(), *Txtini, QStringLiteral("课程"), QString::number(lesson), course);
    if (Txtini->Text().isEmpty() && lesson != 1) {
        lesson = 1;
        LoadCourseItems(app(), *Txtini, QStringLiteral("课程"), QString::number(lesson), course);
    }
    if (Txtini->Text().isEmpty())
        app().services.warn(QStringLiteral("The course %1 has no writing lesson 1").arg(course));
    return charactersOf(Txtini->Text());
}

// The pad comes back over its window whenever the window is in front again.
void WritingForm::Form_Activate()
{
    Timer2->setEnabled(true);
    if (pad_) pad_->raise();
}

void WritingForm::Form_Unload()
{
    closeHandwriting();
}

// The clock runs every second from its first tick; it keeps the keyboard in the input box.
// The speed is the score over the minutes written so far, counted through the hours.
void WritingForm::Timer2_Timer()
{
    if (TextBox* box = inputBox()) box->SetFocus();
    if (Timer2->Interval() != 1000) Timer2->setInterval(1000);
    ++Seconds;
    Label2[0].setCaption(QString::number(Seconds) + QStringLiteral("秒"));
    if (Seconds < 60) return;
    Seconds = 0;
    ++Minutes;
    Label2[1].setCaption(QString::number(Minutes) + QStringLiteral("分钟"));
    Label3->setCaption(QStringLiteral("速 度：") +
                       QString::number(app().Score / (Hours * 60 + Minutes)));
    if (Minutes > 59) {
        Minutes = 0;
        ++Hours;
        Label2[2].setCaption(QString::number(Hours) + QStringLiteral("小时"));
    }
}

// A replay still open shows the character it was opened for; the new one replaces it.
void WritingForm::Command1_Click()
{
    app().CurrentCharacter = currentCharacter();
    if (Form* replay = app().windows->find(QStringLiteral("FrmShuruys"))) replay->Unload();
    app().windows->open(QStringLiteral("FrmShuruys"));
}

// The recorder offers the character being asked, ready to be recorded.
void WritingForm::Image2_Click()
{
    app().CurrentCharacter = currentCharacter();
    app().windows->open(QStringLiteral("FrmShurusz"));
}
