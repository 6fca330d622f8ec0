// Opening and closing the catalogue many times must leave the resident memory flat: the
// window, its ten entries with their outlines and its course read are all given back.

#include "MemoryUse.h"
#include "ShellBench.h"

#include <benchmark/benchmark.h>

namespace {

void openAndClose(ShellBench& shell, int times)
{
    for (int i = 0; i < times; ++i) {
        Form* catalogue = shell.windows.open(QStringLiteral("FrmMulu"));
        QCoreApplication::processEvents(); // painted, as the child sees it
        catalogue->Unload();
        ShellBench::settle();
        shell.services.clearRecords(); // the fake's log would grow, not the program
    }
}

void BM_CatalogueOpenClose(benchmark::State& state)
{
    ShellBench shell(10);
    shell.app.CurrentArea = QStringLiteral("语言");
    openAndClose(shell, 20); // caches of fonts and the back picture fill once
    const double before = residentKiB();
    const double heapBefore = heapInUseKiB();
    for (auto _ : state)
        openAndClose(shell, int(state.range(0)));
    const double after = residentKiB();
    state.counters["heap_growth_KiB"] = heapInUseKiB() - heapBefore;
    state.counters["rss_before_KiB"] = before;
    state.counters["rss_after_KiB"] = after;
    state.counters["rss_growth_KiB"] = after - before;
}
// A leak grows with the number of cycles; the allocator's own slack does not.
BENCHMARK(BM_CatalogueOpenClose)
    ->Arg(200)
    ->Arg(1000)
    ->Arg(3000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

SHELL_BENCH_MAIN()
