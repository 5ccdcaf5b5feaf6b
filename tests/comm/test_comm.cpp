#include "PtyPair.h"
#include "comm/XComDrv.h"
#include "link/PanelPort.h"

#include <gtest/gtest.h>

#include <sys/file.h>
#include <termios.h>
#include <thread>

using namespace orvanta;
using orvanta::test::PtyPair;

namespace {

// A component set up as the panel's port, pointed at a pseudo-terminal.
struct PanelPortOnPty
{
    PtyPair pty;
    TXComm comm{"XComm1"};
    PanelPortOnPty()
    {
        ApplyPanelPortDefaults(comm);
        comm.SetDeviceName(pty.slavePath());
    }
};

template <typename Action> EDeviceError CatchDeviceError(Action action)
{
    try {
        action();
    } catch (const EDeviceError &error) {
        return error;
    }
    ADD_FAILURE() << "no EDeviceError raised";
    return EDeviceError("", 0);
}

} // namespace

// --- Settings of a closed component -----------------------------------------------------------

TEST(CommSettings, PanelPortBuildsTheExpectedControlBlock)
{
    TXComm comm;
    ApplyPanelPortDefaults(comm);
    const DCB dcb = comm.BuildDCB();
    EXPECT_EQ(dcb.DCBlength, 28u);
    EXPECT_EQ(dcb.BaudRate, 19200u);
    EXPECT_EQ(dcb.Flags, 0x0C93u);
    EXPECT_EQ(dcb.XonLim, 62);
    EXPECT_EQ(dcb.XoffLim, 62);
    EXPECT_EQ(dcb.ByteSize, 8);
    EXPECT_EQ(dcb.Parity, 0);
    EXPECT_EQ(dcb.StopBits, 0);
    EXPECT_EQ(dcb.XonChar, 0x11);
    EXPECT_EQ(dcb.XoffChar, 0x13);
    EXPECT_EQ(dcb.EvtChar, 0x0A);
    EXPECT_EQ(comm.DTRSettings(), TDTRSettings{fsDTREnabled});
    EXPECT_TRUE(comm.RTSSettings().empty());
}

TEST(CommSettings, ConstructorDefaults)
{
    TXComm comm;
    EXPECT_EQ(comm.BaudRate(), br9600);
    EXPECT_EQ(comm.BaudValue(), 9600u);
    EXPECT_EQ(comm.DeviceName(), "COM2");
    EXPECT_EQ(comm.Buffers().InputSize(), 2048);
    EXPECT_EQ(comm.Buffers().OutputTimeout(), 500);
    EXPECT_EQ(comm.Timeouts().ReadInterval(), 1u);
    EXPECT_EQ(comm.Timeouts().ReadMultiplier(), 0u);
    EXPECT_EQ(comm.MonitorEvents(), (TDeviceEvents{deChar, deFlag, deOutEmpty}));
    EXPECT_EQ(comm.BuildDCB().Flags, 0x0001u);
}

TEST(CommSettings, BaudValueFollowsTheRateChoice)
{
    TXComm comm;
    comm.SetBaudValue(12345); // ignored: the rate is a table entry
    EXPECT_EQ(comm.BaudValue(), 9600u);
    comm.SetBaudRate(br115200);
    EXPECT_EQ(comm.BaudValue(), 115200u);
    comm.SetBaudRate(brCustom); // keeps the number
    EXPECT_EQ(comm.BaudValue(), 115200u);
    comm.SetBaudValue(12345);
    EXPECT_EQ(comm.BaudValue(), 12345u);
    EXPECT_EQ(comm.BaudRate(), brCustom);
}

TEST(CommSettings, QueueSizesAreClamped)
{
    TXComm comm;
    comm.Buffers().SetInputSize(50);
    EXPECT_EQ(comm.Buffers().InputSize(), 128);
    comm.Buffers().SetInputSize(10000);
    EXPECT_EQ(comm.Buffers().InputSize(), 4096);
    comm.Buffers().SetOutputSize(0);
    EXPECT_EQ(comm.Buffers().OutputSize(), 128);
    comm.Buffers().SetInputSize(1000);
    EXPECT_EQ(comm.BuildDCB().XonLim, 250);
}

