#include "PanelEngine.h"

#include <algorithm>
#include <cstdio>

namespace orvanta::sim {

const char *const ErrorReply = "ERROR\r\n";

namespace {

bool startsWith(const std::string &text, const char *prefix)
{
    return text.rfind(prefix, 0) == 0;
}

PanelEngine::Outcome error()
{
    return {ErrorReply, false, false};
}

} // namespace

PanelEngine::PanelEngine(PanelState state, PanelFaults faults)
    : m_state(std::move(state))
    , m_faults(std::move(faults))
{
    // "+J" goes on after the messages the panel already holds: its usage word says where.
    if (const uint16_t used = m_state.word(PanelState::MessageSlots); used != 0xFFFF)
        m_lastEnd = std::min<uint16_t>(used, PanelState::MemoryUnits);
}

std::string PanelEngine::hex(const std::string &command, const uint8_t *bytes, size_t count) const
{
    const bool lower = m_faults.lowerCaseHex && m_faults.appliesTo(command);
    return hexText(bytes, count, !lower);
}

std::string PanelEngine::word(const std::string &command, uint16_t value) const
{
    const uint8_t bytes[2] = {uint8_t(value >> 8), uint8_t(value)};
    return hex(command, bytes, 2);
}

std::string PanelEngine::valueReply(const std::string &command, std::string value) const
{
    const bool faulty = m_faults.appliesTo(command);
    if (faulty && m_faults.value)
        value = *m_faults.value;
    if (faulty && m_faults.garbageValue)
        std::replace_if(
            value.begin(), value.end(), [](char) { return true; }, 'Z');
    std::string reply;
    if (faulty && m_faults.echo)
        reply += command + "\r\n";
    reply += ">" + value;
    if (!(faulty && m_faults.dropValueLineEnd))
        reply += "\r\n";
    if (faulty && m_faults.overlong)
        reply += std::string(300, '-') + "\r\n";
    reply += "OK\r\n";
    if (faulty && m_faults.nulBytes) {
        std::string spaced;
        for (char c : reply) {
            spaced += c;
            spaced += '\0';
        }
        reply = spaced;
    }
    return reply;
}

bool PanelEngine::keeps(const std::string &command) const
{
    return !(m_faults.forget && m_faults.appliesTo(command));
}

std::string PanelEngine::doneReply(const std::string &command) const
{
    const bool echo = m_faults.echo && m_faults.appliesTo(command);
    return (echo ? command + "\r\n" : std::string()) + "OK\r\n";
}

PanelEngine::Outcome PanelEngine::handle(const std::string &command, uint64_t nowMs)
{
    if (m_faults.refuse && m_faults.appliesTo(command))
        return error();
    if (command == "+v")
        return {valueReply(command, m_state.version)};
    if (startsWith(command, "+Q"))
        return password(command);
    if (startsWith(command, "+E"))
        return memory(command);
    if (startsWith(command, "+K"))
        return record(command, m_state.loopRecord.data(), m_state.loopRecord.size(), 2);
    if (startsWith(command, "+k0") && command.size() >= 4 && command[3] >= '1' && command[3] <= '5')
        return record(command, m_state.relayRules[size_t(command[3] - '1')].data(), 4, 4);
    if (startsWith(command, "+L"))
        return record(command, m_state.relayTimes.data(), m_state.relayTimes.size(), 2);
    if (startsWith(command, "+T0"))
        return key(command);
    if (command == "+J00" || command == "+J")
        return startMessage(command, nowMs);
    if (command == "+j")
        return endMessage(command, nowMs);
    if (startsWith(command, "+I"))
        return play(command);
    return error();
}

// The password travels as ten characters: "0" before each of its five digits.
PanelEngine::Outcome PanelEngine::password(const std::string &command)
{
    if (command.size() == 2) {
        std::string coded;
        for (char digit : m_state.password)
            coded += std::string("0") + digit;
        return {valueReply(command, coded)};
    }
    if (command.size() != 12)
        return error();
    std::string digits;
    for (size_t i = 2; i < 12; i += 2) {
        const char filler = command[i], digit = command[i + 1];
        if (filler != '0' || digit < '0' || digit > '9')
            return error();
        digits += digit;
    }
    if (!keeps(command))
        return {doneReply(command)};
    m_state.password = digits;
    return {doneReply(command), false, true};
}

PanelEngine::Outcome PanelEngine::memory(const std::string &command)
{
    uint8_t address = 0, value = 0;
    if ((command.size() != 4 && command.size() != 6) ||
        !parseHex(command.substr(2, 2), &address, 1))
        return error();
    if (command.size() == 4)
        return {valueReply(command, hex(command, &m_state.memory[address], 1))};
    if (!parseHex(command.substr(4, 2), &value, 1))
        return error();
    if (!keeps(command))
        return {doneReply(command)};
    if (m_faults.stuckCell != int(address))
        m_state.memory[address] = value;
    return {doneReply(command), false, true};
}

// A record command reads with `prefix` characters alone and writes with the record's hex after.
PanelEngine::Outcome PanelEngine::record(const std::string &command, uint8_t *bytes, size_t count,
                                         size_t prefix)
{
    if (command.size() == prefix)
        return {valueReply(command, hex(command, bytes, count))};
    uint8_t parsed[8];
    if (command.size() != prefix + 2 * count || !parseHex(command.substr(prefix), parsed, count))
        return error();
    if (!keeps(command))
        return {doneReply(command)};
    std::copy(parsed, parsed + count, bytes);
    return {doneReply(command), false, true};
}

PanelEngine::Outcome PanelEngine::key(const std::string &command)
{
    if (command == "+T00") {
        const std::string reply = answerReaderKey(command);
        return reply.empty() ? Outcome{{}, true, false} : Outcome{reply};
    }
    if (command.size() < 4 || command[3] < '1' || command[3] > '4')
        return error();
    auto &slot = m_state.keys[size_t(command[3] - '1')];
    return record(command, slot.data(), slot.size(), 4);
}

std::string PanelEngine::answerReaderKey(const std::string &command)
{
    if (!m_state.readerKey)
        return {};
    return valueReply(command, hex(command, m_state.readerKey->data(), 8));
}

// "+J00" starts message 1 at the start of memory; "+J" starts the next one where the last ended.
PanelEngine::Outcome PanelEngine::startMessage(const std::string &command, uint64_t nowMs)
{
    if (m_recording)
        return error();
    if (command == "+J00") {
        m_message = 0;
        m_lastEnd = 0;
    }
    if (m_message >= PanelState::MessageSlots)
        return error();
    ++m_message;
    m_startAddress = m_lastEnd;
    m_startMs = nowMs;
    m_recording = true;
    Outcome outcome{doneReply(command)};
    outcome.messageStarted = m_message;
    return outcome;
}

// "+j" ends the running message: its length is the time since its start in units of 0.2 s, and
// its end address goes into its word of the address table and every later one, so that the last
// word always holds the memory in use.
PanelEngine::Outcome PanelEngine::endMessage(const std::string &command, uint64_t nowMs)
{
    if (!m_recording)
        return error();
    m_recording = false;
    const uint64_t units = (nowMs - m_startMs + 100) / 200;
    const auto end = uint16_t(std::min<uint64_t>(m_startAddress + units, PanelState::MemoryUnits));
    for (int n = m_message; n <= PanelState::MessageSlots; ++n)
        m_state.setWord(n, end);
    m_lastEnd = end;
    Outcome outcome{valueReply(command, word(command, end)), false, true};
    outcome.messageEnded = m_message;
    return outcome;
}

// Playing answers with the start address of the message played: message 1 starts at 0, message
// m + 1 where word m of the address table says message m ended.
PanelEngine::Outcome PanelEngine::play(const std::string &command)
{
    int message = 0;
    if (command == "+I") {
        message = m_playing % PanelState::MessageSlots + 1;
    } else {
        uint8_t number = 0;
        if (command.size() != 4 || !parseHex(command.substr(2), &number, 1) ||
            number >= PanelState::MessageSlots)
            return error();
        message = number + 1;
    }
    m_playing = message;
    const uint16_t start = message == 1 ? 0 : m_state.word(message - 1);
    return {valueReply(command, word(command, start))};
}

} // namespace orvanta::sim
