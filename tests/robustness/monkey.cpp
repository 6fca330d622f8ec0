// The monkey: every registered window is opened the way a child reaches it, then gets
// seeded random clicks, drags, double clicks, right clicks, keys and the passing of time
// (its running timers fire). The program must stay alive and keep answering: at the end the
// window's back picture still closes it. The seed is printed first; a crash, a sanitizer
// finding or a hang prints the seed and the last events.
//
//   monkey [--seed N] [--events N] [--data DIR] [--window NAME] [--lesson L] [--list]
//
// --list prints every registered window, one a line, with the centre of its back picture on a
// 1024 x 768 screen when it is opened as a child would ("-" without one), and ends: the
// end-to-end monkey picks its windows from it and knows where to click to close them.

#include "WindowTour.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/Timer.h"

#include <QApplication>
#include <QKeySequence>
#include <QRandomGenerator>
#include <QTest>
#include <array>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <thread>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

// The last events, kept ready to be written from a signal handler or a sanitizer's death.
class EventTrail {
public:
    void setSeed(quint64 seed)
    {
        std::snprintf(seed_, sizeof seed_, "monkey: seed %llu\n", (unsigned long long)seed);
    }
    void add(const QString& line)
    {
        const QByteArray text = line.toUtf8().left(Width - 2) + '\n';
        auto& slot = lines_[next_ % lines_.size()];
        std::memcpy(slot.data(), text.constData(), size_t(text.size()));
        slot[size_t(text.size())] = '\0';
        next_.fetch_add(1);
    }
    quint64 count() const { return next_.load(); }
    // Async-signal-safe: write(2) only.
    void dump() const
    {
        write(2, seed_, std::strlen(seed_));
        const char* head = "monkey: the last events, oldest first:\n";
        write(2, head, std::strlen(head));
        const quint64 end = next_.load();
        for (quint64 i = end > lines_.size() ? end - lines_.size() : 0; i < end; ++i) {
            const auto& slot = lines_[i % lines_.size()];
            write(2, slot.data(), std::strlen(slot.data()));
        }
    }

private:
    static constexpr int Width = 160;
    std::array<std::array<char, Width>, 40> lines_{};
    std::atomic<quint64> next_{0};
    char seed_[64] = "monkey: seed ?\n";
};

EventTrail trail;

void dumpTrail()
{
    trail.dump();
}

#if !defined(__SANITIZE_ADDRESS__)
void onFatalSignal(int signal)
{
    dumpTrail();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}
#endif

// A window that stops taking events (a nested loop that never returns, an endless loop) is a
// hang: after this long without a new event the trail is printed and the run fails.
void watchForHangs(std::chrono::seconds limit)
{
    std::thread([limit] {
        quint64 seen = trail.count();
        auto since = std::chrono::steady_clock::now();
        for (;;) {
            std::this_thread::sleep_for(std::chrono::seconds(1));
            const quint64 now = trail.count();
            if (now != seen) {
                seen = now;
                since = std::chrono::steady_clock::now();
            } else if (std::chrono::steady_clock::now() - since > limit) {
                const char* text = "monkey: no event for too long, the program hangs\n";
                write(2, text, std::strlen(text));
                dumpTrail();
                _exit(3);
            }
        }
    }).detach();
}

const std::array<std::pair<Qt::Key, Qt::KeyboardModifiers>, 16> Keys = {{
    {Qt::Key_Space, {}},
    {Qt::Key_Return, {}},
    {Qt::Key_Escape, {}},
    {Qt::Key_Left, {}},
    {Qt::Key_Right, {}},
    {Qt::Key_Up, {}},
    {Qt::Key_Down, {}},
    {Qt::Key_F1, {}},
    {Qt::Key_A, {}},
    {Qt::Key_5, {}},
    {Qt::Key_Backspace, {}},
    {Qt::Key_Tab, {}},
    {Qt::Key_Delete, {}},
    {Qt::Key_Z, Qt::ControlModifier},
    {Qt::Key_Y, Qt::ControlModifier},
    {Qt::Key_F4, Qt::AltModifier},
}};

class Monkey {
public:
    Monkey(WindowTour& tour, quint64 seed)
        : tour_(tour)
        , random_(seed)
    {
    }

    // Random events on whatever lies in front; the window is opened again whenever a
    // click closed it (its back picture, the end of a game).
    int play(const QString& name, int events)
    {
        int reopened = 0;
        for (int i = 0; i < events; ++i) {
            if (!tour_.find(name)) {
                ++reopened;
                note(QStringLiteral("open %1 again").arg(name));
                if (!tour_.open(name)) return reopened;
            }
            oneEvent(name);
            WindowTour::settle();
        }
        return reopened;
    }

private:
    QPoint anywhere()
    {
        const QRect area = tour_.fixture().stage.screenRect();
        return {area.left() + int(random_.bounded(area.width())),
                area.top() + int(random_.bounded(area.height()))};
    }
    void note(const QString& line) { trail.add(line); }

