// Line events of an open port: the event thread over a pseudo-terminal, the dispatch rules, and
// the delivery on the thread that owns the component.
#include "PtyPair.h"
#include "WaitUntil.h"
#include "comm/XComDrv.h"
#include "link/PanelPort.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <ctime>
#include <deque>
#include <mutex>
#include <thread>

using namespace orvanta;
using orvanta::test::PtyPair;
using namespace std::chrono_literals;

namespace {

// The component with its dispatch open to the test, and what its callbacks saw.
struct EventPort : TXComm
{
    using TCustomComm::deliverEvents; // an event thread's entry, for threads of the test
    using TCustomComm::DispatchEvents;

    PtyPair pty;
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<uint32_t> data;           // OnData's counts
    std::vector<TDeviceEvents> events;    // OnCommEvent's batches
    std::vector<std::thread::id> threads; // where the callbacks ran
    int countsTaken = 0;                  // DoData calls, silenced or not

    EventPort()
    {
        ApplyPanelPortDefaults(*this);
        SetDeviceName(pty.slavePath());
        OnData = [this](TCustomComm &, uint32_t count) {
            record([&] { data.push_back(count); });
        };
        OnCommEvent = [this](TCustomComm &, TDeviceEvents batch) {
            record([&] { events.push_back(batch); });
        };
    }
    ~EventPort() override
    {
        if (IsOpened())
            CloseDevice();
    }
    void DoData(uint32_t received) override
    {
        record([&] { ++countsTaken; });
        TCustomComm::DoData(received);
    }
    template <typename Change> void record(Change change)
    {
        std::lock_guard lock(mutex);
        change();
        threads.push_back(std::this_thread::get_id());
        changed.notify_all();
    }
    // Waits until the condition holds (on what the callbacks saw), or a generous time passed.
    template <typename Condition> bool waitFor(Condition condition)
    {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, 5s, condition);
    }
    // Reads what the callbacks saw while they may still be running on the event thread.
    template <typename Look> auto look(Look what)
    {
        std::lock_guard lock(mutex);
        return what();
    }
};

double cpuSeconds()
{
    return double(std::clock()) / CLOCKS_PER_SEC;
}

} // namespace

TEST(CommEvents, ReceivedBytesReachOnDataAndOnCommEventWhenMonitored)
{
    EventPort port;
    port.SetSynchronize(false); // delivered on the event thread
    ASSERT_TRUE(port.OpenDevice());
    port.pty.send("abc");
    ASSERT_TRUE(port.waitFor([&] { return !port.data.empty() && port.data.back() == 3; }));
    ASSERT_TRUE(port.waitFor([&] { return !port.events.empty(); }));
    EXPECT_EQ(port.look([&] { return port.events.back(); }), TDeviceEvents{deChar});
    EXPECT_NE(port.look([&] { return port.threads.back(); }), std::this_thread::get_id());

    port.SetMonitorEvents({deOutEmpty});
    const size_t batches = port.look([&] { return port.events.size(); });
    port.pty.send("de");
    ASSERT_TRUE(port.waitFor([&] { return port.data.back() == 5; })); // unread bytes add up
    EXPECT_EQ(port.look([&] { return port.events.size(); }), batches);
}

TEST(CommEvents, DispatchRules)
{
    EventPort port;
    ASSERT_TRUE(port.OpenDevice());
    port.pty.send("xy");
    // The event thread's own batch for "xy", served and out of the way.
    test::WaitUntil([&] {
        port.ServeDeliveries();
        return port.look([&] { return !port.data.empty(); });
    });
    ASSERT_EQ(port.look([&] { return port.data.back(); }), 2u);
    port.data.clear();
    port.events.clear();
    port.DispatchEvents({deChar, deCTS}); // the default MonitorEvents
    ASSERT_FALSE(port.data.empty());
    EXPECT_EQ(port.data.back(), 2u);
    EXPECT_EQ(port.events.back(), TDeviceEvents{deChar});

    // The lock count silences both callbacks; the count is still taken.
    const size_t data = port.data.size(), events = port.events.size();
    const int taken = port.countsTaken;
    port.LockDevice(true);
    port.DispatchEvents({deChar, deFlag});
    EXPECT_EQ(port.data.size(), data);
    EXPECT_EQ(port.events.size(), events);
    EXPECT_EQ(port.countsTaken, taken + 1);
    port.LockDevice(false);

    // Each write transfer delivers {deOutEmpty} once, on the writing thread.
    port.events.clear();
    port.threads.clear();
    port.WriteString("+v\r");
    ASSERT_EQ(port.events.size(), 1u);
    EXPECT_EQ(port.events[0], TDeviceEvents{deOutEmpty});
    EXPECT_EQ(port.threads[0], std::this_thread::get_id());
}

