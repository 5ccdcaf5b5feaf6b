#include "PanelServer.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iostream>
#include <poll.h>
#include <pty.h>
#include <stdexcept>
#include <sys/eventfd.h>
#include <termios.h>
#include <unistd.h>

namespace orvanta::sim {

namespace {

uint64_t steadyMs()
{
    using namespace std::chrono;
    return uint64_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void makeRaw(int fd, bool setSpeed)
{
    termios t{};
    if (::tcgetattr(fd, &t) != 0)
        return;
    ::cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    if (setSpeed)
        ::cfsetspeed(&t, B19200);
    ::tcsetattr(fd, TCSANOW, &t);
}

// Non-printing bytes of a command as \xNN, so a transcript line is one line.
std::string printable(const std::string &command)
{
    std::string text;
    for (unsigned char c : command) {
        if (c >= 32 && c < 127 && c != '\\') {
            text += char(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            text += escaped;
        }
    }
    return text;
}

constexpr size_t MaxCommandLength = 128;
constexpr int HangUpDelayMs = 200;

} // namespace

PanelServer::PanelServer(PanelState state, PanelFaults faults)
    : m_engine(std::move(state), std::move(faults))
    , m_wake(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
    , m_startMs(steadyMs())
{}

PanelServer::~PanelServer()
{
    stop();
    closeLine();
    ::close(m_wake);
}

uint64_t PanelServer::nowMs() const
{
    return steadyMs() - m_startMs;
}

std::string PanelServer::openPseudoTerminal()
{
    int master = -1, slave = -1;
    char name[256] = {};
    if (::openpty(&master, &slave, name, nullptr, nullptr) != 0)
        throw std::runtime_error(std::string("cannot open a pseudo-terminal: ") +
                                 std::strerror(errno));
    ::fcntl(master, F_SETFD, FD_CLOEXEC);
    ::fcntl(master, F_SETFL, O_NONBLOCK);
    ::fcntl(slave, F_SETFD, FD_CLOEXEC);
    makeRaw(slave, false);
    m_fd = master;
    m_keepOpen = slave;
    return name;
}

void PanelServer::openDevice(const std::string &path)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        throw std::runtime_error("cannot open " + path + ": " + std::strerror(errno));
    makeRaw(fd, true);
    m_fd = fd;
}

void PanelServer::setStateFile(const std::string &path)
{
    std::lock_guard lock(m_mutex);
    m_stateFile = path;
}

void PanelServer::setTranscriptFile(const std::string &path)
{
    std::lock_guard lock(m_mutex);
    m_transcriptFile = path;
}

void PanelServer::setKeyWaitMs(int ms)
{
    std::lock_guard lock(m_mutex);
    m_keyWaitMs = ms;
}

void PanelServer::start()
{
    uint64_t pending = 0;
    [[maybe_unused]] const auto ignored = ::read(m_wake, &pending, sizeof pending);
    m_stopping = false;
    m_thread = std::thread([this] { serve(); });
}

void PanelServer::stop()
{
    m_stopping = true;
    const uint64_t one = 1;
    [[maybe_unused]] const auto ignored = ::write(m_wake, &one, sizeof one);
    m_changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void PanelServer::serve()
{
    std::string line;
    bool overlong = false;
    while (!m_stopping && m_fd >= 0) {
        // The wait ends in time for the next repeated reply.
        int timeout = -1;
        if (!m_repeats.empty())
            timeout =
                int(std::max<int64_t>(0, int64_t(m_repeats.begin()->first) - int64_t(nowMs())));
        pollfd fds[2] = {{m_fd, POLLIN, 0}, {m_wake, POLLIN, 0}};
        if (::poll(fds, 2, timeout) < 0 && errno != EINTR)
            break;
        if (m_stopping || fds[1].revents)
            break;
        sendRepeats();
        if (!(fds[0].revents & (POLLIN | POLLHUP | POLLERR)))
            continue;
        char buffer[256];
        const ssize_t got = ::read(m_fd, buffer, sizeof buffer);
        if (got < 0 && (errno == EAGAIN || errno == EINTR))
            continue;
        if (got <= 0) {
            // EIO on the master: nobody holds the other end right now. Wait and try again.
            if (m_keepOpen < 0)
                break;
            pause(20);
            continue;
        }
        m_bytesReceived += uint64_t(got);
        for (ssize_t i = 0; i < got && m_fd >= 0; ++i) {
            const char c = buffer[i];
            if (c == '\r') {
                if (overlong)
                    handleCommand(std::string(MaxCommandLength + 1, '?'));
                else if (!line.empty())
                    handleCommand(line);
                line.clear();
                overlong = false;
            } else if (c != '\n' && c != '\0') {
                if (line.size() < MaxCommandLength)
                    line += c;
                else
                    overlong = true;
            }
        }
    }
}

void PanelServer::setMessageListener(MessageListener listener)
{
    std::lock_guard lock(m_mutex);
    m_listener = std::move(listener);
}

void PanelServer::handleCommand(const std::string &command)
{
    std::unique_lock lock(m_mutex);
    const uint64_t now = nowMs();
    m_transcript.push_back({now, command});
    if (!m_transcriptFile.empty()) {
        std::ofstream file(m_transcriptFile, std::ios::app);
        file << now << " " << printable(command) << "\n";
    }
    PanelEngine::Outcome outcome = m_engine.handle(command, now);
    if (outcome.stateChanged && !m_stateFile.empty()) {
        try {
            m_engine.state().save(m_stateFile);
        } catch (const std::exception &e) {
            std::cerr << "orvanta-panel-sim: " << e.what() << "\n";
        }
    }
    if (outcome.waitForKey) {
        m_changed.wait_for(lock, std::chrono::milliseconds(m_keyWaitMs), [&] {
            outcome.reply = m_engine.answerReaderKey(command);
            return m_stopping || !outcome.reply.empty();
        });
    }
    PanelFaults faults = m_engine.faults();
    const bool faulty = faults.appliesTo(command);
    const bool lastCommand = faults.hangUpAfter > 0 && ++m_commandCount >= faults.hangUpAfter;
    const MessageListener listener = m_listener;
    lock.unlock();

    if (listener && outcome.messageStarted)
        listener(true, outcome.messageStarted);
    if (listener && outcome.messageEnded)
        listener(false, outcome.messageEnded);

    if (faulty && faults.delayMs > 0 && !pause(faults.delayMs))
        return;
    if (!(faulty && faults.silent) && !outcome.reply.empty()) {
        send(outcome.reply, faulty ? faults : PanelFaults{});
        if (faulty && faults.repeatAfterMs > 0)
            m_repeats.emplace(nowMs() + uint64_t(faults.repeatAfterMs),
                              std::make_pair(outcome.reply, faults));
    }
    // The last reply gets a moment to be read: a hung-up line loses what it still holds.
    if (lastCommand && pause(HangUpDelayMs))
        hangUp();
}

void PanelServer::send(const std::string &reply, const PanelFaults &faults)
{
    // Cut points: every chunkSize bytes, and between the "O" and "K" of the acceptance.
    std::vector<size_t> cuts;
    if (faults.chunkSize > 0)
        for (size_t at = faults.chunkSize; at < reply.size(); at += faults.chunkSize)
            cuts.push_back(at);
    if (faults.splitOK) {
        const size_t ok = reply.rfind("OK");
        if (ok != std::string::npos)
            cuts.push_back(ok + 1);
    }
    std::sort(cuts.begin(), cuts.end());
    cuts.push_back(reply.size());
    const int gap = faults.chunkPauseMs > 0 ? faults.chunkPauseMs : 150;

    size_t from = 0;
    for (size_t to : cuts) {
        if (to <= from)
            continue;
        if (from > 0 && !pause(gap))
            return;
        for (size_t at = from; at < to;) {
            const ssize_t written = ::write(m_fd, reply.data() + at, to - at);
            if (written < 0 && errno == EINTR)
                continue;
            if (written < 0 && errno == EAGAIN) {
                if (!pause(5))
                    return;
                continue;
            }
            if (written <= 0)
                return;
            at += size_t(written);
            m_bytesSent += uint64_t(written);
        }
        from = to;
    }
}

void PanelServer::sendRepeats()
{
    while (!m_repeats.empty() && m_repeats.begin()->first <= nowMs() && m_fd >= 0) {
        const auto [reply, faults] = m_repeats.begin()->second;
        m_repeats.erase(m_repeats.begin());
        send(reply, faults);
    }
}

bool PanelServer::pause(int ms)
{
    std::unique_lock lock(m_mutex);
    return !m_changed.wait_for(lock, std::chrono::milliseconds(ms),
                               [this] { return bool(m_stopping); });
}

void PanelServer::hangUp()
{
    m_hungUp = true; // before the line closes: whoever sees it closed sees it hung up
    closeLine();
}

void PanelServer::closeLine()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (m_keepOpen >= 0)
        ::close(m_keepOpen);
    m_fd = m_keepOpen = -1;
}

PanelState PanelServer::state() const
{
    std::lock_guard lock(m_mutex);
    return m_engine.state();
}

void PanelServer::setReaderKey(std::optional<std::array<uint8_t, 8>> key)
{
    {
        std::lock_guard lock(m_mutex);
        m_engine.state().readerKey = key;
    }
    m_changed.notify_all();
}

void PanelServer::setFaults(const PanelFaults &faults)
{
    std::lock_guard lock(m_mutex);
    m_engine.faults() = faults;
    m_commandCount = 0;
}

void PanelServer::setVersion(const std::string &version)
{
    std::lock_guard lock(m_mutex);
    m_engine.state().version = version;
}

std::vector<TranscriptEntry> PanelServer::transcript() const
{
    std::lock_guard lock(m_mutex);
    return m_transcript;
}

std::vector<std::string> PanelServer::commands() const
{
    std::lock_guard lock(m_mutex);
    std::vector<std::string> list;
    for (const auto &entry : m_transcript)
        list.push_back(entry.command);
    return list;
}

void PanelServer::clearTranscript()
{
    std::lock_guard lock(m_mutex);
    m_transcript.clear();
}

} // namespace orvanta::sim
