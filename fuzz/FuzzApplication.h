#pragma once
// What a picture fuzz target needs before its first input: a GUI application on the
// offscreen platform (pixmaps need one, a screen is never wanted), and quiet services.

#include "QuietServices.h"
#include "shell/core/AppContext.h"

#include <QGuiApplication>
#include <QImageReader>

inline void startFuzzApplication()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The image readers complain about every broken input; the fuzzer's own lines matter.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    // Qt takes the options it knows out of argv; libFuzzer's own must stay untouched.
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
    // A header of a few bytes can declare a picture of a hundred megabytes, which Qt then
    // allocates and clears: legal, but the clearing would take most of the search's time.
    // Pictures of the data folder are far below this (the demo's largest takes 1.1 MB).
    QImageReader::setAllocationLimit(4);
}

// One shared state for every input: nothing a decode does outlives the call.
inline AppContext& fuzzContext(QuietServices& services)
{
    static AppContext app(services, QStringLiteral("/nonexistent"));
    return app;
}
