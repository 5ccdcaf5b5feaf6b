#pragma once

#include "PanelFaults.h"
#include "PanelState.h"

#include <cstdint>
#include <string>

namespace orvanta::sim {

// The panel's protocol, without any transport: one command in, the reply bytes out. Times are
// passed in, in milliseconds, so the message recorder can be driven without waiting.
class PanelEngine
{
public:
    explicit PanelEngine(PanelState state = {}, PanelFaults faults = {});

    struct Outcome
    {
        std::string reply;
        bool waitForKey = false; // "+T00" with no key at the reader: answer when one comes
        bool stateChanged = false;
        int messageStarted = 0; // "+J00"/"+J": the message (1 to 54) the panel records now
        int messageEnded = 0;   // "+j": the message whose recording ended
    };
    Outcome handle(const std::string &command, uint64_t nowMs);
    // The answer to a waiting "+T00" now that a key is there; empty when there still is none.
    std::string answerReaderKey(const std::string &command);

    PanelState &state() { return m_state; }
    const PanelState &state() const { return m_state; }
    PanelFaults &faults() { return m_faults; }
    bool recording() const { return m_recording; }

private:
    std::string valueReply(const std::string &command, std::string value) const;
    std::string doneReply(const std::string &command) const;
    std::string hex(const std::string &command, const uint8_t *bytes, size_t count) const;
    std::string word(const std::string &command, uint16_t value) const;
    // Whether a write of this command changes what the panel holds.
    bool keeps(const std::string &command) const;

    Outcome password(const std::string &command);
    Outcome memory(const std::string &command);
    Outcome record(const std::string &command, uint8_t *bytes, size_t count, size_t prefix);
    Outcome key(const std::string &command);
    Outcome startMessage(const std::string &command, uint64_t nowMs);
    Outcome endMessage(const std::string &command, uint64_t nowMs);
    Outcome play(const std::string &command);

    PanelState m_state;
    PanelFaults m_faults;
    bool m_recording = false;
    int m_message = 0; // the message last started
    uint16_t m_startAddress = 0;
    uint64_t m_startMs = 0;
    uint16_t m_lastEnd = 0;
    int m_playing = 0; // the message last played
};

extern const char *const ErrorReply;

} // namespace orvanta::sim
