#pragma once
// "笔顺演示": the current character written again before the child's eyes, stroke by
// stroke, two seconds apart, each stroke drawn point by point.

#include "frame/ActivityForm.h"
#include "shell/data/StrokeFile.h"
#include "ui/PictureBox.h"
#include "ui/Timer.h"

class FrmShuruys : public ActivityForm {
    Q_OBJECT
public:
    FrmShuruys(AppContext& app, const QString& name);

    static constexpr int StrokeMs = 2000;
    static constexpr int PointMs = 10;

    PictureBox* Picture1;
    Label* Label1;                                       // the caption
    Timer* Timer1 = makeTimer(QStringLiteral("Timer1")); // the next point
    Timer* Timer2 = makeTimer(QStringLiteral("Timer2")); // the next stroke

    int StrokeIndex = 0; // of the stroke being drawn, from 1; 0 when the replay is over
    int PointIndex = 0;

    const Strokes& strokes() const { return strokes_; }

    void Form_Load() override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void Timer1_Timer();
    void Timer2_Timer();
    Strokes readStrokes();

    Strokes strokes_;
};
