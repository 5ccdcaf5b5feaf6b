#pragma once

#include "DeviceControlBlock.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <sys/types.h>
#include <vector>

namespace orvanta {

// One serial device through POSIX calls: exclusive open, line setup from a device control block,
// queue counts, non-blocking transfers and waits in poll(2). Failures return false or -1 and leave
// errno set; the component decides which of them are errors.
class PosixSerialPort
{
public:
    PosixSerialPort() = default;
    ~PosixSerialPort();
    PosixSerialPort(const PosixSerialPort &) = delete;
    PosixSerialPort &operator=(const PosixSerialPort &) = delete;

    // Opens the device for exclusive use. A device another program holds is refused (EBUSY).
    bool open(const std::string &path);
    void close();
    bool isOpen() const { return m_fd >= 0; }

    bool setState(const DCB &dcb);
    // The block last applied, with speed and data format as the driver reports them now.
    bool getState(DCB &dcb) const;

    // Queue sizes are a request to the driver; the tty layer has fixed queues, so the sizes are
    // only remembered and reported back.
    bool setQueueSizes(uint32_t inputSize, uint32_t outputSize);
    void queueSizes(uint32_t &inputSize, uint32_t &outputSize) const;
    // Discards whatever waits in both directions.
    void purge();

    bool setTimeouts(const CommTimeouts &timeouts);
    bool getTimeouts(CommTimeouts &timeouts) const;

    // Bytes waiting to be read and waiting to be sent; false when the driver cannot tell.
    bool queueCounts(uint32_t &input, uint32_t &output) const;

    // Moves what can be moved now: the count moved (0 when the device would block), or -1.
    // A read that finds the line hung up fails with EIO.
    ssize_t writeSome(const uint8_t *data, size_t count);
    ssize_t readSome(uint8_t *data, size_t count);

    enum class Wait { Ready, TimedOut, HungUp };
    Wait waitReadable(int milliseconds) const;
    Wait waitWritable(int milliseconds) const;

    int descriptor() const { return m_fd; }

private:
    Wait waitFor(short events, int milliseconds) const;
    bool applyModemLines(const DCB &dcb);

    int m_fd = -1;
    DCB m_state;
    CommTimeouts m_timeouts;
    uint32_t m_inputSize = 0;
    uint32_t m_outputSize = 0;
    bool m_discardNull = false;
    std::vector<uint8_t> m_scratch;
};

// Sleeps up to the given time without a device to wait for.
void napMilliseconds(int milliseconds);

} // namespace orvanta
