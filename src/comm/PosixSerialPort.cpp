#include "PosixSerialPort.h"

// The kernel's termios2 carries any bit rate (BOTHER); the C library's termios.h would clash with
// it, so this file speaks to the tty layer through the kernel headers alone.
#include <asm/termbits.h>
#include <sys/ioctl.h>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <unistd.h>

namespace orvanta {

PosixSerialPort::~PosixSerialPort()
{
    close();
}

bool PosixSerialPort::open(const std::string &path)
{
    close();
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    // Only a terminal is a serial line: anything else (a user's file named by mistake) is left
    // before a byte is written to it.
    if (!::isatty(fd)) {
        ::close(fd);
        errno = ENOTTY;
        return false;
    }
    // flock stops every other program, root included; TIOCEXCL also stops plain opens that do
    // not ask for the lock.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno == EWOULDBLOCK ? EBUSY : errno;
        ::close(fd);
        errno = error;
        return false;
    }
    ::ioctl(fd, TIOCEXCL);
    m_fd = fd;
    m_state = DCB{};
    m_timeouts = CommTimeouts{};
    m_discardNull = false;
    return true;
}

void PosixSerialPort::close()
{
    if (m_fd < 0)
        return;
    ::ioctl(m_fd, TIOCNXCL);
    ::close(m_fd);
    m_fd = -1;
}

// Rates with a classic speed code are set with it, so that every program reading the line with
// the C library's termios sees the rate; any other rate goes as a number (BOTHER).
static tcflag_t speedCode(uint32_t baud)
{
    static constexpr struct
    {
        uint32_t baud;
        tcflag_t code;
    } codes[] = {{50, B50},         {75, B75},         {110, B110},       {134, B134},
                 {150, B150},       {200, B200},       {300, B300},       {600, B600},
                 {1200, B1200},     {1800, B1800},     {2400, B2400},     {4800, B4800},
                 {9600, B9600},     {19200, B19200},   {38400, B38400},   {57600, B57600},
                 {115200, B115200}, {230400, B230400}, {460800, B460800}, {921600, B921600}};
    for (const auto &entry : codes)
        if (entry.baud == baud)
            return entry.code;
    return BOTHER;
}

static bool characterSize(uint8_t byteSize, tcflag_t &flag)
{
    switch (byteSize) {
    case 5:
        flag = CS5;
        return true;
    case 6:
        flag = CS6;
        return true;
    case 7:
        flag = CS7;
        return true;
    case 8:
        flag = CS8;
        return true;
    default:
        return false;
    }
}

static bool parityFlags(uint8_t parity, tcflag_t &flags)
{
    switch (parity) {
    case DCBParity::None:
        flags = 0;
        return true;
    case DCBParity::Odd:
        flags = PARENB | PARODD;
        return true;
    case DCBParity::Even:
        flags = PARENB;
        return true;
    case DCBParity::Mark:
        flags = PARENB | CMSPAR | PARODD;
        return true;
    case DCBParity::Space:
        flags = PARENB | CMSPAR;
        return true;
    default:
        return false;
    }
}