TEST(CommSettings, LineSetsAcceptWritesOnlyUnderCustomFlowControl)
{
    TXComm comm;
    comm.SetRTSSettings({fsRTSEnabled});
    comm.SetXOnXOffSettings({fsInX});
    comm.SetDTRSettings({fsDTREnabled});
    EXPECT_TRUE(comm.RTSSettings().empty());
    EXPECT_TRUE(comm.XOnXOffSettings().empty());
    EXPECT_TRUE(comm.DTRSettings().empty());

    comm.SetFlowControl(fcCustom);
    comm.SetRTSSettings({fsRTSEnabled});
    EXPECT_EQ(comm.RTSSettings(), TRTSSettings{fsRTSEnabled});
    EXPECT_EQ(DCBFlag::rtsControl(comm.BuildDCB().Flags), 1u);
}

TEST(CommSettings, FlowControlPresets)
{
    TXComm comm;
    comm.SetFlowControl(fcRtsCts);
    EXPECT_EQ(comm.RTSSettings(), (TRTSSettings{fsCTSOut, fsRTSHandshake}));
    EXPECT_EQ(comm.DTRSettings(), TDTRSettings{fsDTREnabled});
    comm.SetFlowControl(fcDtrDsr);
    EXPECT_EQ(comm.RTSSettings(), TRTSSettings{fsRTSEnabled});
    EXPECT_EQ(comm.DTRSettings(), (TDTRSettings{fsDSROut, fsDTREnabled}));
    comm.SetFlowControl(fcSoftware);
    EXPECT_EQ(comm.XOnXOffSettings(), (TXOnXOffSettings{fsInX, fsOutX}));
    EXPECT_EQ(comm.BuildDCB().Flags & (DCBFlag::fOutX | DCBFlag::fInX),
              DCBFlag::fOutX | DCBFlag::fInX);
    comm.SetFlowControl(fcCustom); // keeps the sets
    EXPECT_EQ(comm.XOnXOffSettings(), (TXOnXOffSettings{fsInX, fsOutX}));
    comm.SetOptions({coAbortOnError}); // options change while closed under fcCustom
    EXPECT_TRUE(comm.XOnXOffSettings().empty());
    EXPECT_EQ(comm.DTRSettings(), TDTRSettings{fsDTREnabled});
}

TEST(CommSettings, DtrRequestsAreAdjusted)
{
    TXComm comm;
    comm.SetFlowControl(fcCustom);
    comm.SetDTRSettings({fsDTREnabled});
    comm.SetDTRSettings({fsDTREnabled, fsDTRHandshake}); // the newly asked mode wins
    EXPECT_EQ(comm.DTRSettings(), TDTRSettings{fsDTRHandshake});
    comm.SetDTRSettings({fsDTREnabled, fsDTRHandshake});
    EXPECT_EQ(comm.DTRSettings(), TDTRSettings{fsDTREnabled});

    comm.SetOptions({coLeaveDTROpen});
    comm.SetDTRSettings({fsDTRHandshake, fsDSROut});
    EXPECT_EQ(comm.DTRSettings(), (TDTRSettings{fsDTREnabled, fsDSROut}));
}

TEST(CommSettings, DeviceNamesMapToPaths)
{
    EXPECT_EQ(DefaultDevicePath("COM1"), "/dev/ttyS0");
    EXPECT_EQ(DefaultDevicePath("com8"), "/dev/ttyS7");
    EXPECT_EQ(DefaultDevicePath("/dev/pts/3"), "/dev/pts/3");
    EXPECT_EQ(DefaultDevicePath("ttyUSB0"), "/dev/ttyUSB0");
    EXPECT_EQ(DefaultDevicePath("COM0"), "/dev/COM0");
    // A number beyond any counter is no port: it fails to open like any missing device.
    EXPECT_EQ(DefaultDevicePath("COM99999999999999999999"), "/dev/COM99999999999999999999");
    TXComm comm;
    comm.SetDeviceName("COM99999999999999999999");
    const EDeviceError error = CatchDeviceError([&] { comm.OpenDevice(); });
    EXPECT_EQ(error.ErrorCode, 65535);
    EXPECT_STREQ(error.what(), "Cannot open device COM99999999999999999999");
}

// --- Opening and closing ------------------------------------------------------------------------

