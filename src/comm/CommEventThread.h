#pragma once

#include "XComDrv.h"

#include <atomic>
#include <functional>
#include <thread>

namespace orvanta {

// The thread that watches an open serial device for line events and hands each batch to its
// component. It sleeps in epoll(7) on the device and on a stop descriptor: no busy wait, no
// polling while the line is quiet. The input is watched edge-triggered, so that bytes nobody
// has read yet do not wake it again; only new bytes do.
//
// What the POSIX backend can deliver:
//   deChar                         new bytes arrived (every driver, pseudo-terminals included)
//   deBreak, deError               with the next bytes, from the driver's break and framing,
//                                  overrun and parity counters (TIOCGICOUNT), where it keeps them
//   deCTS, deDSR, deRLSD, deRing   from a second thread waiting in TIOCMIWAIT, where the driver
//                                  has it (real serial ports; a pseudo-terminal has not)
// and what it cannot: deFlag (the event character would have to be read out of the input, which
// stays with ReadData), deIn80Full, dePrintError, deProv1, deProv2 (no driver reports them).
// deOutEmpty is delivered by WriteData itself.
//
// A hang-up of the line, a failed wait or a delivery that reports failure ends the thread
// quietly; the port stays open.
class CommEventThread
{
public:
    // Delivers a batch; false ends the thread.
    using Deliver = std::function<bool(TDeviceEvents)>;

    // finished is called by each watching thread as it ends.
    CommEventThread(int descriptor, Deliver deliver, std::function<void()> finished = {});
    ~CommEventThread();
    CommEventThread(const CommEventThread &) = delete;
    CommEventThread &operator=(const CommEventThread &) = delete;

    // Asks both threads to end; they do so at once, also from inside a wait.
    void requestStop();
    bool stopRequested() const { return m_stopping; }
    // Both watches have ended.
    bool finished() const { return m_finished && m_modemFinished; }
    // Whether the modem-line watch may still sit in its wait, which only a signal ends.
    bool modemWaiting() const { return m_modem.joinable() && !m_modemFinished; }
    // Sends that signal (after requestStop); sent until the watch has left the wait.
    void wakeModemWatch();
    // Waits for the threads to end (after requestStop).
    void join();

private:
    void watchInput();
    void watchModemLines();

    int m_descriptor;
    int m_stop = -1; // eventfd
    Deliver m_deliver;
    std::function<void()> m_onFinished;
    std::atomic<bool> m_stopping{false};
    std::atomic<bool> m_finished{false};
    std::atomic<bool> m_modemFinished{true};
    std::thread m_input;
    std::thread m_modem;
};

} // namespace orvanta
