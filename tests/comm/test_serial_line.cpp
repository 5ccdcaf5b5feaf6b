// The line settings a port gives its device, over a pseudo-terminal: each reaches the terminal's
// own settings and reads back as given; one the line cannot have is refused and changes nothing.
// A pseudo-terminal keeps eight bits without parity whatever it is given, so those are asked for
// (and must be taken) but not read back.
#include "PtyPair.h"
#include "comm/PosixSerialPort.h"

#include <gtest/gtest.h>

#include <asm/termbits.h>
#include <cerrno>
#include <sys/ioctl.h>

using namespace orvanta;

namespace {

termios2 TerminalSettings(int fd)
{
    termios2 t{};
    EXPECT_EQ(::ioctl(fd, TCGETS2, &t), 0);
    return t;
}

DCB Line(uint32_t baud, uint8_t bits, uint8_t parity, uint8_t stopBits, uint32_t flags = 0)
{
    DCB dcb;
    dcb.BaudRate = baud;
    dcb.ByteSize = bits;
    dcb.Parity = parity;
    dcb.StopBits = stopBits;
    dcb.Flags = flags;
    return dcb;
}

} // namespace

TEST(CommLine, SettingsReachTheTerminalAndReadBack)
{
    const struct
    {
        DCB line;
        tcflag_t stop, flow; // the terminal's c_cflag bits
        tcflag_t input;      // and c_iflag's
    } cases[] = {
        {Line(9600, 8, DCBParity::None, DCBStopBits::One), 0, 0, 0},
        {Line(1200, 7, DCBParity::Even, DCBStopBits::Two), CSTOPB, 0, 0},
        {Line(19200, 6, DCBParity::Odd, DCBStopBits::One, DCBFlag::fParity), 0, 0, INPCK},
        {Line(115200, 5, DCBParity::Mark, DCBStopBits::One), 0, 0, 0},
        {Line(921600, 8, DCBParity::Space, DCBStopBits::One, DCBFlag::fOutxCtsFlow), 0, CRTSCTS, 0},
        {Line(4800, 8, DCBParity::None, DCBStopBits::One, DCBFlag::fOutX | DCBFlag::fInX), 0, 0,
         IXON | IXOFF},
        // A rate outside the standard list is given as it is.
        {Line(250000, 8, DCBParity::None, DCBStopBits::One), 0, 0, 0},
    };
    test::PtyPair pty;
    PosixSerialPort port;
    ASSERT_TRUE(port.open(pty.slavePath()));
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.line.BaudRate << " baud, " << int(c.line.ByteSize)
                                        << " bits, parity " << int(c.line.Parity));
        ASSERT_TRUE(port.setState(c.line));
        const termios2 t = TerminalSettings(port.descriptor());
        EXPECT_EQ(t.c_cflag & CSTOPB, c.stop);
        EXPECT_EQ(t.c_cflag & CRTSCTS, c.flow);
        EXPECT_EQ(t.c_iflag & (INPCK | IXON | IXOFF), c.input);
        EXPECT_EQ(t.c_lflag & (ECHO | ICANON | ISIG), 0u); // raw, whatever else is asked
        EXPECT_EQ(t.c_ospeed, c.line.BaudRate);
        DCB read;
        ASSERT_TRUE(port.getState(read));
        EXPECT_EQ(read.BaudRate, c.line.BaudRate);
        EXPECT_EQ(read.StopBits, c.line.StopBits);
    }

    // Settings no line has are refused; the line keeps the last good ones.
    const DCB refused[] = {
        Line(0, 8, DCBParity::None, DCBStopBits::One),
        Line(9600, 4, DCBParity::None, DCBStopBits::One),
        Line(9600, 9, DCBParity::None, DCBStopBits::One),
        Line(9600, 8, 5, DCBStopBits::One),
        Line(9600, 8, DCBParity::None, 3),
    };
    for (const DCB &line : refused) {
        errno = 0;
        EXPECT_FALSE(port.setState(line));
        EXPECT_EQ(errno, EINVAL);
        DCB read;
        ASSERT_TRUE(port.getState(read));
        EXPECT_EQ(read.BaudRate, 250000u);
        EXPECT_EQ(read.ByteSize, 8);
    }

    // A closed port has no settings to give or read.
    port.close();
    DCB read;
    EXPECT_FALSE(port.getState(read));
    uint32_t in = 0, out = 0;
    EXPECT_FALSE(port.queueCounts(in, out));
    EXPECT_FALSE(port.setQueueSizes(4096, 4096));
    EXPECT_EQ(errno, EBADF);
}