TEST(CommOpen, MissingPortRaisesWithItsName)
{
    TXComm comm;
    comm.SetDeviceName("COM9");
    comm.SetDeviceResolver([](const std::string &) { return "/nonexistent/ttyS8"; });
    const EDeviceError error = CatchDeviceError([&] { comm.OpenDevice(); });
    EXPECT_EQ(error.ErrorCode, 65535);
    EXPECT_STREQ(error.what(), "Cannot open device COM9");
    EXPECT_FALSE(comm.IsOpened());
}

TEST(CommOpen, OpenTwiceAndCloseWhileClosedRaise)
{
    PanelPortOnPty port;
    EXPECT_EQ(CatchDeviceError([&] { port.comm.CloseDevice(); }).ErrorCode, 1);
    ASSERT_TRUE(port.comm.OpenDevice());
    const EDeviceError error = CatchDeviceError([&] { port.comm.OpenDevice(); });
    EXPECT_EQ(error.ErrorCode, 2);
    EXPECT_STREQ(error.what(), "Device is allready opened.");
    EXPECT_TRUE(port.comm.IsOpened());
    port.comm.CloseDevice();
    EXPECT_FALSE(port.comm.IsOpened());
    EXPECT_TRUE(port.comm.OpenDevice()); // settings survive a close
    EXPECT_EQ(port.comm.BaudValue(), 19200u);
}

TEST(CommOpen, PortHeldByAnotherOpenIsRefused)
{
    PanelPortOnPty port;
    ASSERT_TRUE(port.comm.OpenDevice());
    TXComm second;
    second.SetDeviceName(port.pty.slavePath());
    EXPECT_EQ(CatchDeviceError([&] { second.OpenDevice(); }).ErrorCode, 65535);
    EXPECT_FALSE(second.IsOpened());
    port.comm.CloseDevice();
    EXPECT_TRUE(second.OpenDevice()); // free again once the first closed it
}

TEST(CommOpen, LineIsRawAt19200EightNoneOne)
{
    PanelPortOnPty port;
    ASSERT_TRUE(port.comm.OpenDevice());
    termios t{};
    ASSERT_EQ(::tcgetattr(port.pty.slave(), &t), 0);
    EXPECT_EQ(::cfgetospeed(&t), speed_t(B19200));
    EXPECT_EQ(t.c_cflag & CSIZE, tcflag_t(CS8));
    EXPECT_EQ(t.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_NE(t.c_cflag & CLOCAL, 0u);
    EXPECT_NE(t.c_iflag & INPCK, 0u);
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF | ICRNL | IGNPAR | PARMRK), 0u);
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);
}

TEST(CommOpen, SettingsWhileOpenReachTheDriver)
{
    PanelPortOnPty port;
    ASSERT_TRUE(port.comm.OpenDevice());
    const std::string path = port.pty.slavePath();
    port.comm.SetDeviceName("COM3"); // ignored while open
    EXPECT_EQ(port.comm.DeviceName(), path);

    port.comm.SetBaudRate(br57600);
    port.comm.DataControl().SetStopBits(sb2);
    termios t{};
    ASSERT_EQ(::tcgetattr(port.pty.slave(), &t), 0);
    EXPECT_EQ(::cfgetospeed(&t), speed_t(B57600));
    EXPECT_NE(t.c_cflag & CSTOPB, 0u);
    EXPECT_EQ(port.comm.DataControl().StopBits(), sb2);

    // A pseudo-terminal has no parity; what the driver keeps is what reads back.
    port.comm.DataControl().SetParity(paEven);
    EXPECT_EQ(port.comm.DataControl().Parity(), paNone);

    // The driver's view wins while open: a rate set behind the component's back shows through.
    ::cfsetspeed(&t, B9600);
    ASSERT_EQ(::tcsetattr(port.pty.slave(), TCSANOW, &t), 0);
    EXPECT_EQ(port.comm.BaudRate(), br9600);
    EXPECT_EQ(port.comm.BaudValue(), 9600u);

    // Options keep the DTR bit while open.
    port.comm.SetOptions({coParityCheck});
    EXPECT_TRUE(port.comm.Options().has(coLeaveDTROpen));
    EXPECT_FALSE(port.comm.Options().has(coDiscardNull));
}

TEST(CommOpen, PathThatIsNoTerminalIsNotOpened)
{
    TXComm comm;
    comm.SetDeviceName("/dev/null");
    const EDeviceError error = CatchDeviceError([&] { comm.OpenDevice(); });
    EXPECT_EQ(error.ErrorCode, 65535);
    EXPECT_STREQ(error.what(), "Cannot open device /dev/null: it is no serial port");
    EXPECT_FALSE(comm.IsOpened());
}

