// The soak: every activity window plays many rounds through its round cycle, in process,
// the answers alternating right, right, wrong and every running timer fired until the
// judgement is over. Prints per window the rounds played and how much the resident memory
// and the heap grew between the end of a warm-up and the last round. Windows that judge no
// rounds (menus, the drawing board) are listed as skipped.
//
//   soak_rounds [--rounds N] [--max-growth-kib K] [--data DIR] [--window NAME] [--lesson L]
//
// With --max-growth-kib a window whose resident memory grew more fails the run. Under
// AddressSanitizer resident memory says little (freed blocks wait in quarantine): there the
// run is for LeakSanitizer's report at exit, and the limit is left out.

#include "MemoryUse.h"
#include "WindowTour.h"
#include "frame/ActivityForm.h"
#include "frame/RoundCycle.h"
#include "ui/Timer.h"

#include <QApplication>
#include <QThreadPool>
#include <cstdio>

namespace {

constexpr int WarmUpRounds = 20;
constexpr int MaxTicksPerRound = 200;

struct Soak {
    WindowTour& tour;
    QString name;
    ActivityForm* form = nullptr;
    int reopened = 0;

    bool reopen()
    {
        form = dynamic_cast<ActivityForm*>(tour.open(name));
        return form && form->roundCycle();
    }

    // One answer and its judgement to the end: the running timers fire as time would.
    bool playRound(int round)
    {
        if (!tour.find(name) || !form->roundCycle()) {
            ++reopened;
            if (!reopen()) return false;
        }
        RoundCycle& cycle = *form->roundCycle();
        cycle.answer(round % 3 != 2);
        for (int tick = 0; tick < MaxTicksPerRound && tour.find(name) && cycle.isShowing();
             ++tick) {
            for (Timer* timer : form->findChildren<Timer*>())
                if (timer->isRunning()) timer->fire();
            WindowTour::settle();
        }
        tour.fixture().services.clearRecords(); // the fake's records would grow, not the program
        return true;
    }

    bool play(int rounds)
    {
        for (int i = 0; i < rounds; ++i)
            if (!playRound(i)) return false;
        return true;
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const int rounds =
        optionValue(args, QStringLiteral("--rounds"), QStringLiteral("1000")).toInt();
    const double maxGrowth =
        optionValue(args, QStringLiteral("--max-growth-kib"), QStringLiteral("-1")).toDouble();
    const QString only = optionValue(args, QStringLiteral("--window"), QString());
    const QString data = demoDataRoot(args);
    if (data.isEmpty()) {
        std::fprintf(stderr, "soak_rounds: no data folder (--data DIR or MINDLARK_DEMO_DATA)\n");
        return 2;
    }

    WindowTour tour(data, optionValue(args, QStringLiteral("--lesson"), QStringLiteral("水果")));
    std::printf("%-24s %7s %9s %14s %14s\n", "window", "rounds", "reopened", "rss_growth_KiB",
                "heap_growth_KiB");
    QStringList skipped, failed;
    for (const QString& name : tour.names()) {
        if (!only.isEmpty() && name != only) continue;
        Soak soak{tour, name};
        if (!soak.reopen()) {
            skipped << name;
            tour.closeAll();
            continue;
        }
        if (!soak.play(WarmUpRounds))
            failed << name + QStringLiteral(" (closed for good in the warm-up)");
        // What the window started in the background (the handwriting model is read once per
        // program) belongs to the warm-up, not to the rounds.
        QThreadPool::globalInstance()->waitForDone();
        WindowTour::settle();
        const double rss = residentKiB(), heap = heapInUseKiB();
        const bool played = soak.play(rounds);
        const double rssGrowth = residentKiB() - rss, heapGrowth = heapInUseKiB() - heap;
        std::printf("%-24s %7d %9d %14.0f %14.0f\n", qPrintable(name), rounds, soak.reopened,
                    rssGrowth, heapGrowth);
        std::fflush(stdout);
        if (!played) failed << name + QStringLiteral(" (would not open again)");
        if (maxGrowth >= 0 && rssGrowth > maxGrowth)
            failed << name + QStringLiteral(" (resident memory grew %1 KiB)").arg(rssGrowth);
        tour.closeAll();
    }
    std::printf("skipped, no round cycle: %s\n", qPrintable(skipped.join(QLatin1Char(' '))));
    for (const QString& f : failed)
        std::printf("FAILED %s\n", qPrintable(f));
    return failed.isEmpty() ? 0 : 1;
}
