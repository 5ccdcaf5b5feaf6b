#include "PanelEngine.h"

#include <gtest/gtest.h>

using namespace orvanta::sim;

namespace {

std::string reply(PanelEngine &panel, const std::string &command, uint64_t ms = 0)
{
    return panel.handle(command, ms).reply;
}

std::string value(const std::string &text)
{
    return ">" + text + "\r\nOK\r\n";
}

} // namespace

TEST(PanelProtocol, ReadsWritesAndErrors)
{
    PanelEngine panel;
    EXPECT_EQ(reply(panel, "+v"), value("VER 03.07 ORVANTA GSM"));
    EXPECT_EQ(reply(panel, "+K0102040810"), "OK\r\n");
    EXPECT_EQ(reply(panel, "+K"), value("0102040810"));
    EXPECT_EQ(reply(panel, "+k03aabbccdd"), "OK\r\n");
    EXPECT_EQ(reply(panel, "+k03"), value("AABBCCDD"));
    EXPECT_EQ(reply(panel, "+k01"), value("00000000"));
    EXPECT_EQ(reply(panel, "+L00010203fa"), "OK\r\n");
    EXPECT_EQ(reply(panel, "+L"), value("00010203FA"));
    EXPECT_EQ(reply(panel, "+T02efcdab8967452301"), "OK\r\n");
    EXPECT_EQ(reply(panel, "+T02"), value("EFCDAB8967452301"));
    EXPECT_EQ(reply(panel, "+Q0102030405"), "OK\r\n");
    EXPECT_EQ(panel.state().password, "12345");
    EXPECT_EQ(reply(panel, "+Q"), value("0102030405"));

    for (const char *bad :
         {"+X", "v", "+K123", "+Kzz00000000", "+k06", "+k0", "+k0100", "+E6", "+EzZ", "+E6c0",
          "+T05", "+T0", "+Q123", "+Q0a0b0c0d0e", "+I36", "+Izz", "+vv"})
        EXPECT_EQ(reply(panel, bad), "ERROR\r\n") << bad;
    EXPECT_EQ(panel.state().loopRecord[0], 1) << "a malformed write changed the record";
}

TEST(PanelProtocol, MemoryBytesAndWords)
{
    PanelEngine panel;
    EXPECT_EQ(reply(panel, "+E6c"), value("FF")); // a fresh panel's memory is empty
    EXPECT_EQ(panel.state().word(54), 65535);
    EXPECT_EQ(reply(panel, "+E6c09"), "OK\r\n");
    EXPECT_EQ(reply(panel, "+E6D60"), "OK\r\n");
    EXPECT_EQ(reply(panel, "+E6c"), value("09"));
    EXPECT_EQ(panel.state().word(54), 0x0960);

    panel.faults().stuckCell = 0x0a;
    EXPECT_EQ(reply(panel, "+E0a12"), "OK\r\n");
    EXPECT_EQ(reply(panel, "+E0a"), value("FF"));
}

// Every write is answered as usual and changes nothing; with a prefix, only its commands.
TEST(PanelProtocol, ForgetfulPanelKeepsWhatItHeld)
{
    const std::pair<const char *, const char *> writes[] = {
        {"+K0102040810", "+K"},           {"+k03aabbccdd", "+k03"}, {"+L00010203fa", "+L"},
        {"+T02efcdab8967452301", "+T02"}, {"+Q0908070605", "+Q"},   {"+E0a12", "+E0a"},
    };
    PanelEngine panel;
    panel.faults().forget = true;
    for (const auto &[write, read] : writes) {
        const std::string before = reply(panel, read);
        EXPECT_EQ(reply(panel, write), "OK\r\n") << write;
        EXPECT_EQ(reply(panel, read), before) << write;
    }
    panel.faults().onlyCommand = "+L";
    reply(panel, "+K0102040810");
    EXPECT_EQ(reply(panel, "+K"), value("0102040810"));
}

