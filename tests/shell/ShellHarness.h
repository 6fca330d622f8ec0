#pragma once
// A data folder and a stage with the shell's windows, plus stand-ins for the activity
// windows that the catalogue and the chooser open.

#include "DataFixture.h"
#include "StageFixture.h"
#include "shell/windows/ShellWindows.h"
#include "ui/Form.h"

#include <QStringList>
#include <memory>

// An activity window that only records that it was opened.
class StubWindow : public Form {
public:
    StubWindow(AppContext& app, const QString& name)
        : Form(*app.stage, name, ScaleUnit::Pixels)
    {
    }
};

struct ShellHarness {
    DataFixture data;
    std::unique_ptr<StageFixture> fx;

    // Call after filling the data folder (the stage reads it from then on).
    void start(QSize size = QSize(1024, 768), const QStringList& stubs = {})
    {
        fx = std::make_unique<StageFixture>(data.root(), size);
        registerShellWindows(fx->windows);
        for (const QString& name : stubs)
            fx->windows.add(windowOf<StubWindow>(name));
    }
    AppContext& app() { return fx->app; }
    FakeServices& services() { return fx->services; }
    template <class T> T* open(const QString& name) { return fx->windows.open<T>(name); }
    QString topName() const { return fx->stage.top() ? fx->stage.top()->name() : QString(); }

    // "[section]\nkey=value ..." from key/value pairs.
    static QString ini(const QString& section, const QStringList& values, int firstKey = 1)
    {
        QString text = QLatin1Char('[') + section + QStringLiteral("]\n");
        for (int i = 0; i < values.size(); ++i)
            if (!values[i].isEmpty())
                text += QStringLiteral("%1=%2\n").arg(firstKey + i).arg(values[i]);
        return text;
    }
};
