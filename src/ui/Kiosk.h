#pragma once
// Kiosk mode for a kindergarten's machine: the keys that leave a program (Escape, Alt+F4)
// do nothing, and only a grown-up's Ctrl+Alt+Q asks to end the program.

#include <QObject>

class Stage;

// Kiosk mode for the stage: closing it does nothing, Escape and Alt+F4 do nothing anywhere in
// the program, and Ctrl+Alt+Q is the one key that asks to end the program (the stage's
// closeRequested). Windows ask isKiosk for what else they do differently.
void enableKiosk(Stage& stage);
bool isKiosk(const Stage& stage);

class KioskKeys : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    void quitRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
