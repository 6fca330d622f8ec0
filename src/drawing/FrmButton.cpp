#include "drawing/FrmButton.h"

#include "drawing/Frmboard.h"
#include "drawing/MDIFrmHuatu.h"

FrmButton::FrmButton(MDIFrmHuatu& board)
    : Panel(board, QStringLiteral("FrmButton"), QSizeF(1590, 11520))
{
    const QString captions[3] = {QStringLiteral("清   除"), QStringLiteral("保   存"),
                                 QStringLiteral("退   出")};
    for (int i = 0; i < 3; ++i) {
        auto* button = board.makeIn<Button>(this, QStringLiteral("Command1"), captions[i]);
        button->Move(120, 3000 + i * 840, 1215, 615);
        button->setFont(QStringLiteral("宋体"), 12, true);
        Command1.setDesigned(i, button);
    }
    Command1.onClick([this](int i) { Command1_Click(i); });
}

void FrmButton::Form_Load()
{
    Move(board().screenWidth() - Width(), 0, Width(), Height());
}

void FrmButton::Command1_Click(int index)
{
    switch (index) {
    case 0:
        board().canvas->Picture1->Cls();
        break;
    case 1:
        board().saveDrawing();
        break;
    case 2:
        board().Unload();
        break;
    }
}
