// The virtual panel on a real pseudo-terminal, driven through the serial component.
#include "PanelServer.h"
#include "WaitUntil.h"
#include "comm/XComDrv.h"
#include "link/PanelPort.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace orvanta;
using namespace orvanta::sim;

namespace {

struct PanelOnLine
{
    PanelServer panel;
    TXComm comm;

    explicit PanelOnLine(PanelFaults faults = {})
        : panel(PanelState{}, faults)
    {
        const std::string path = panel.openPseudoTerminal();
        panel.start();
        ApplyPanelPortDefaults(comm);
        comm.SetDeviceName(path);
        comm.OpenDevice();
    }

    // Sends a command and collects what arrives within the time given.
    std::string exchange(const std::string &command, uint32_t ms = 300)
    {
        comm.WriteString(command + "\r");
        return read(ms);
    }
    std::string read(uint32_t ms)
    {
        char buffer[1000];
        return std::string(buffer, comm.ReadData(buffer, sizeof buffer, ms));
    }
};

} // namespace

TEST(PanelOverTheLine, AnswersAndKeepsATranscript)
{
    PanelOnLine line;
    EXPECT_EQ(line.exchange("+v"), ">VER 03.07 ORVANTA GSM\r\nOK\r\n");
    EXPECT_EQ(line.exchange("+K0102040810"), "OK\r\n");
    EXPECT_EQ(line.exchange("+bogus"), "ERROR\r\n");
    // Line feeds and NUL bytes between commands are not part of any command.
    EXPECT_EQ(line.exchange(std::string("\n\0+K", 4)), ">0102040810\r\nOK\r\n");
    EXPECT_EQ(line.panel.commands(),
              (std::vector<std::string>{"+v", "+K0102040810", "+bogus", "+K"}));
    const auto transcript = line.panel.transcript();
    EXPECT_LE(transcript.front().ms, transcript.back().ms);
}

TEST(PanelOverTheLine, SplitReplyArrivesInPieces)
{
    PanelFaults faults;
    faults.splitOK = true;
    faults.chunkPauseMs = 300;
    PanelOnLine line(faults);
    line.comm.WriteString("+E00\r");
    EXPECT_EQ(line.read(100), ">FF\r\nO");
    EXPECT_EQ(line.read(500), "K\r\n");
}

TEST(PanelOverTheLine, SilentAndDelayedPanels)
{
    PanelFaults faults;
    faults.silent = true;
    PanelOnLine silent(faults);
    EXPECT_EQ(silent.exchange("+v", 200), "");
    EXPECT_EQ(silent.panel.commands().size(), 1u);

    faults = {};
    faults.delayMs = 250;
    faults.onlyCommand = "+Q";
    PanelOnLine slow(faults);
    EXPECT_EQ(slow.exchange("+Q", 100), "");
    EXPECT_EQ(slow.read(400), ">0102030405\r\nOK\r\n");
    EXPECT_EQ(slow.exchange("+v", 100), ">VER 03.07 ORVANTA GSM\r\nOK\r\n");
}

// Each reply of the commands the fault applies to comes once more, after the replies sent
// before it is due.
TEST(PanelOverTheLine, RepeatedRepliesComeAgainLater)
{
    PanelFaults faults;
    faults.onlyCommand = "+K";
    faults.repeatAfterMs = 100;
    PanelOnLine line(faults);
    const std::string version = ">VER 03.07 ORVANTA GSM\r\nOK\r\n", loops = ">0000000000\r\nOK\r\n";
    line.comm.WriteString("+K\r+v\r");
    const std::string expected = loops + version + loops;
    char buffer[100];
    // Read until that much came, or long past the repeat: no more than that is on its way.
    EXPECT_EQ(std::string(buffer, line.comm.ReadData(buffer, uint32_t(expected.size() + 1), 1000)),
              expected);
}

TEST(PanelOverTheLine, KeyCaptureWaitsForAKey)
{
    PanelOnLine line;
    line.comm.WriteString("+T00\r");
    // The key comes once the panel waits for it.
    test::WaitUntil([&] { return !line.panel.commands().empty(); });
    ASSERT_EQ(line.panel.commands(), std::vector<std::string>{"+T00"});
    line.panel.setReaderKey(std::array<uint8_t, 8>{1, 2, 3, 4, 5, 6, 7, 0xAB});
    EXPECT_EQ(line.read(1000), ">01020304050607AB\r\nOK\r\n");

    line.panel.setReaderKey(std::nullopt);
    line.panel.setKeyWaitMs(200);
    EXPECT_EQ(line.exchange("+T00", 500), ""); // no key came: no answer at all
}

TEST(PanelOverTheLine, HangUpLooksLikeAnUnpluggedAdapter)
{
    PanelFaults faults;
    faults.hangUpAfter = 1;
    PanelOnLine line(faults);
    EXPECT_EQ(line.exchange("+v", 100), ">VER 03.07 ORVANTA GSM\r\nOK\r\n");
    char buffer[16];
    EXPECT_THROW(line.comm.ReadData(buffer, sizeof buffer, 1000), EDeviceError);
    EXPECT_TRUE(line.panel.hungUp());
    EXPECT_THROW(line.comm.WriteString("+v\r"), EDeviceError);
    line.comm.CloseDevice();
}

TEST(PanelOverTheLine, StateAndTranscriptFiles)
{
    const auto folder =
        std::filesystem::temp_directory_path() / ("orvanta-sim-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string stateFile = folder / "panel.state";
    const std::string transcriptFile = folder / "transcript.txt";
    {
        PanelOnLine line;
        line.panel.setStateFile(stateFile);
        line.panel.setTranscriptFile(transcriptFile);
        line.exchange("+L0102030405");
        line.exchange("+Q0908070605");
        line.exchange("+v");
    }
    const PanelState saved = PanelState::load(stateFile);
    EXPECT_EQ(saved.relayTimes, (std::array<uint8_t, 5>{1, 2, 3, 4, 5}));
    EXPECT_EQ(saved.password, "98765");
    EXPECT_EQ(saved.word(54), 0xFFFF);

    std::ifstream transcript(transcriptFile);
    std::string time, command;
    std::vector<std::string> commands;
    while (transcript >> time >> command)
        commands.push_back(command);
    EXPECT_EQ(commands, (std::vector<std::string>{"+L0102030405", "+Q0908070605", "+v"}));

    std::ofstream(stateFile, std::ios::app) << "loops=nothex\n";
    EXPECT_THROW(PanelState::load(stateFile), std::runtime_error);
    std::filesystem::remove_all(folder);
}
