#pragma once
// A caption drawn in a font, opaque or transparent, that can grow with its text.

#include "ui/Control.h"

class QPainter;

class Label : public Control {
    Q_OBJECT
public:
    Label(Form& form, QWidget* container, const QString& name, const QString& caption = {});

    const QString& Caption() const { return caption_; }
    void setCaption(const QString& caption);

    void setAlignment(Qt::Alignment a);
    Qt::Alignment alignment() const { return alignment_; }
    void setTransparent(bool transparent); // BackStyle 0
    bool transparent() const { return transparent_; }
    void setAutoSize(bool autoSize); // width and height follow the caption
    void setWordWrap(bool wrap);
    void setBorder(bool border);
    bool border() const { return border_; }
    // Blanks half a character wide, as in the designed 宋体: captions that are laid over
    // each other and line words up with runs of blanks then line up in any font.
    void setHalfWidthBlanks(bool halfWidth);
    // For a number on a disc: the text is drawn centred on its own ink and, where the
    // designed size would reach past the disc (a "10" at 72 points), smaller until it fits
    // inside the ellipse of the label.
    void setFitInsideEllipse(bool fit);

    bool scalesFont() const override { return true; }
    Control* cloneControl() const override;

protected:
    void paintEvent(QPaintEvent*) override;
    void fontChanged() override;

private:
    void fitToCaption();
    void paintInsideEllipse(QPainter& p);
    QString displayText() const;

    QString caption_;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignTop;
    bool transparent_ = false;
    bool autoSize_ = false;
    bool wordWrap_ = true;
    bool border_ = false;
    bool halfWidthBlanks_ = false;
    bool fitInsideEllipse_ = false;
};
