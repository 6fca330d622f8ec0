#pragma once
// The program's one top-level window, "the screen". Forms lie on it like windows on a
// desktop: one opened later lies on top, and unloading it reveals the one beneath. The
// stage keeps that stack and tells a form when it becomes or stops being the top form.

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

signals:
    void formLoaded(Form* form);
    void formUnloaded(Form* form);
    void closeRequested();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void activateTop();

    std::vector<Form*> stack_; // bottom first
};
