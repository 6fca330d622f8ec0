#pragma once
// The memory game: the lesson's pictures lie face down as blank cards in fixed places; a
// target picture is shown above them and the child turns up the card that hides it.

#include "activities/memory/MemoryBoard.h"
#include "frame/ActivityForm.h"
#include "frame/RoundCycle.h"
#include "ui/ControlArray.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Timer.h"

class FrmMemory : public ActivityForm {
    Q_OBJECT
public:
    FrmMemory(AppContext& app, const QString& name);

    Image* Image2;                                       // the target picture
    ControlArray<Image> Image1;                          // card faces
    ControlArray<Label> Label1;                          // card backs
    Timer* Timer1 = makeTimer(QStringLiteral("Timer1")); // a right card stays up
    Timer* Timer2 = makeTimer(QStringLiteral("Timer2")); // a wrong card stays up
    RoundCycle cycle;

    const MemoryBoard& board() const { return board_; }

    void Form_Load() override;
    void Form_Click() override;

private:
    void Label1_Click(int k);
    void newQuestion();
    // The cards as the board has them.
    void showBoard();

    MemoryBoard board_;
};
