#pragma once
// Item names as pictures: a word, a picture's name or a short sentence drawn large in 黑体
// bold into a square picture box, so that the windows can show, drag and compare a word
// exactly as they do a photo. Each window that needs captions owns a hidden template
// PicWenzhi(0); the captions are drawn into new elements 1..n, and the window copies their
// images into its picture tables.

#include "shell/core/AppContext.h"
#include "ui/ControlArray.h"
#include "ui/PictureBox.h"

#include <QStringList>

class Form;

// How a caption lays out a name: an empty line of topMargin points, then the lines of the
// name at textSize points (both before the screen factor ScaleX). No lines for an empty name.
struct CaptionLayout {
    double topMargin = 0;
    double textSize = 0;
    QStringList lines;
};
CaptionLayout captionLayout(const QString& item);

// The longest name a caption shows well.
inline constexpr int MaxCaptionCharacters = 24;

// The template PicWenzhi(0): a hidden square of 393 design pixels, black text on white.
PictureBox* makeCaptionTemplate(Form& form);

// Draws items[i - 1] into a new element PicWenzhi(i) for i = 1..items.size(). A name longer
// than 24 characters is announced with a message and still drawn in full.
void RenderCaptions(AppContext& app, ControlArray<PictureBox>& PicWenzhi, const QStringList& items);

// The caption picture of element i, as the windows keep it in their picture tables.
QPixmap captionOf(const ControlArray<PictureBox>& PicWenzhi, int i);