TEST(PanelProtocol, RecorderKeepsTheAddressTable)
{
    PanelEngine panel;
    EXPECT_EQ(reply(panel, "+j", 0), "ERROR\r\n"); // nothing is being recorded
    EXPECT_EQ(reply(panel, "+J00", 0), "OK\r\n");
    EXPECT_EQ(reply(panel, "+J", 10), "ERROR\r\n"); // already recording
    EXPECT_EQ(reply(panel, "+j", 1000), value("0005"));
    for (int n = 1; n <= 54; ++n)
        ASSERT_EQ(panel.state().word(n), 5) << n;

    EXPECT_EQ(reply(panel, "+J", 2000), "OK\r\n");
    EXPECT_EQ(reply(panel, "+j", 2500), value("0008")); // 2.5 units round to 3
    EXPECT_EQ(panel.state().word(1), 5);
    EXPECT_EQ(panel.state().word(2), 8);
    EXPECT_EQ(panel.state().word(54), 8);
    EXPECT_EQ(panel.state().word(0), 0xFFFF); // word 0 is no message

    // "+J00" starts over at address 0; a message never runs past the end of memory.
    reply(panel, "+J00", 0);
    EXPECT_EQ(reply(panel, "+j", 3'600'000), value("0960"));
    EXPECT_EQ(panel.state().word(54), 2400);

    for (int n = 2; n <= 54; ++n) {
        reply(panel, "+J", 0);
        reply(panel, "+j", 200);
    }
    EXPECT_EQ(reply(panel, "+J", 0), "ERROR\r\n"); // all 54 slots used
}

TEST(PanelProtocol, PlayingAnswersTheStartAddress)
{
    PanelEngine panel;
    reply(panel, "+J00", 0);
    reply(panel, "+j", 1000);
    reply(panel, "+J", 0);
    reply(panel, "+j", 2000);
    EXPECT_EQ(reply(panel, "+I00"), value("0000"));
    EXPECT_EQ(reply(panel, "+I"), value("0005"));
    EXPECT_EQ(reply(panel, "+I02"), value("000F"));
    EXPECT_EQ(reply(panel, "+I35"), value("000F")); // message 54 starts where 53 ended
    EXPECT_EQ(reply(panel, "+I"), value("0000"));   // after the last comes the first
}

TEST(PanelProtocol, KeyAtTheReader)
{
    PanelEngine panel;
    const auto none = panel.handle("+T00", 0);
    EXPECT_TRUE(none.waitForKey);
    EXPECT_TRUE(none.reply.empty());
    panel.state().readerKey =
        std::array<uint8_t, 8>{0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF};
    EXPECT_EQ(reply(panel, "+T00"), value("0123456789ABCDEF"));
}

TEST(PanelProtocol, ReplyFaults)
{
    PanelEngine panel;
    auto &faults = panel.faults();
    faults.echo = true;
    EXPECT_EQ(reply(panel, "+L"), "+L\r\n" + value("0000000000"));
    EXPECT_EQ(reply(panel, "+L0000000000"), "+L0000000000\r\nOK\r\n");
    faults = {};
    faults.lowerCaseHex = true;
    reply(panel, "+KABCDEF0102");
    EXPECT_EQ(reply(panel, "+K"), value("abcdef0102"));
    faults = {};
    faults.dropValueLineEnd = true;
    EXPECT_EQ(reply(panel, "+E00"), ">FFOK\r\n");
    faults = {};
    faults.garbageValue = true;
    EXPECT_EQ(reply(panel, "+K"), value("ZZZZZZZZZZ"));
    faults = {};
    faults.nulBytes = true;
    EXPECT_EQ(reply(panel, "+E00"), std::string(">\0F\0F\0\r\0\n\0O\0K\0\r\0\n\0", 18));
    faults = {};
    faults.overlong = true;
    const std::string longReply = reply(panel, "+E00");
    EXPECT_GT(longReply.size(), 254u);
    EXPECT_EQ(longReply.substr(0, 5), ">FF\r\n");
    EXPECT_EQ(longReply.substr(longReply.size() - 4), "OK\r\n");

    faults = {};
    faults.value = "0102";
    EXPECT_EQ(reply(panel, "+L"), value("0102"));

    faults = {};
    faults.onlyCommand = "+K";
    faults.garbageValue = true;
    EXPECT_EQ(reply(panel, "+K"), value("ZZZZZZZZZZ"));
    EXPECT_EQ(reply(panel, "+k01"), value("00000000"));
}
