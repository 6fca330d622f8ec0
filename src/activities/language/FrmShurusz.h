#pragma once
// The stroke recorder: a grown-up writes a character stroke by stroke in the box, and the
// strokes are kept as the character's stroke file for the replay.

#include "frame/ActivityForm.h"
#include "ui/Button.h"
#include "ui/PictureBox.h"

class FrmShurusz : public ActivityForm {
    Q_OBJECT
public:
    FrmShurusz(AppContext& app, const QString& name);

    PictureBox* Picture1;
    TextBox* Text2;      // the character recorded
    Label* RichTextBox1; // the record text
    Button* Command1;    // "确 定"
    Button* Command2;    // "取 消"
    Button* Command3;    // "结 束"

    int StrokeCount = 0;
    int PointCount = 0;

    // The stroke file text recorded so far.
    const QByteArray& record() const { return record_; }

    void Form_Load() override;
    void Form_Activate() override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void Picture1_MouseDown(Qt::MouseButton button, double x, double y);
    void Picture1_MouseMove(Qt::MouseButtons buttons, double x, double y);
    void Picture1_MouseUp(Qt::MouseButton button);
    void Command1_Click();
    void Command2_Click();
    void showRecord();

    QByteArray record_;
    qsizetype strokeStart_ = -1; // where the stroke being drawn begins in the record
};

// Whether text names one character that a stroke file may be named after: a single letter
// or digit, so never a path, a separator or "..".
bool isStrokeCharacter(const QString& text);
