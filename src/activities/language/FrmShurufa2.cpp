#include "activities/language/FrmShurufa2.h"

#include "frame/Mdljifeng.h"
#include "shell/core/Mdlmain.h"

namespace {

const QPointF PadAt(600, 90);
constexpr double LineLeft = 40;
constexpr double ModelTop = 130;
constexpr double InputTop = 210;
constexpr double CharacterPoints = 40;
// One character of the 40-point line is 40 * 96 / 72 pixels wide: a box and its gap of 2
// pixels take exactly that, so the written characters stand under their models.
constexpr double BoxWidth = CharacterPoints * 96 / 72 - 2;

} // namespace

FrmShurufa2::FrmShurufa2(AppContext& app, const QString& name)
    : WritingForm(app, name)
    , cycle(*this, WritingRules, Feedback::None{}, {.nextRound = [this] { characterWritten(); }})
{
    Picture1 = make<PictureBox>(QStringLiteral("Picture1"));
    Picture1->Move(LineLeft - 16, ModelTop - 20, (BoxWidth + 2) * LineLength + 32, 190);
    Picture1->setBackColor(QColor(255, 255, 255));
    Picture1->setBorder(true);
    connect(Picture1, &Control::Click, this, [this] { Text1[0].SetFocus(); });

    auto* model = make<Label>(QStringLiteral("Label1"));
    model->Move(LineLeft, ModelTop, (BoxWidth + 2) * LineLength, 70);
    model->setFont(QStringLiteral("宋体"), CharacterPoints, false);
    model->setForeColor(QColor(200, 30, 30));
    model->setTransparent(true);
    model->setWordWrap(false);
    Label1.setDesigned(model);
    repeatsInstruction(*model);

    auto* box = makeInputBox(QStringLiteral("Text1"), CharacterPoints);
    box->Move(LineLeft, InputTop, BoxWidth, 70);
    Text1.setDesigned(box);
    connect(box, &TextBox::Change, this, [this] { Text1_Change(); });

    auto* written = make<Label>(QStringLiteral("Label4"));
    written->Move(LineLeft, InputTop, BoxWidth, 70);
    written->setFont(QStringLiteral("宋体"), CharacterPoints, false);
    written->setAlignment(Qt::AlignCenter);
    written->setTransparent(true);
    written->setWordWrap(false);
    written->hide();
    Label4.setDesigned(written);

    Command2 = make<Button>(QStringLiteral("Command2"), QStringLiteral("开  始"));
    Command2->Move(40, 570, 150, 56);
    Command2->setFont(QStringLiteral("黑体"), 18, true);
    connect(Command2, &Control::Click, this, [this] { Command2_Click(); });

    connect(Timer1, &Timer::Tick, this, [this] { Timer1_Timer(); });
}

void FrmShurufa2::Form_Load()
{
    ScaleForm(app(), *this);
    resetClock();
    Written = 0;
    Lesson = 1;
    InitRewards(*this);
    Command1->hide();
    // The box's text keeps to the box, whatever the screen.
    Text1[0].setFontSize(CharacterPoints * app().ScaleX);
    lineStart_ = Text1[0].Left();
    line_ = readLesson(Lesson);
    showLine();
    startHandwriting(PadAt);
}

void FrmShurufa2::showLine()
{
    line_ = line_.mid(0, LineLength);
    Label1[0].setCaption(line_.join(QString()));
}

// "开  始": the button stays, unusable; the clock starts and the keyboard goes to the box.
void FrmShurufa2::Command2_Click()
{
    Command2->setEnabled(false);
    Command1->show();
    Text1[0].SetFocus();
    Timer2->start(1);
}

// The last character written is judged against the next one of the line. While the line
// changes over, writing waits.
void FrmShurufa2::Text1_Change()
{
    const QString text = Text1[0].Text();
    if (text.isEmpty() || Timer1->isRunning() || Written >= line_.size()) return;
    if (charactersOf(text).last() == line_[Written]) cycle.answer(true);
}

// The character stands where the box was and the box moves on; after the last one the
// box goes back to the start of the line and a second later the next line comes.
void FrmShurufa2::characterWritten()
{
    TextBox& box = Text1[0];
    Label& written = Label4.Load(Written + 1);
    written.Move(box.Left(), box.Top(), box.Width(), box.Height());
    written.setCaption(line_[Written]);
    written.show();
    ++Written;
    box.setText(QString());
    box.setLeft(box.Left() + box.Width() + 2 * app().ScaleX);
    if (Written < line_.size()) return;
    Written = 0;
    box.setLeft(lineStart_);
    Timer1->start(1000);
}

void FrmShurufa2::Timer1_Timer()
{
    Timer1->stop();
    Label4.UnloadAllButFirst();
    ++Lesson;
    line_ = readLesson(Lesson);
    showLine();
}
