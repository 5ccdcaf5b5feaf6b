#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace orvanta {

// Everything the panel holds that the tool reads and writes, apart from any window. A part that
// was not read (or not given in a file) is empty.
struct PanelSettings
{
    static constexpr int KeySlots = 4;
    static constexpr int Loops = 8;
    static constexpr int Relays = 5;
    static constexpr int LoopRecordBytes = 5;
    static constexpr int RelayRuleBytes = 4;
    // Byte 3 of the loop record holds the eight general options.
    static constexpr int OptionsByte = 3;
    // The longest on-time a relay time byte holds: 2 × 255 seconds.
    static constexpr int MaxRelaySeconds = 510;

    using LoopRecord = std::array<uint8_t, LoopRecordBytes>;
    using RelayRule = std::array<uint8_t, RelayRuleBytes>;
    using RelayTimes = std::array<int, Relays>; // seconds

    std::optional<QString> version;
    std::optional<QString> password; // as shown: five digits
    std::array<std::optional<QString>, KeySlots>
        keys; // as shown: the reader's byte order turned round
    std::optional<LoopRecord> loops;
    std::array<std::optional<RelayRule>, Relays> relayRules;
    std::optional<RelayTimes> relayTimes;
    std::optional<int> usedSeconds; // of the message memory

    bool operator==(const PanelSettings &) const = default;
};

// The seconds the panel keeps of a relay's on-time: its record holds halves, so an odd time is
// kept one lower. What is sent, compared, journaled and saved is this.
constexpr int KeptRelaySeconds(int seconds)
{
    return seconds / 2 * 2;
}

// The relay time record: each relay's seconds halved (toward zero) as two lower-case hex digits,
// so the panel keeps even seconds from 0 to 510. Throws EConvertError when a time is below 0 or
// above 510, naming the relay and the range.
QString EncodeRelayTimes(const PanelSettings::RelayTimes &seconds);
// The record read back: each byte is a relay's on-time halved, so every byte is a valid time.
PanelSettings::RelayTimes
DecodeRelayTimes(const std::array<uint8_t, PanelSettings::Relays> &halves);

} // namespace orvanta
