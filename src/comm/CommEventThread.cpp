#include "CommEventThread.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <linux/serial.h>
#include <mutex>
#include <pthread.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace orvanta {

namespace {

// The signal that interrupts a TIOCMIWAIT wait when the port closes. Its handler does nothing:
// the interruption is all it is for.
int wakeSignal()
{
    static const int signal = [] {
        const int chosen = SIGRTMIN + 7;
        struct sigaction current
        {
        };
        ::sigaction(chosen, nullptr, &current);
        if (current.sa_handler == SIG_DFL) {
            struct sigaction action
            {
            };
            action.sa_handler = [](int) {
            };
            sigemptyset(&action.sa_mask);
            action.sa_flags = 0; // no restart: the waiting ioctl returns EINTR
            ::sigaction(chosen, &action, nullptr);
        }
        return chosen;
    }();
    return signal;
}

// The events between two readings of the driver's counters.
TDeviceEvents countedEvents(const serial_icounter_struct &before,
                            const serial_icounter_struct &after)
{
    TDeviceEvents events;
    events = events.with(deCTS, after.cts != before.cts)
                 .with(deDSR, after.dsr != before.dsr)
                 .with(deRLSD, after.dcd != before.dcd)
                 .with(deRing, after.rng != before.rng)
                 .with(deBreak, after.brk != before.brk)
                 .with(deError, after.frame != before.frame || after.overrun != before.overrun ||
                                    after.parity != before.parity ||
                                    after.buf_overrun != before.buf_overrun);
    return events;
}

} // namespace

CommEventThread::CommEventThread(int descriptor, Deliver deliver, std::function<void()> finished)
    : m_descriptor(descriptor)
    , m_deliver(std::move(deliver))
    , m_onFinished(std::move(finished))
{
    m_stop = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    m_input = std::thread([this] { watchInput(); });
    serial_icounter_struct counts{};
    if (::ioctl(m_descriptor, TIOCGICOUNT, &counts) == 0) {
        wakeSignal();
        m_modemFinished = false;
        m_modem = std::thread([this] { watchModemLines(); });
    }
}

CommEventThread::~CommEventThread()
{
    requestStop();
    join();
    if (m_stop >= 0)
        ::close(m_stop);
}

void CommEventThread::requestStop()
{
    m_stopping = true;
    const uint64_t one = 1;
    if (m_stop >= 0 && ::write(m_stop, &one, sizeof one) < 0) {
        // The counter is already set: the thread is woken all the same.
    }
}

void CommEventThread::join()
{
    if (m_input.joinable())
        m_input.join();
    // A wait in TIOCMIWAIT ends only by a signal; it is sent until the thread has left it.
    while (modemWaiting()) {
        wakeModemWatch();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (m_modem.joinable())
        m_modem.join();
}

void CommEventThread::wakeModemWatch()
{
    if (modemWaiting())
        ::pthread_kill(m_modem.native_handle(), wakeSignal());
}

void CommEventThread::watchInput()
{
    const int poller = ::epoll_create1(EPOLL_CLOEXEC);
    epoll_event input{};
    input.events = EPOLLIN | EPOLLET | EPOLLRDHUP;
    input.data.fd = m_descriptor;
    epoll_event stop{};
    stop.events = EPOLLIN;
    stop.data.fd = m_stop;
    const bool ready = poller >= 0 &&
                       ::epoll_ctl(poller, EPOLL_CTL_ADD, m_descriptor, &input) == 0 &&
                       ::epoll_ctl(poller, EPOLL_CTL_ADD, m_stop, &stop) == 0;
    serial_icounter_struct counts{};
    const bool counted = ::ioctl(m_descriptor, TIOCGICOUNT, &counts) == 0;
    while (ready && !m_stopping) {
        epoll_event happened[2];
        const int count = ::epoll_wait(poller, happened, 2, -1);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            break; // a failed wait ends the watch quietly
        TDeviceEvents events;
        bool ended = false;
        for (int i = 0; i < count; ++i) {
            if (happened[i].data.fd == m_stop || (happened[i].events & (EPOLLHUP | EPOLLERR)))
                ended = true; // stopped, or the line was hung up
            else if (happened[i].events & EPOLLIN)
                events.include(deChar);
        }
        if (ended || m_stopping)
            break;
        if (counted) {
            serial_icounter_struct now{};
            if (::ioctl(m_descriptor, TIOCGICOUNT, &now) == 0) {
                events = events | (countedEvents(counts, now) & TDeviceEvents{deBreak, deError});
                counts = now;
            }
        }
        if (!events.empty() && !m_deliver(events))
            break;
    }
    if (poller >= 0)
        ::close(poller);
    m_finished = true;
    if (m_onFinished)
        m_onFinished();
}

void CommEventThread::watchModemLines()
{
    serial_icounter_struct counts{};
    ::ioctl(m_descriptor, TIOCGICOUNT, &counts);
    while (!m_stopping) {
        if (::ioctl(m_descriptor, TIOCMIWAIT, TIOCM_CTS | TIOCM_DSR | TIOCM_CD | TIOCM_RNG) != 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        serial_icounter_struct now{};
        if (m_stopping || ::ioctl(m_descriptor, TIOCGICOUNT, &now) != 0)
            break;
        const TDeviceEvents events =
            countedEvents(counts, now) & TDeviceEvents{deCTS, deDSR, deRLSD, deRing};
        counts = now;
        if (!events.empty() && !m_deliver(events))
            break;
    }
    m_modemFinished = true;
    if (m_onFinished)
        m_onFinished();
}

} // namespace orvanta