bool PosixSerialPort::setState(const DCB &dcb)
{
    tcflag_t size = 0, parity = 0;
    if (dcb.BaudRate == 0 || !characterSize(dcb.ByteSize, size) ||
        !parityFlags(dcb.Parity, parity) || dcb.StopBits > DCBStopBits::Two) {
        errno = EINVAL;
        return false;
    }
    termios2 t{};
    if (::ioctl(m_fd, TCGETS2, &t) != 0)
        return false;

    // Raw line: no echo, no line editing, no character translation, reads never block.
    t.c_iflag &= ~tcflag_t(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON |
                           IXOFF | IXANY | INPCK | IGNPAR | IUCLC | IMAXBEL);
    t.c_oflag &= ~tcflag_t(OPOST);
    t.c_lflag &= ~tcflag_t(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    t.c_cflag &= ~tcflag_t(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS | CBAUD | CIBAUD);
    const tcflag_t speed = speedCode(dcb.BaudRate);
    t.c_cflag |= size | parity | CLOCAL | CREAD | speed | (speed << IBSHIFT);
    if (dcb.StopBits != DCBStopBits::One)
        t.c_cflag |= CSTOPB;
    // Parity checking without IGNPAR and PARMRK makes a byte with a parity error read as 0x00.
    if (dcb.Flags & DCBFlag::fParity)
        t.c_iflag |= INPCK;
    if (dcb.Flags & DCBFlag::fOutX)
        t.c_iflag |= IXON;
    if (dcb.Flags & DCBFlag::fInX)
        t.c_iflag |= IXOFF;
    if ((dcb.Flags & DCBFlag::fOutxCtsFlow) ||
        DCBFlag::rtsControl(dcb.Flags) & DCBFlag::ControlHandshake)
        t.c_cflag |= CRTSCTS;
    t.c_ispeed = t.c_ospeed = dcb.BaudRate;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    t.c_cc[VSTART] = dcb.XonChar;
    t.c_cc[VSTOP] = dcb.XoffChar;
    if (::ioctl(m_fd, TCSETS2, &t) != 0)
        return false;
    if (!applyModemLines(dcb))
        return false;
    m_state = dcb;
    m_discardNull = (dcb.Flags & DCBFlag::fNull) != 0;
    return true;
}

bool PosixSerialPort::applyModemLines(const DCB &dcb)
{
    const auto setLine = [this](int line, bool on) {
        if (::ioctl(m_fd, on ? TIOCMBIS : TIOCMBIC, &line) == 0)
            return true;
        // Pseudo-terminals and some adapters have no modem lines.
        return errno == ENOTTY || errno == EINVAL;
    };
    const bool dtr = DCBFlag::dtrControl(dcb.Flags) != 0;
    const bool rts = DCBFlag::rtsControl(dcb.Flags) != 0;
    return setLine(TIOCM_DTR, dtr) && setLine(TIOCM_RTS, rts);
}

bool PosixSerialPort::getState(DCB &dcb) const
{
    termios2 t{};
    if (m_fd < 0 || ::ioctl(m_fd, TCGETS2, &t) != 0)
        return false;
    dcb = m_state;
    dcb.BaudRate = t.c_ospeed;
    switch (t.c_cflag & CSIZE) {
    case CS5:
        dcb.ByteSize = 5;
        break;
    case CS6:
        dcb.ByteSize = 6;
        break;
    case CS7:
        dcb.ByteSize = 7;
        break;
    default:
        dcb.ByteSize = 8;
        break;
    }
    if (!(t.c_cflag & PARENB))
        dcb.Parity = DCBParity::None;
    else if (t.c_cflag & CMSPAR)
        dcb.Parity = (t.c_cflag & PARODD) ? DCBParity::Mark : DCBParity::Space;
    else
        dcb.Parity = (t.c_cflag & PARODD) ? DCBParity::Odd : DCBParity::Even;
    if (!(t.c_cflag & CSTOPB))
        dcb.StopBits = DCBStopBits::One;
    else if (m_state.StopBits == DCBStopBits::One)
        dcb.StopBits = DCBStopBits::Two;
    return true;
}

bool PosixSerialPort::setQueueSizes(uint32_t inputSize, uint32_t outputSize)
{
    if (m_fd < 0) {
        errno = EBADF;
        return false;
    }
    m_inputSize = inputSize;
    m_outputSize = outputSize;
    return true;
}

void PosixSerialPort::queueSizes(uint32_t &inputSize, uint32_t &outputSize) const
{
    inputSize = m_inputSize;
    outputSize = m_outputSize;
}

void PosixSerialPort::purge()
{
    if (m_fd >= 0)
        ::ioctl(m_fd, TCFLSH, TCIOFLUSH);
}

bool PosixSerialPort::setTimeouts(const CommTimeouts &timeouts)
{
    if (m_fd < 0) {
        errno = EBADF;
        return false;
    }
    m_timeouts = timeouts;
    return true;
}

bool PosixSerialPort::getTimeouts(CommTimeouts &timeouts) const
{
    if (m_fd < 0)
        return false;
    timeouts = m_timeouts;
    return true;
}

bool PosixSerialPort::queueCounts(uint32_t &input, uint32_t &output) const
{
    int in = 0, out = 0;
    if (m_fd < 0 || ::ioctl(m_fd, TIOCINQ, &in) != 0 || ::ioctl(m_fd, TIOCOUTQ, &out) != 0)
        return false;
    input = uint32_t(std::max(in, 0));
    output = uint32_t(std::max(out, 0));
    return true;
}

ssize_t PosixSerialPort::writeSome(const uint8_t *data, size_t count)
{
    const ssize_t written = ::write(m_fd, data, count);
    if (written >= 0)
        return written;
    return (errno == EAGAIN || errno == EINTR) ? 0 : -1;
}

ssize_t PosixSerialPort::readSome(uint8_t *data, size_t count)
{
    // With NUL bytes discarded the read goes through a scratch buffer: the caller's buffer past
    // the bytes kept must stay as it was.
    m_scratch.resize(m_discardNull ? count : 0);
    uint8_t *target = m_discardNull ? m_scratch.data() : data;
    const ssize_t got = ::read(m_fd, target, count);
    if (got == 0 && count > 0) {
        // A raw tty with nothing to read reports EAGAIN; end of file means the line hung up.
        errno = EIO;
        return -1;
    }
    if (got < 0)
        return (errno == EAGAIN || errno == EINTR) ? 0 : -1;
    if (!m_discardNull)
        return got;
    return std::remove_copy(target, target + got, data, uint8_t(0)) - data;
}

PosixSerialPort::Wait PosixSerialPort::waitFor(short events, int milliseconds) const
{
    pollfd p{m_fd, events, 0};
    const int ready = ::poll(&p, 1, std::max(milliseconds, 0));
    if (ready <= 0)
        return Wait::TimedOut;
    if (p.revents & (POLLHUP | POLLERR | POLLNVAL))
        return Wait::HungUp;
    return Wait::Ready;
}

PosixSerialPort::Wait PosixSerialPort::waitReadable(int milliseconds) const
{
    return waitFor(POLLIN, milliseconds);
}

PosixSerialPort::Wait PosixSerialPort::waitWritable(int milliseconds) const
{
    return waitFor(POLLOUT, milliseconds);
}

void napMilliseconds(int milliseconds)
{
    ::poll(nullptr, 0, std::max(milliseconds, 0));
}

} // namespace orvanta
