#pragma once
// What the monkey and the soak share: a stage over the demo data with every registered
// window, the main menu underneath as the program has it, and a window opened the way a
// child reaches it (the catalogue and the chooser of a lesson underneath, a window that
// only its menu opens through that menu).

#include "StageFixture.h"

#include <QString>
#include <QStringList>
#include <memory>

class Form;

// The demo data folder: --data DIR among the arguments, else $MINDLARK_DEMO_DATA.
QString demoDataRoot(const QStringList& arguments);
// The value after an option among the arguments, or fallback.
QString optionValue(const QStringList& arguments, const QString& option, const QString& fallback);

class WindowTour {
public:
    WindowTour(const QString& dataRoot, const QString& lesson);

    StageFixture& fixture() { return *fx_; }
    const std::vector<QString>& names() const;

    // Opens the window over the main menu as a child reaches it; null if it would not open.
    Form* open(const QString& name);
    // The window if it is still open.
    Form* find(const QString& name) const;
    // Unloads every window and runs deferred deletions; the records of the fake are cleared.
    void closeAll();
    // Runs posted events and deferred deletions.
    static void settle();

private:
    Form* throughItsMenu(const QString& name, const QString& menu);

    QString lesson_;
    std::unique_ptr<StageFixture> fx_;
};
