#pragma once

#include "PanelEngine.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace orvanta::sim {

struct TranscriptEntry
{
    uint64_t ms; // since the panel started
    std::string command;
};

// The virtual panel on a serial line: reads commands ending in CR, answers them through the
// engine, with the faults it was given. Serves a pseudo-terminal of its own or a real device.
// Every public member may be called from any thread.
class PanelServer
{
public:
    explicit PanelServer(PanelState state = {}, PanelFaults faults = {});
    ~PanelServer();
    PanelServer(const PanelServer &) = delete;
    PanelServer &operator=(const PanelServer &) = delete;

    // Opens a pseudo-terminal pair and returns the device path the tool should open.
    std::string openPseudoTerminal();
    // Serves an existing serial device (a null-modem cable) at 19200 bit/s, 8N1.
    void openDevice(const std::string &path);

    void setStateFile(const std::string &path);
    void setTranscriptFile(const std::string &path);
    // How long "+T00" waits for a key at the reader.
    void setKeyWaitMs(int ms);
    // Told when the panel starts recording a message ("+J00", "+J") and when it ends ("+j"),
    // before the reply is sent, so that what it heard is kept before the tool goes on.
    using MessageListener = std::function<void(bool started, int message)>;
    void setMessageListener(MessageListener listener);

    // Serves until stop() or until the line is hung up.
    void serve();
    // Serves on a thread of its own.
    void start();
    void stop();

    PanelState state() const;
    void setReaderKey(std::optional<std::array<uint8_t, 8>> key);
    void setFaults(const PanelFaults &faults);
    void setVersion(const std::string &version);
    std::vector<TranscriptEntry> transcript() const;
    // The commands received so far, in order.
    std::vector<std::string> commands() const;
    void clearTranscript();
    bool hungUp() const { return m_hungUp; }
    // Bytes that crossed the line: commands received (with their CR) and replies sent.
    uint64_t bytesReceived() const { return m_bytesReceived; }
    uint64_t bytesSent() const { return m_bytesSent; }

private:
    void handleCommand(const std::string &command);
    void send(const std::string &reply, const PanelFaults &faults);
    // Sends the repeated replies that are due.
    void sendRepeats();
    // Sleeps, waking early when the panel stops; false when it stopped.
    bool pause(int ms);
    // Closes the panel's end: to the tool the line looks unplugged.
    void hangUp();
    void closeLine();
    uint64_t nowMs() const;

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    PanelEngine m_engine;
    std::vector<TranscriptEntry> m_transcript;
    std::string m_stateFile;
    std::string m_transcriptFile;
    int m_keyWaitMs = 3000;
    MessageListener m_listener;
    int m_commandCount = 0;
    // Replies to send again, by when: touched by the serving thread alone.
    std::multimap<uint64_t, std::pair<std::string, PanelFaults>> m_repeats;

    int m_fd = -1;       // the panel's end of the line
    int m_keepOpen = -1; // the tool's end of a pseudo-terminal, held so the line survives reopening
    int m_wake = -1;     // eventfd that interrupts the wait for input
    std::atomic<bool> m_stopping{false};
    std::atomic<bool> m_hungUp{false};
    std::atomic<uint64_t> m_bytesReceived{0};
    std::atomic<uint64_t> m_bytesSent{0};
    std::thread m_thread;
    const uint64_t m_startMs;
};

} // namespace orvanta::sim
