// A whole-panel read against a virtual panel that answers at once, beside the time the bytes it
// moves would take on the wire at 19200 bit/s (1920 bytes/s).
#include "BenchApplication.h"
#include "PanelServer.h"
#include "shell/fContactU.h"

#include <QComboBox>
#include <QDir>
#include <benchmark/benchmark.h>

#include <chrono>

using namespace orvanta;

namespace {

void BM_WholePanelRead(benchmark::State &state)
{
    sim::PanelServer panel;
    const QString port = QString::fromStdString(panel.openPseudoTerminal());
    panel.start();
    TfContact window(TfContact::Startup{{}, QDir::currentPath(), false, {}, {}});
    window.findChild<QComboBox *>(QStringLiteral("cb1"))->setCurrentText(port);
    uint64_t bytes = 0;
    for (auto _ : state) {
        const uint64_t before = panel.bytesReceived() + panel.bytesSent();
        window.Button1Click();
        bytes = panel.bytesReceived() + panel.bytesSent() - before;
    }
    state.counters["bytes"] = double(bytes);
    state.counters["wire_ms"] = 1000.0 * double(bytes) / 1920.0;
    state.counters["commands"] = double(panel.commands().size()) / double(state.iterations());
}
BENCHMARK(BM_WholePanelRead)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    bench::BenchApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
