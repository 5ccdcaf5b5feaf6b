#pragma once

#include <string>
#include <string_view>

namespace orvanta::test {

// A pseudo-terminal pair: the program under test opens slavePath() as its serial device, the test
// plays the far end on the master side. The pair keeps its own slave descriptor open so that the
// master stays usable while the program closes and reopens the device.
class PtyPair
{
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair &) = delete;
    PtyPair &operator=(const PtyPair &) = delete;

    const std::string &slavePath() const { return m_slavePath; }
    int master() const { return m_master; }
    int slave() const { return m_slave; }

    void send(std::string_view bytes);
    // Whatever arrives until `count` bytes are in or `timeoutMs` have passed.
    std::string receive(size_t count, int timeoutMs);
    // Closes the master side: to the program the device looks unplugged.
    void hangUp();

private:
    int m_master = -1;
    int m_slave = -1;
    std::string m_slavePath;
};

} // namespace orvanta::test
