#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace orvanta::sim {

// Misbehaviour the virtual panel can be told to show, to test how the tool copes.
struct PanelFaults
{
    // Faults apply only to commands that begin with this text; empty means every command.
    std::string onlyCommand;

    // Commands refused: "ERROR", and nothing changes.
    bool refuse = false;
    // Writes answered "OK" all the same, but the panel keeps what it held.
    bool forget = false;

    // The text of replies.
    bool echo = false;                  // send the command back before the reply
    bool lowerCaseHex = false;          // hex digits in lower case
    bool dropValueLineEnd = false;      // no CR LF after a value
    bool garbageValue = false;          // values replaced by characters that are no hex digits
    std::optional<std::string> value{}; // values replaced by this text
    bool nulBytes = false;              // a NUL byte after every reply byte
    bool overlong = false;              // filler before "OK", so the reply exceeds 254 bytes

    // The timing of replies.
    bool silent = false;   // no reply at all
    int delayMs = 0;       // wait before replying
    size_t chunkSize = 0;  // send replies in pieces of this many bytes (0: whole)
    int chunkPauseMs = 0;  // pause between pieces
    bool splitOK = false;  // a pause between the "O" and the "K" of "OK"
    int hangUpAfter = 0;   // close the line after this many commands (0: never)
    int repeatAfterMs = 0; // send each reply again this long after it (0: never)

    // The memory.
    std::optional<int> stuckCell{}; // a byte address that never keeps what is written

    bool appliesTo(const std::string &command) const
    {
        return command.compare(0, onlyCommand.size(), onlyCommand) == 0;
    }
};

} // namespace orvanta::sim
