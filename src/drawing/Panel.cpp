#include "drawing/Panel.h"

#include "drawing/MDIFrmHuatu.h"

Panel::Panel(MDIFrmHuatu& board, const QString& name, QSizeF size, const QString& caption)
    : Frame(board, &board, name, caption)
    , board_(board)
{
    setBorder(false);
    setBackColor(MDIFrmHuatu::PanelColour);
    Move(0, 0, size.width(), size.height());
}