TEST(CommOpen, LockCounting)
{
    PanelPortOnPty port;
    EXPECT_FALSE(port.comm.LockDevice(true)); // closed: counts nothing
    EXPECT_EQ(port.comm.LockCount(), 0);
    EXPECT_EQ(port.comm.GetLockState(), (TLockState{ldSend, ldRead}));
    ASSERT_TRUE(port.comm.OpenDevice());
    EXPECT_TRUE(port.comm.GetLockState().empty());
    EXPECT_TRUE(port.comm.LockDevice(false));
    EXPECT_EQ(port.comm.LockCount(), 0);
    port.comm.LockDevice(true);
    port.comm.LockDevice(true);
    EXPECT_EQ(port.comm.LockCount(), 2);
    port.comm.LockDevice(false);
    EXPECT_EQ(port.comm.LockCount(), 1);
    port.comm.CloseDevice();
    EXPECT_EQ(port.comm.LockCount(), 0);
}

// --- Transfers
// ------------------------------------------------------------------------------------

TEST(CommTransfer, CountZeroAndClosedPort)
{
    PanelPortOnPty port;
    char buffer[8];
    EXPECT_EQ(CatchDeviceError([&] { port.comm.ReadData(buffer, 0, 10); }).ErrorCode, 1);
    EXPECT_EQ(CatchDeviceError([&] { port.comm.WriteData(buffer, 0, 10); }).ErrorCode, 1);
    EXPECT_EQ(CatchDeviceError([&] { port.comm.GetQueueCount(0); }).ErrorCode, 1);
    ASSERT_TRUE(port.comm.OpenDevice());
    EXPECT_EQ(port.comm.ReadData(buffer, 0, 10), 0u);
    EXPECT_EQ(port.comm.WriteData(buffer, 0, 10), 0u);
    EXPECT_TRUE(port.comm.WriteString(""));
    EXPECT_EQ(port.comm.GetQueueCount(7), 0u);
}

TEST(CommTransfer, ReadWithNothingArrivingEndsJustAfterTheTimeout)
{
    PanelPortOnPty port;
    ASSERT_TRUE(port.comm.OpenDevice());
    char buffer[16];
    const uint32_t start = TCustomComm::GetTicks();
    EXPECT_EQ(port.comm.ReadData(buffer, sizeof buffer, 100), 0u);
    const uint32_t elapsed = TCustomComm::GetTicks() - start;
    EXPECT_GT(elapsed, 100u);
    EXPECT_LT(elapsed, 1000u); // generous: only catches a read that never ends
}

// A clock that stands at the time-out when the read looks at it, and has passed it by 5 ms when
// the read works out how long to wait: a stalled machine between the two looks.
uint32_t stallingClockCalls = 0;
uint32_t StallingClock()
{
    const uint32_t readings[] = {1000, 1100, 1105};
    return stallingClockCalls < 3 ? readings[stallingClockCalls++] : 1200;
}

TEST(CommTransfer, ClockPassingTheTimeoutBetweenTwoLooksEndsTheRead)
{
    PanelPortOnPty port;
    ASSERT_TRUE(port.comm.OpenDevice());
    TCustomComm::SetTickClock(StallingClock);
    char buffer[4];
    const auto start = std::chrono::steady_clock::now();
    const uint32_t got = port.comm.ReadData(buffer, sizeof buffer, 100);
    const auto waited = std::chrono::steady_clock::now() - start;
    TCustomComm::SetTickClock(nullptr);
    EXPECT_EQ(got, 0u);
    EXPECT_LT(waited, std::chrono::seconds(30)); // a wrapped wait would last a minute
}

TEST(CommTransfer, ReadGoesOnPastTheTimeoutWhileBytesAreWaiting)
{
    PanelPortOnPty port;
    ASSERT_TRUE(port.comm.OpenDevice());
    // A slow reader whose peer has sent the next bytes well before it looks again.
    int sent = 1;
    port.pty.send("ab");
    port.comm.OnRead = [&](TCustomComm &) {
        if (sent++ < 10)
            port.pty.send("ab");
        std::this_thread::sleep_for(std::chrono::milliseconds(15));
    };
    char buffer[20];
    const uint32_t start = TCustomComm::GetTicks();
    const uint32_t got = port.comm.ReadData(buffer, sizeof buffer, 20);
    EXPECT_EQ(got, 20u);
    EXPECT_GT(TCustomComm::GetTicks() - start, 20u);
    EXPECT_EQ(std::string(buffer, 20), "abababababababababab");
}

