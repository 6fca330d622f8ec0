#pragma once
// A panel docked on the drawing board: a frame without a border, in the panels' colour, of
// its designed client size, that reaches the board and through it the other panels.

#include "ui/Frame.h"

class MDIFrmHuatu;

class Panel : public Frame {
    Q_OBJECT
public:
    // The size is the designed client size, in twips.
    Panel(MDIFrmHuatu& board, const QString& name, QSizeF size, const QString& caption = {});

    MDIFrmHuatu& board() const { return board_; }

private:
    MDIFrmHuatu& board_;
};