TEST(CommEvents, SynchronizedDeliveryRunsOnTheOwnerAndCloseNeverWaitsForIt)
{
    EventPort port;
    std::mutex queueMutex;
    std::deque<std::function<void()>> queue; // what the owner thread is asked to run
    port.SetOwnerThreadRunner([&](std::function<void()> run) {
        std::lock_guard lock(queueMutex);
        queue.push_back(std::move(run));
    });
    ASSERT_TRUE(port.OpenDevice());
    port.pty.send("a");
    const auto runQueued = [&] {
        for (int i = 0; i < 500 && port.data.empty(); ++i) {
            std::function<void()> run;
            {
                std::lock_guard lock(queueMutex);
                if (!queue.empty()) {
                    run = std::move(queue.front());
                    queue.pop_front();
                }
            }
            if (run)
                run();
            std::this_thread::sleep_for(2ms);
        }
    };
    runQueued();
    // The event thread may report the byte once more while it lies unread (a loaded machine
    // wakes it again): every report runs on the owner.
    ASSERT_FALSE(port.data.empty());
    EXPECT_EQ(port.data.front(), 1u);
    for (const std::thread::id thread : port.threads)
        EXPECT_EQ(thread, std::this_thread::get_id());

    // A delivery that waits for the owner while the owner closes: no dead-lock.
    port.pty.send("b");
    const auto asked = [&] {
        std::lock_guard lock(queueMutex);
        return !queue.empty();
    };
    test::WaitUntil(asked);
    ASSERT_TRUE(asked()); // the event thread waits for the owner now
    const auto start = std::chrono::steady_clock::now();
    port.CloseDevice();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2s); // only catches a close that hangs
}

TEST(CommEvents, QuietCloseAndHangUpEndTheThreadWithoutSpinning)
{
    EventPort port;
    ASSERT_TRUE(port.OpenDevice());
    const auto start = std::chrono::steady_clock::now();
    port.CloseDevice();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 500ms); // generous: only catches a hang

    ASSERT_TRUE(port.OpenDevice());
    port.pty.hangUp();
    const double before = cpuSeconds();
    std::this_thread::sleep_for(300ms); // nothing to wait for: the time a spinning thread takes
    EXPECT_LT(cpuSeconds() - before,
              0.1);               // a thread spinning on the hung-up line would take it all
    EXPECT_TRUE(port.IsOpened()); // the port stays open
}

// Batches handed to the owner by several threads at once: each is served, none is lost, also
// when the port closes with batches still waiting.
TEST(CommEvents, EveryBatchHandedToTheOwnerIsServedEvenAtClose)
{
    EventPort port;
    ASSERT_TRUE(port.OpenDevice());
    std::atomic<int> delivered{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 2; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < 50; ++i)
                delivered += port.deliverEvents({deChar}) ? 1 : 0;
        });
    while (delivered < 100)
        port.ServeDeliveries(); // the owner's loop
    for (std::thread &thread : threads)
        thread.join();
    EXPECT_EQ(port.look([&] { return port.events.size(); }), 100u);

    port.look([&] {
        port.events.clear();
        return 0;
    });
    threads.clear();
    delivered = 0;
    std::atomic<int> waiting{0}; // batches handed over and left for the owner
    port.SetOwnerThreadRunner([&](std::function<void()>) { ++waiting; });
    for (int t = 0; t < 30; ++t)
        threads.emplace_back([&] { delivered += port.deliverEvents({deChar}) ? 1 : 0; });
    test::WaitUntil([&] { return waiting == 30; });
    ASSERT_EQ(waiting, 30); // all thirty wait for the owner
    port.CloseDevice();
    for (std::thread &thread : threads)
        thread.join();
    EXPECT_EQ(delivered, 30);
    EXPECT_EQ(port.look([&] { return port.events.size(); }), 30u);
}

// Without Synchronize the callbacks run on the delivering threads, still one at a time; a close
// during a long callback waits for it without spinning.
TEST(CommEvents, UnsynchronizedCallbacksRunOneAtATimeAndACloseWaitsQuietly)
{
    EventPort port;
    port.SetSynchronize(false);
    std::atomic<int> inside{0}, most{0};
    std::atomic<int> lasting{1}; // milliseconds each callback takes
    std::atomic<bool> running{false};
    port.OnCommEvent = [&](TCustomComm &, TDeviceEvents) {
        most = std::max(most.load(), ++inside);
        running = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(lasting.load()));
        --inside;
    };
    ASSERT_TRUE(port.OpenDevice());
    std::vector<std::thread> threads;
    for (int t = 0; t < 2; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < 50; ++i)
                port.deliverEvents({deChar});
        });
    for (int i = 0; i < 50; ++i)
        port.WriteString("+"); // deOutEmpty on this thread
    for (std::thread &thread : threads)
        thread.join();
    EXPECT_EQ(most, 1);

    // Whichever callback runs next lasts long; the close must wait for it without spinning.
    lasting = 600;
    running = false;
    port.pty.send("x"); // the event thread runs the callback
    while (!running)
        std::this_thread::sleep_for(1ms);
    const double before = cpuSeconds();
    port.CloseDevice();
    EXPECT_LT(cpuSeconds() - before, 0.1); // a spinning close would take most of the 600 ms
}