TEST(CommTransfer, ReadEndsAtTheFirstEmptyLookAfterTheTimeout)
{
    PanelPortOnPty port;
    ASSERT_TRUE(port.comm.OpenDevice());
    port.pty.send("ab");
    char buffer[4];
    EXPECT_EQ(port.comm.ReadData(buffer, sizeof buffer, 50), 2u);
    port.pty.send("cd");                                          // after that read has ended
    EXPECT_EQ(port.comm.ReadData(buffer, sizeof buffer, 50), 2u); // the late bytes stay queued
    EXPECT_EQ(std::string(buffer, 2), "cd");
}

TEST(CommTransfer, WritesReachThePeerAndNulBytesAreDiscarded)
{
    PanelPortOnPty port;
    ASSERT_TRUE(port.comm.OpenDevice());
    EXPECT_TRUE(port.comm.WriteString("+v\r"));
    EXPECT_EQ(port.pty.receive(3, 1000), "+v\r");

    port.pty.send(std::string("O\0K\r\n", 5));
    char buffer[8] = {};
    EXPECT_EQ(port.comm.ReadData(buffer, 4, 200), 4u);
    EXPECT_EQ(std::string(buffer, 4), "OK\r\n");

    // The buffer past the bytes kept stays as it was.
    char marked[4] = {'x', 'x', 'x', 'x'};
    port.pty.send(std::string("A\0\0\0", 4));
    EXPECT_EQ(port.comm.ReadData(marked, 4, 50), 1u);
    EXPECT_EQ(std::string(marked, 4), "Axxx");
}

TEST(CommTransfer, CallbacksRunWithTheirDirectionBusy)
{
    PanelPortOnPty port;
    ASSERT_TRUE(port.comm.OpenDevice());
    TLockState duringSend, duringRead;
    int sends = 0;
    port.comm.OnSend = [&](TCustomComm &c) {
        ++sends;
        duringSend = c.GetLockState();
    };
    port.comm.OnRead = [&](TCustomComm &c) {
        duringRead = c.GetLockState();
        // A read from inside the callback is refused while the read is in progress.
        char b;
        c.ReadData(&b, 1, 0);
    };
    port.comm.WriteString("x");
    EXPECT_EQ(sends, 1);
    EXPECT_EQ(duringSend, TLockState{ldSend});

    port.pty.send("y");
    char buffer[1];
    EXPECT_EQ(CatchDeviceError([&] { port.comm.ReadData(buffer, 1, 200); }).ErrorCode, 5);
    EXPECT_EQ(duringRead, TLockState{ldRead});
    EXPECT_TRUE(port.comm.GetLockState().empty()); // cleared although the callback raised
}

// --- A device that goes away ---------------------------------------------------------------------

TEST(CommUnplug, ReadRaisesAndThePortStillCloses)
{
    PanelPortOnPty port;
    ASSERT_TRUE(port.comm.OpenDevice());
    std::thread unplug([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        port.pty.hangUp();
    });
    char buffer[16];
    const EDeviceError error =
        CatchDeviceError([&] { port.comm.ReadData(buffer, sizeof buffer, 5000); });
    unplug.join();
    EXPECT_EQ(error.ErrorCode, 10);
    EXPECT_STREQ(error.what(), "Unable to read from port. (error 5: Input/output error)");
    EXPECT_TRUE(port.comm.IsOpened());
    port.comm.CloseDevice();
    EXPECT_FALSE(port.comm.IsOpened());
}

TEST(CommUnplug, WriteRaises)
{
    PanelPortOnPty port;
    ASSERT_TRUE(port.comm.OpenDevice());
    port.pty.hangUp();
    const EDeviceError error = CatchDeviceError([&] { port.comm.WriteString("+v\r"); });
    EXPECT_EQ(error.ErrorCode, 11);
    EXPECT_STREQ(error.what(), "Unable to write to port. (error 5: Input/output error)");
    port.comm.CloseDevice();
}
