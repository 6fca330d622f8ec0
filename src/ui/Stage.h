#pragma once
// The program's one top-level window, "the screen". Forms lie on it like windows on a
// desktop: one opened later lies on top, and unloading it reveals the one beneath. The
// stage keeps that stack and tells a form when it becomes or stops being the top form.
//
// The windows are designed for a 4:3 screen of 1024 x 768. By default they live in the
// largest 4:3 area of the stage, centred, scaled alike in both directions, and the margins
// around it are painted in the colour of the window in front: nothing is ever distorted or
// off-centre. In stretch mode the area is the whole stage and the design is scaled by
// width and height separately.

#include <QWidget>
#include <vector>

class Form;

class Stage : public QWidget {
    Q_OBJECT
public:
    explicit Stage(QWidget* parent = nullptr);

    // Loads the form on its first show, then puts it on top (it may already be open).
    void showForm(Form* form);
    // Runs the form's unload handler, takes it off the stage and deletes it later.
    void unload(Form* form);
    // Unloads every form, topmost first (the program is ending).
    void unloadAll();

    Form* top() const { return stack_.empty() ? nullptr : stack_.back(); }
    bool isOpen(const Form* form) const;
    const std::vector<Form*>& forms() const { return stack_; }

    // The area the forms live in ("the screen size" of the windows) and its factors over
    // the 1024 x 768 design.
    QWidget* screenArea() const { return area_; }
    QSize screenSize() const { return area_->size(); }
    float scaleX() const { return scaleX_; }
    float scaleY() const { return scaleY_; }

    void setStretch(bool stretch);
    bool stretches() const { return stretch_; }

signals:
    void formLoaded(Form* form);
    void formUnloaded(Form* form);
    void closeRequested();

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void activateTop();
    void placeArea();

    std::vector<Form*> stack_; // bottom first
    QWidget* area_;
    bool stretch_ = false;
    float scaleX_ = 1.0f;
    float scaleY_ = 1.0f;
};
