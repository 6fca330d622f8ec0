#include "activities/language/FrmShurufa.h"

#include "frame/Mdljifeng.h"
#include "shell/core/Mdlmain.h"

namespace {

const QPointF PadAt(590, 90);

} // namespace

FrmShurufa::FrmShurufa(AppContext& app, const QString& name)
    : WritingForm(app, name)
    , cycle(*this, WritingRules, Feedback::None{}, {.nextRound = [this] { nextCharacter(); }})
{
    Label1 = make<Label>(QStringLiteral("Label1"));
    Label1->Move(120, 90, 200, 200);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setBorder(true);
    Label1->setBackColor(Qt::white);
    Label1->setForeColor(QColor(200, 30, 30));
    repeatsInstruction(*Label1);

    Text1 = makeInputBox(QStringLiteral("Text1"), 120);
    Text1->Move(120, 300, 420, 200);
    connect(Text1, &TextBox::Change, this, [this] { Text1_Change(); });

    Command2 = make<Button>(QStringLiteral("Command2"), QStringLiteral("开  始"));
    Command2->Move(40, 570, 150, 56);
    Command2->setFont(QStringLiteral("黑体"), 18, true);
    connect(Command2, &Control::Click, this, [this] { Command2_Click(); });
}

void FrmShurufa::Form_Load()
{
    ScaleForm(app(), *this);
    resetClock();
    Position = 1;
    Lesson = 1;
    InitRewards(*this);
    Command1->hide();
    characters_ = readLesson(Lesson);
    Label1->setFont(QStringLiteral("宋体"), 120 * app().ScaleX, false);
    Text1->setFont(QStringLiteral("宋体"), 120 * app().ScaleX, false);
    Text1->Move(Label1->Left(), Label1->Top() + Label1->Height() + 10, Text1->Width(),
                Text1->Height());
    Label1->setCaption(characterAt(1));
    startHandwriting(PadAt);
}

// "开  始": the clock starts and the keyboard goes to the box.
void FrmShurufa::Command2_Click()
{
    Command2->hide();
    Command1->show();
    Text1->SetFocus();
    Timer2->start(1);
}

// The last character written is judged against the model; a wrong one stays in the box.
void FrmShurufa::Text1_Change()
{
    const QString text = Text1->Text();
    if (text.isEmpty() || Label1->Caption().isEmpty()) return;
    if (charactersOf(text).last() == Label1->Caption()) cycle.answer(true);
}

// The next character of the line. Once the last one is shown, the next lesson is read: its
// characters follow when the last one of this line is written.
void FrmShurufa::nextCharacter()
{
    ++Position;
    if (Position > characters_.size()) {
        // A line of one character: the next lesson's first character comes at once.
        ++Lesson;
        characters_ = readLesson(Lesson);
        Position = 1;
    }
    Label1->setCaption(characterAt(Position));
    Text1->setText(QString());
    if (Position == characters_.size()) {
        Position = 0;
        ++Lesson;
        characters_ = readLesson(Lesson);
    }
}
