// CPU cost of waiting for a reply that does not come: ReadData sleeps in poll(2), a busy loop
// of the same length spins on the queue count.
#include "PanelPort.h"
#include "PtyPair.h"
#include "XComDrv.h"

#include <benchmark/benchmark.h>

using namespace orvanta;

namespace {

constexpr uint32_t WaitMs = 100;

struct OpenPanelPort
{
    test::PtyPair pty;
    TXComm comm;
    OpenPanelPort()
    {
        ApplyPanelPortDefaults(comm);
        comm.SetDeviceName(pty.slavePath());
        comm.OpenDevice();
    }
};

void BM_ReadDataWithNoReply(benchmark::State &state)
{
    OpenPanelPort port;
    char buffer[600];
    for (auto _ : state)
        benchmark::DoNotOptimize(port.comm.ReadData(buffer, sizeof buffer, WaitMs));
}
BENCHMARK(BM_ReadDataWithNoReply)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_BusyPollingOfTheQueue(benchmark::State &state)
{
    OpenPanelPort port;
    for (auto _ : state) {
        const uint32_t start = TCustomComm::GetTicks();
        while (TCustomComm::GetTicks() - start <= WaitMs)
            benchmark::DoNotOptimize(port.comm.GetQueueCount(0));
    }
}
BENCHMARK(BM_BusyPollingOfTheQueue)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
