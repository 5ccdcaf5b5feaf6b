#pragma once

#include <QSocketNotifier>
#include <csignal>
#include <functional>
#include <memory>

namespace orvanta::cli {

// Ctrl+C while it lives is told to the event loop, with how many times it came so far; the
// program's own handling of Ctrl+C comes back when it goes. A signal handler may only write a
// byte, so the count reaches the loop through a socket pair.
class InterruptWatch
{
public:
    explicit InterruptWatch(std::function<void(int times)> interrupted);
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch &) = delete;
    InterruptWatch &operator=(const InterruptWatch &) = delete;

    int times() const { return m_times; }

private:
    std::function<void(int)> m_interrupted;
    std::unique_ptr<QSocketNotifier> m_notifier;
    struct sigaction m_previous = {};
    bool m_installed = false;
    int m_times = 0;
};

} // namespace orvanta::cli
