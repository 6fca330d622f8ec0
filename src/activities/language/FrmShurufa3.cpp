#include "activities/language/FrmShurufa3.h"

#include "frame/Mdljifeng.h"
#include "shell/core/CourseItems.h"
#include "shell/core/CourseStore.h"
#include "shell/core/Mdlmain.h"

namespace {

const QPointF PadAt(600, 90);
constexpr double WordLeft = 40;
constexpr double CharacterSide = 120;
constexpr double Gap = 2;

} // namespace

FrmShurufa3::FrmShurufa3(AppContext& app, const QString& name)
    : WritingForm(app, name)
    , cycle(*this, WritingRules, Feedback::Pause{*Timer1, 2000},
            {.nextRound = [this] { showWord(); }, .sameAgain = [this] { showWord(); }})
{
    auto* model = make<Label>(QStringLiteral("Label1"));
    model->Move(WordLeft, 110, CharacterSide, 140);
    model->setAlignment(Qt::AlignCenter);
    model->setForeColor(QColor(200, 30, 30));
    model->setBackColor(Qt::white);
    model->setBorder(true);
    model->setWordWrap(false);
    model->hide();
    Label1.setDesigned(model);
    Label1.onClick([this](int) { speakInstruction(); });

    auto* box = makeInputBox(QStringLiteral("Text1"), 72);
    box->Move(WordLeft, 270, CharacterSide, 140);
    box->hide();
    Text1.setDesigned(box);
    connect(box, &TextBox::Change, this, [this] { Text1_Change(); });

    Command1->Move(40, 570, 150, 56);
}

void FrmShurufa3::Form_Load()
{
    ScaleForm(app(), *this);
    resetClock();
    InitRewards(*this);
    Label1[0].setFont(QStringLiteral("宋体"), 90 * app().ScaleX, false);
    Text1[0].setFont(QStringLiteral("宋体"), 72 * app().ScaleX, false);
    LoadCourseItems(app(), *Txtini, QStringLiteral("课程图片"), app().CurrentLesson,
                    QStringLiteral("课程.ini"));
    words_ = ItemsJustRead(app(), *Txtini).mid(0, MaxWords);
    words_.removeAll(QString());
    if (words_.isEmpty())
        app().services.warn(QStringLiteral("The course 课程.ini has no words for the lesson \"%1\"")
                                .arg(app().CurrentLesson));
    WordIndex = 1;
    showWord();
    Timer2->setInterval(1000);
    startHandwriting(PadAt);
}

// One label and one box per character of the word, side by side.
void FrmShurufa3::showWord()
{
    clearWord();
    RightCount = 0;
    const QList<QString> characters = charactersOf(words_.value(WordIndex - 1));
    const double step = Label1[0].Width() + Gap * app().ScaleX;
    for (qsizetype i = 0; i < characters.size(); ++i) {
        Label& label = Label1.Load(int(i));
        label.setLeft(Label1[0].Left() + i * step);
        label.setCaption(characters[i]);
        label.show();
        TextBox& box = Text1.Load(int(i));
        box.setLeft(Text1[0].Left() + i * step);
        box.setText(QString());
        box.show();
        if (i > 0) connect(&box, &TextBox::Change, this, [this] { Text1_Change(); });
    }
}

void FrmShurufa3::clearWord()
{
    Label1.UnloadAllButFirst();
    Text1.UnloadAllButFirst();
    Label1[0].setCaption(QString());
    Label1[0].hide();
    Text1[0].setText(QString());
    Text1[0].hide();
}

bool FrmShurufa3::isRight(int i) const
{
    const QString text = Text1[i].Text();
    return !text.isEmpty() && charactersOf(text).last() == Label1[i].Caption();
}

// The boxes may be filled in any order; the word is done when every one holds its
// character, and only then is it rewarded.
void FrmShurufa3::Text1_Change()
{
    if (cycle.isShowing() || !Label1[0].Visible()) return;
    int right = 0;
    for (int k = 0; k <= Label1.UBound(); ++k)
        if (isRight(k)) ++right;
    RightCount = right;
    if (TextBox* box = inputBox()) box->SetFocus();
    if (RightCount < Label1.count()) return;
    RightCount = 0;
    WordIndex = WordIndex % int(std::max<qsizetype>(words_.size(), 1)) + 1;
    cycle.answer(true);
}

// The first box that does not yet hold its character.
TextBox* FrmShurufa3::inputBox()
{
    for (int k = 0; k <= Text1.UBound(); ++k)
        if (Text1.exists(k) && Text1[k].Visible() && !isRight(k)) return &Text1[k];
    return &Text1[0];
}