    void oneEvent(const QString& name)
    {
        QWindow* window = tour_.fixture().stage.windowHandle();
        const int kind = int(random_.bounded(100));
        const QPoint p = anywhere();
        const QString where = QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
        if (kind < 40) {
            note(name + QStringLiteral(": click at ") + where);
            QTest::mouseMove(window, p);
            QTest::mouseClick(window, Qt::LeftButton, {}, p);
        } else if (kind < 60) {
            const QPoint to = anywhere();
            note(name +
                 QStringLiteral(": drag from %1 to %2,%3").arg(where).arg(to.x()).arg(to.y()));
            QTest::mouseMove(window, p);
            QTest::mousePress(window, Qt::LeftButton, {}, p);
            for (int step = 1; step <= 4; ++step)
                QTest::mouseMove(window, p + (to - p) * step / 4);
            QTest::mouseRelease(window, Qt::LeftButton, {}, to);
        } else if (kind < 72) {
            note(name + QStringLiteral(": double click at ") + where);
            QTest::mouseMove(window, p);
            QTest::mouseDClick(window, Qt::LeftButton, {}, p);
        } else if (kind < 77) {
            note(name + QStringLiteral(": right click at ") + where);
            QTest::mouseClick(window, Qt::RightButton, {}, p);
        } else if (kind < 90) {
            const auto& [key, modifiers] = Keys[random_.bounded(quint32(Keys.size()))];
            note(name + QStringLiteral(": key ") + QKeySequence(key | modifiers).toString());
            QWidget* target = QApplication::focusWidget();
            if (!target) target = tour_.fixture().stage.top();
            if (!target) target = &tour_.fixture().stage;
            QTest::keyClick(target, key, modifiers);
        } else {
            Form* front = tour_.fixture().stage.top();
            note(name + QStringLiteral(": time passes for ") +
                 (front ? front->name() : QStringLiteral("nothing")));
            if (front)
                for (Timer* timer : front->findChildren<Timer*>())
                    if (timer->isRunning()) timer->fire();
        }
    }

    WindowTour& tour_;
    QRandomGenerator random_;
};

// The window's back picture, when it has one in view.
Control* backPicture(Form* form)
{
    if (!form) return nullptr;
    for (Control* control : form->controls())
        if (control->name() == QStringLiteral("ImgBack") && control->isVisible()) return control;
    return nullptr;
}

// The window still answers: whatever lies over it is closed, and a click on its back
// picture closes it.
QString backPictureCloses(WindowTour& tour, const QString& name)
{
    Form* form = tour.open(name);
    if (!form) return QStringLiteral("it would not open again");
    Stage& stage = tour.fixture().stage;
    while (stage.top() && stage.top() != form)
        stage.unload(stage.top());
    Control* back = backPicture(form);
    if (!back) return QString(); // a window without a back picture
    // The child waits a moment first (the catalogue's back picture rests for a second after
    // it is in front again).
    for (Timer* timer : form->findChildren<Timer*>())
        if (timer->isRunning()) timer->fire();
    WindowTour::settle();
    if (!stage.isOpen(form)) return QString(); // its time ran out and it closed itself
    trail.add(name + QStringLiteral(": click on the back picture"));
    tour.fixture().click(back);
    WindowTour::settle();
    return stage.isOpen(form) ? QStringLiteral("its back picture did not close it") : QString();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString data = demoDataRoot(args);
    if (data.isEmpty()) {
        std::fprintf(stderr, "monkey: no data folder (--data DIR or MINDLARK_DEMO_DATA)\n");
        return 2;
    }
    WindowTour tour(data, optionValue(args, QStringLiteral("--lesson"), QStringLiteral("水果")));
    if (args.contains(QStringLiteral("--list"))) {
        for (const QString& name : tour.names()) {
            if (Control* back = backPicture(tour.open(name))) {
                const QPoint centre = tour.fixture().onStage(back, back->rect().center());
                std::printf("%s %d %d\n", qPrintable(name), centre.x(), centre.y());
            } else {
                std::printf("%s - -\n", qPrintable(name));
            }
            tour.closeAll();
        }
        return 0;
    }

    const QString seedText =
        optionValue(args, QStringLiteral("--seed"), qEnvironmentVariable("MINDLARK_MONKEY_SEED"));
    const quint64 seed =
        seedText.isEmpty() ? QRandomGenerator::system()->generate() : seedText.toULongLong();
    const int events = optionValue(args, QStringLiteral("--events"), QStringLiteral("200")).toInt();
    const QString only = optionValue(args, QStringLiteral("--window"), QString());
    trail.setSeed(seed);
    std::printf("monkey: seed %llu (again with --seed %llu)\n", (unsigned long long)seed,
                (unsigned long long)seed);
    std::fflush(stdout);
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(dumpTrail);
#else
    for (int s : {SIGSEGV, SIGABRT, SIGFPE, SIGILL, SIGBUS})
        std::signal(s, onFatalSignal);
#endif
    watchForHangs(std::chrono::seconds(60));

    // One seed for the whole run, each window with a stream of its own from it, so that a
    // failure is repeated with --seed and --window alone.
    QStringList failures;
    for (const QString& name : tour.names()) {
        if (!only.isEmpty() && name != only) continue;
        if (!tour.open(name)) {
            std::printf("monkey: %s does not open from the demo data\n", qPrintable(name));
            failures << name + QStringLiteral(": does not open");
            tour.closeAll();
            continue;
        }
        Monkey monkey(tour, seed ^ qHash(name));
        const int reopened = monkey.play(name, events);
        const QString fault = backPictureCloses(tour, name);
        std::printf("monkey: %-24s %d events, opened again %d times%s%s\n", qPrintable(name),
                    events, reopened, fault.isEmpty() ? "" : ": ", qPrintable(fault));
        std::fflush(stdout);
        if (!fault.isEmpty()) failures << name + QStringLiteral(": ") + fault;
        tour.closeAll();
    }
    if (!failures.isEmpty()) {
        std::printf("monkey: FAILED with seed %llu\n  %s\n", (unsigned long long)seed,
                    qPrintable(failures.join(QStringLiteral("\n  "))));
        dumpTrail();
        return 1;
    }
    std::printf("monkey: every window stayed alive and answered (seed %llu)\n",
                (unsigned long long)seed);
    return 0;
}
