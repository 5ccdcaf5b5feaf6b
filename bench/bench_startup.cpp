// From creating the main window to its first frame on the screen (offscreen platform), without
// the search for the panel. The first run in the process pays for fonts and style once.
#include "BenchApplication.h"
#include "shell/fContactU.h"

#include <QDir>
#include <QTest>
#include <benchmark/benchmark.h>

#include <chrono>

using namespace orvanta;

namespace {

double firstFrameSeconds(const QString &executableDir)
{
    const auto start = std::chrono::steady_clock::now();
    TfContact window(TfContact::Startup{{}, executableDir, false, {}, {}});
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return -1;
    QCoreApplication::processEvents();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_StartupToFirstFrame(benchmark::State &state)
{
    for (auto _ : state)
        state.SetIterationTime(firstFrameSeconds(QDir::currentPath()));
}
BENCHMARK(BM_StartupToFirstFrame)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    bench::BenchApplication app(argc, argv);
    std::printf("First start in this process: %.1f ms\n", firstFrameSeconds(app.folder()) * 1000);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
