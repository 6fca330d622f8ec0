#include "activities/memory/FrmMemory.h"

#include "activities/memory/MemoryLesson.h"
#include "frame/Mdljifeng.h"
#include "shell/core/Mdlmain.h"

namespace {

const QColor CardBack(255, 255, 255);

} // namespace

FrmMemory::FrmMemory(AppContext& app, const QString& name)
    : ActivityForm(app, name)
    , cycle(*this,
            {.reward = RoundCycle::Reward::RightOnly,
             .rightSound = "pingturight",
             .wrongSound = nullptr},
            Feedback::PauseByAnswer{*Timer1, 1000, *Timer2, 600},
            {.nextRound = [this] { newQuestion(); },
             .sameAgain =
                 [this] {
                     board_.allowTurning();
                     showBoard();
                 }})
{
    Image2 = make<Image>(QStringLiteral("Image2"));
    Image2->Move(448, 112, 153, 153);
    Image2->setStretch(true);
    repeatsInstruction(*Image2);

    auto* face = make<Image>(QStringLiteral("Image1"));
    face->Move(136, 96, 209, 209);
    face->setStretch(true);
    Image1.setDesigned(face);

    auto* back = make<Label>(QStringLiteral("Label1"));
    back->Move(24, 328, 225, 225);
    back->setBackColor(CardBack);
    back->setBorder(true);
    back->setHandCursor();
    Label1.setDesigned(back);
    Label1.onClick([this](int k) { Label1_Click(k); });
}

void FrmMemory::Form_Load()
{
    ScaleForm(app(), *this);
    InitRewards(*this);
    int n = ReadLessonPictureCount(*this);
    if (!EnoughLessonPictures(*this, n, 1)) return;
    if (n > MemoryBoard::MaxCards) {
        app().services.message(QStringLiteral("最多可显示15幅图片!"), MessageIcon::None,
                               MessageButtons::Ok);
        n = MemoryBoard::MaxCards;
        app().ItemCount = int16_t(n);
    }
    board_ = MemoryBoard(n);
    for (int k = 1; k < n; ++k) {
        Image1.Load(k);
        Label1.Load(k);
    }
    const CardLayout layout = LayOutCards(n, ScaleWidth(), ScaleHeight(), app().ScaleX);
    for (int k = 0; k < n; ++k) {
        const QPointF at = layout.topLefts[size_t(k)];
        Image1[k].Move(at.x(), at.y(), layout.side, layout.side);
        Label1[k].Move(at.x(), at.y(), layout.side, layout.side);
        Image1[k].setPicture(app().ItemPictures[size_t(k + 1)]);
    }
    Image2->setTop(Label1[0].Top() - Image2->Height() - 5);
    newQuestion();
}

// A new target; every card face down.
void FrmMemory::newQuestion()
{
    MakeRandomOrder(app(), board_.cards());
    board_.newQuestion(app().RandomOrder[1]);
    Image2->setPicture(app().ItemPictures[size_t(board_.target())]);
    showBoard();
}

// Turns a card up; no other card can be turned until it has been turned back.
void FrmMemory::Label1_Click(int k)
{
    const MemoryBoard::Turn turn = board_.turn(k);
    if (turn == MemoryBoard::Turn::Refused) return;
    showBoard();
    cycle.answer(turn == MemoryBoard::Turn::Right);
}

// A click beside the cards turns them all back at once; while a card's moment is still
// running, they can be turned again only when it ends.
void FrmMemory::Form_Click()
{
    board_.turnAllDown();
    showBoard();
}

void FrmMemory::showBoard()
{
    for (int k = 0; k < board_.cards(); ++k) {
        Image1[k].setVisible(board_.faceUp(k));
        Label1[k].setVisible(!board_.faceUp(k));
        Label1[k].setEnabled(board_.canTurn());
    }
}
