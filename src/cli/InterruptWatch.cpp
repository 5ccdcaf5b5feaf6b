#include "InterruptWatch.h"

#include <sys/socket.h>
#include <unistd.h>
#include <utility>

namespace orvanta::cli {

namespace {

int interruptSockets[2] = {-1, -1};

void onInterrupt(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(interruptSockets[0], &byte, 1);
}

} // namespace

InterruptWatch::InterruptWatch(std::function<void(int times)> interrupted)
    : m_interrupted(std::move(interrupted))
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, interruptSockets) != 0)
        return;
    m_notifier = std::make_unique<QSocketNotifier>(interruptSockets[1], QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] {
        char byte = 0;
        [[maybe_unused]] const ssize_t read = ::read(interruptSockets[1], &byte, 1);
        m_interrupted(++m_times);
    });
    struct sigaction action = {};
    action.sa_handler = onInterrupt;
    ::sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, &m_previous);
    m_installed = true;
}

InterruptWatch::~InterruptWatch()
{
    if (m_installed)
        ::sigaction(SIGINT, &m_previous, nullptr);
    m_notifier.reset();
    for (int &socket : interruptSockets)
        if (socket >= 0)
            ::close(std::exchange(socket, -1));
}

} // namespace orvanta::cli
