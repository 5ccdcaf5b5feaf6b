#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace orvanta::sim {

// Everything the panel remembers: what the tool reads and writes, and the message memory.
struct PanelState
{
    static constexpr size_t MemorySize = 256; // two hex digits address every byte
    static constexpr int MessageSlots = 54;
    static constexpr uint16_t MemoryUnits = 2400; // eight minutes in units of 0.2 s

    std::string version = "VER 03.07 ORVANTA GSM";
    std::string password = "12345";
    std::array<std::array<uint8_t, 8>, 4> keys{};    // in the panel's byte order
    std::optional<std::array<uint8_t, 8>> readerKey; // the key held at the reader, if any
    std::array<uint8_t, 5> loopRecord{};
    std::array<std::array<uint8_t, 4>, 5> relayRules{};
    std::array<uint8_t, 5> relayTimes{};
    std::array<uint8_t, MemorySize> memory;

    PanelState() { memory.fill(0xFF); }

    uint16_t word(int n) const { return uint16_t(memory[At(n)] << 8 | memory[At(n) + 1]); }
    void setWord(int n, uint16_t value)
    {
        memory[At(n)] = uint8_t(value >> 8);
        memory[At(n) + 1] = uint8_t(value);
    }
    // Where word n begins in the memory: two bytes a word, the high byte first.
    static size_t At(int n) { return 2 * size_t(n); }

    // A plain "name=value" text; unknown names are ignored when loading, missing ones keep their
    // fresh-panel value. Both throw std::runtime_error with a readable message on failure.
    void save(const std::string &path) const;
    static PanelState load(const std::string &path);
};

// Hex text of bytes, and back; parsing accepts either letter case and fails on anything else.
std::string hexText(const uint8_t *bytes, size_t count, bool upperCase);
bool parseHex(const std::string &text, uint8_t *bytes, size_t count);

} // namespace orvanta::sim
