#pragma once
// The button panel of the drawing board: clear the canvas, save the drawing, close the board.

#include "drawing/Panel.h"
#include "ui/Button.h"
#include "ui/ControlArray.h"

class FrmButton : public Panel {
    Q_OBJECT
public:
    explicit FrmButton(MDIFrmHuatu& board);

    ControlArray<Button> Command1; // 清除, 保存, 退出

    void Form_Load();

private:
    void Command1_Click(int index);
};
