#pragma once
// A designed window on the stage. It keeps its controls in creation order (rescaling
// walks them in that order), knows its design unit, and receives the classic window
// events from the stage: load, activate, deactivate, unload, key up, background mouse.

#include "ui/Units.h"

#include <QColor>
#include <QWidget>
#include <vector>

class Control;
class Stage;
class Timer;

class Form : public QWidget {
    Q_OBJECT
public:
    Form(Stage& stage, const QString& name, ScaleUnit unit);
    ~Form() override;

    Stage& stage() const { return stage_; }
    const QString& name() const { return name_; }
    ScaleUnit unit() const { return unit_; }

    const std::vector<Control*>& controls() const { return controls_; }
    void registerControl(Control* control);
    void unregisterControl(Control* control);

    // Creates a control of this form, inside container (the form when null).
    template <class T, class... Args> T* make(const QString& name, Args&&... args)
    {
        return new T(*this, this, name, std::forward<Args>(args)...);
    }
    template <class T, class... Args>
    T* makeIn(QWidget* container, const QString& name, Args&&... args)
    {
        return new T(*this, container, name, std::forward<Args>(args)...);
    }
    Timer* makeTimer(const QString& name);

    // Own geometry on the stage, in the form's unit.
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    void Move(double left, double top, double width, double height);
    void maximize(); // fills the stage
    double ScaleWidth() const { return Width(); }
    double ScaleHeight() const { return Height(); }

    const QString& Caption() const { return caption_; }
    void setCaption(const QString& caption) { caption_ = caption; }
    void setBackColor(const QColor& color);
    QColor BackColor() const { return backColor_; }

    bool isLoaded() const { return loaded_; }

    // A design length given in twips, in this form's unit.
    double twips(double value) const { return value / TwipsPerPixel * unitsPerPixel(unit_); }

    void Show();   // loads on first show and brings the form to the top of the stage
    void Unload(); // removes the form from the stage; it is deleted afterwards

    // Classic window events, for the windows to handle.
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Deactivate() {}
    virtual void Form_Unload() {}
    virtual void Form_KeyUp(int keyCode) { Q_UNUSED(keyCode); }
    virtual void Form_MouseDown(Qt::MouseButton, double, double) {}
    virtual void Form_MouseMove(Qt::MouseButtons, double, double) {}
    virtual void Form_MouseUp(Qt::MouseButton, double, double) {}
    virtual void Form_Click() {}

    // The stage's side of the life cycle.
    void runLoad();
    void markUnloaded() { loaded_ = false; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;

private:
    double toUnits(double pixels) const { return pixels * unitsPerPixel(unit_); }

    Stage& stage_;
    QString name_;
    ScaleUnit unit_;
    std::vector<Control*> controls_;
    QString caption_;
    QColor backColor_ = QColor(255, 255, 255);
    bool loaded_ = false;
    bool pressed_ = false;
};

// The classic key code of a key event (F1 is 112, letters their capital ASCII code).
int classicKeyCode(int qtKey);
