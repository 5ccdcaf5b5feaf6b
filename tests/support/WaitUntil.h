#pragma once

#include <chrono>
#include <functional>
#include <thread>

namespace orvanta::test {

// Waits on this thread, a millisecond at a time, until the condition holds or the time is up:
// whether it held. For what another thread or process makes true; where this thread's event loop
// must run meanwhile, RunEventsUntil.
inline bool WaitUntil(const std::function<bool()> &condition,
                      std::chrono::milliseconds limit = std::chrono::seconds(5))
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

} // namespace orvanta::test
