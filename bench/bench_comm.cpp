// CPU cost of waiting for a reply that does not come: ReadData sleeps in poll(2), a busy loop
// of the same length spins on the queue count. And the port's event thread: the CPU of an open,
// quiet port, and the delay from a byte's arrival to OnData.
#include "PtyPair.h"
#include "comm/XComDrv.h"
#include "link/PanelPort.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <condition_variable>
#include <ctime>
#include <mutex>
#include <thread>

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

double cpuSeconds()
{
    return double(std::clock()) / CLOCKS_PER_SEC;
}

void BM_OpenQuietPortForTenSeconds(benchmark::State &state)
{
    OpenPanelPort port;
    double cpu = 0;
    for (auto _ : state) {
        const double before = cpuSeconds();
        std::this_thread::sleep_for(std::chrono::seconds(10));
        cpu = cpuSeconds() - before;
    }
    state.counters["cpu_ms"] = 1000 * cpu;
}
BENCHMARK(BM_OpenQuietPortForTenSeconds)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

// Delivered on the event thread itself (Synchronize off): the time from the far end's write to
// the callback.
void BM_ByteToOnData(benchmark::State &state)
{
    OpenPanelPort port;
    port.comm.SetSynchronize(false);
    port.comm.CloseDevice();
    port.comm.OpenDevice();
    std::mutex mutex;
    std::condition_variable arrived;
    bool seen = false;
    port.comm.OnData = [&](TCustomComm &, uint32_t) {
        std::lock_guard lock(mutex);
        seen = true;
        arrived.notify_all();
    };
    char buffer[16];
    for (auto _ : state) {
        {
            std::lock_guard lock(mutex);
            seen = false;
        }
        port.pty.send("x");
        std::unique_lock lock(mutex);
        arrived.wait(lock, [&] { return seen; });
        lock.unlock();
        state.PauseTiming();
        port.comm.ReadData(buffer, 1, 10); // the byte leaves the queue before the next one
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ByteToOnData)->Unit(benchmark::kMicrosecond)->UseRealTime()->Iterations(200);

} // namespace
