#include "PanelState.h"

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

namespace orvanta::sim {

std::string hexText(const uint8_t *bytes, size_t count, bool upperCase)
{
    static const char upper[] = "0123456789ABCDEF";
    static const char lower[] = "0123456789abcdef";
    const char *digits = upperCase ? upper : lower;
    std::string text;
    text.reserve(count * 2);
    for (size_t i = 0; i < count; ++i) {
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 15];
    }
    return text;
}

static int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool parseHex(const std::string &text, uint8_t *bytes, size_t count)
{
    if (text.size() != count * 2)
        return false;
    for (size_t i = 0; i < count; ++i) {
        const int high = hexDigit(text[2 * i]), low = hexDigit(text[2 * i + 1]);
        if (high < 0 || low < 0)
            return false;
        bytes[i] = uint8_t(high << 4 | low);
    }
    return true;
}

template <size_t N> static std::string hex(const std::array<uint8_t, N> &bytes)
{
    return hexText(bytes.data(), N, true);
}

void PanelState::save(const std::string &path) const
{
    std::ostringstream out;
    out << "version=" << version << "\n";
    out << "password=" << password << "\n";
    for (size_t i = 0; i < keys.size(); ++i)
        out << "key" << i + 1 << "=" << hex(keys[i]) << "\n";
    out << "reader=" << (readerKey ? hex(*readerKey) : "") << "\n";
    out << "loops=" << hex(loopRecord) << "\n";
    for (size_t i = 0; i < relayRules.size(); ++i)
        out << "relay" << i + 1 << "=" << hex(relayRules[i]) << "\n";
    out << "times=" << hex(relayTimes) << "\n";
    out << "memory=" << hex(memory) << "\n";

    // Written beside the target and renamed over it, so a crash never leaves half a state.
    const std::string temporary = path + ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << out.str();
        file.flush();
        if (!file)
            throw std::runtime_error("cannot write the panel state to " + temporary);
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0)
        throw std::runtime_error("cannot replace the panel state file " + path);
}

PanelState PanelState::load(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot read the panel state file " + path);
    std::map<std::string, std::string> values;
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const auto equals = line.find('=');
        if (equals != std::string::npos)
            values[line.substr(0, equals)] = line.substr(equals + 1);
    }

    PanelState state;
    const auto bytes = [&](const std::string &name, uint8_t *target, size_t count) {
        const auto found = values.find(name);
        if (found != values.end() && !parseHex(found->second, target, count))
            throw std::runtime_error("bad value for " + name + " in " + path);
    };
    if (values.count("version"))
        state.version = values["version"];
    if (values.count("password"))
        state.password = values["password"];
    for (size_t i = 0; i < state.keys.size(); ++i)
        bytes("key" + std::to_string(i + 1), state.keys[i].data(), 8);
    if (!values["reader"].empty()) {
        state.readerKey.emplace();
        bytes("reader", state.readerKey->data(), 8);
    }
    bytes("loops", state.loopRecord.data(), state.loopRecord.size());
    for (size_t i = 0; i < state.relayRules.size(); ++i)
        bytes("relay" + std::to_string(i + 1), state.relayRules[i].data(), 4);
    bytes("times", state.relayTimes.data(), state.relayTimes.size());
    bytes("memory", state.memory.data(), state.memory.size());
    return state;
}

} // namespace orvanta::sim
