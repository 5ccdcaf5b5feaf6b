// The command transaction and the exchange log, against the virtual panel on a pseudo-terminal.
#include "PanelServer.h"
#include "PtyPair.h"
#include "QtPrinters.h"
#include "WaitUntil.h"
#include "comm/XComErr.h"
#include "core/Errors.h"
#include "link/ExchangeLog.h"
#include "link/PanelLink.h"
#include "link/PanelPort.h"
#include "link/PanelReply.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::sim;

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The log's lines with the date and time of stamped entries replaced by "#".
QStringList logLines(const QString &path)
{
    static const QRegularExpression stamp(QStringLiteral("^# .+? # "));
    QStringList lines = QString::fromUtf8(fileBytes(path)).split(QStringLiteral("\r\n"));
    for (QString &line : lines)
        line.replace(stamp, QStringLiteral("#"));
    return lines;
}

// A link on the panel's port, with the log in a temporary folder, in debug mode.
struct LinkFixture
{
    QTemporaryDir folder;
    TXComm comm;
    ExchangeLog log{folder.filePath(QStringLiteral("log.txt"))};
    Activity activity;
    PanelLink link{comm, log, activity};

    LinkFixture()
    {
        ApplyPanelPortDefaults(comm);
        log.setEnabled(true);
    }
    QString exchange(const QString &command, int attempts = 1, int budget = DefaultReadBudget)
    {
        QString reply;
        link.wait_OK(command, attempts, budget, reply);
        return reply;
    }
    QStringList lines() const { return logLines(log.path()); }
};

struct PanelFixture : LinkFixture
{
    PanelServer panel;
    explicit PanelFixture(PanelFaults faults = {})
        : panel(PanelState{}, std::move(faults))
    {
        const QString path = QString::fromStdString(panel.openPseudoTerminal());
        panel.start();
        link.OpenPort(path);
    }
};

const QString Version = QStringLiteral(">VER 03.07 ORVANTA GSM\r\nOK\r\n");

} // namespace

TEST(ReplyParsing, ValueAndAcceptance)
{
    EXPECT_TRUE(ReplyHasOK(QByteArray("xx\0O\0OK", 8)));
    EXPECT_FALSE(ReplyHasOK(QByteArray("O\0K", 3)));
    EXPECT_FALSE(ReplyHasOK("ok"));
    EXPECT_EQ(ExtractReplyValue(QStringLiteral("+K\r\n>0102\r\nOK\r\n")), QStringLiteral("0102"));
    EXPECT_EQ(ExtractReplyValue(QStringLiteral("OK\r\n")), QString());
    EXPECT_EQ(ExtractReplyValue(QStringLiteral(">0102OK\r")), QString());
    EXPECT_EQ(ExtractReplyValue(QStringLiteral(">\r\nOK")), QString());
    EXPECT_EQ(ExtractReplyValue(QStringLiteral("a>b>c\r\n")), QStringLiteral("b>c"));
}

// A value is taken only from the one answer to the command sent: anything else in the buffer is
// left over from another reply, and its value must never pass for this one.
TEST(ReplyParsing, WholeValueOfTheOneAnswer)
{
    const struct
    {
        const char *reply;
        const char *command;
        std::optional<QString> value;
    } cases[] = {
        {">0102\r\nOK\r\n", "+K", QStringLiteral("0102")},
        {"+K\r\n>0102\r\nOK\r\n", "+K", QStringLiteral("0102")}, // the panel's echo
        {">\r\nOK", "+K", QString()},
        {"+k01\r\n>0102\r\nOK\r\n", "+K", std::nullopt},    // another command's echo
        {">AA\r\nOK\r\n>BB\r\nOK\r\n", "+K", std::nullopt}, // two answers
        {"OK\r\n>BB\r\nOK\r\n", "+K", std::nullopt},        // a write's answer ahead
        {">BB\r\nOK\r\nOK\r\n", "+K", std::nullopt},        // and after
        {"\r\nOK\r\n>BB\r\nOK\r\n", "+K", std::nullopt},
        {"x>0102\r\nOK\r\n", "+K", std::nullopt},
        {">0102OK\r\n", "+K", std::nullopt}, // the line end lost
        {">0102\r\n", "+K", std::nullopt},   // no acceptance
        {"OK\r\n", "+K", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ExtractWholeValue(QString::fromLatin1(c.reply), QString::fromLatin1(c.command)),
                  c.value)
            << c.reply;
}

TEST(Transaction, AnsweredCommand)
{
    PanelFixture f;
    EXPECT_EQ(f.exchange(QStringLiteral("+v")), Version);
    EXPECT_TRUE(f.link.connected());
    EXPECT_FALSE(f.link.InExchange());
    EXPECT_EQ(f.comm.LockCount(), 0);
    const QStringList lines = f.lines();
    EXPECT_EQ(lines[0], QStringLiteral("#Открыли устройство %1 на скорости 19200 #")
                            .arg(QString::fromStdString(f.comm.DeviceName())));
    EXPECT_EQ(lines[1], QStringLiteral(">VER 03.07 ORVANTA GSM"));
    EXPECT_EQ(lines[2], QStringLiteral("OK"));
    EXPECT_EQ(lines[3], QStringLiteral("#Успешно отправили команду { +v } с попытки № 1 #"));
    // A reply holding "OK" without a value is accepted all the same.
    const QString written = f.exchange(QStringLiteral("+K0000000000"));
    EXPECT_EQ(written, QStringLiteral("OK\r\n"));
    EXPECT_EQ(ExtractReplyValue(written), QString());
}

TEST(Transaction, SplitAcceptanceIsAcceptedOnTheReadThatCompletesIt)
{
    PanelFaults faults;
    faults.splitOK = true;
    faults.chunkPauseMs = 250;
    PanelFixture f(faults);
    EXPECT_EQ(f.exchange(QStringLiteral("+v")), Version);
    const QStringList lines = f.lines();
    EXPECT_EQ(lines[1], QStringLiteral("#error #")); // the read that saw only "O"
    EXPECT_TRUE(f.link.connected());
}

TEST(Transaction, UnansweredCommand)
{
    PanelFaults faults;
    faults.silent = true;
    PanelFixture f(faults);
    f.link.setConnected(true);
    const uint32_t start = TCustomComm::GetTicks();
    EXPECT_EQ(f.exchange(QStringLiteral("+v")), QString());
    EXPECT_GE(TCustomComm::GetTicks() - start, 300u);
    EXPECT_FALSE(f.link.connected());
    EXPECT_EQ(f.lines().mid(1), (QStringList{"#error #", "#error #", "#error #",
                                             "#Не смогли отправить команду { +v } с попытки № 1 #",
                                             "#Отмена отправки команды { +v }  #", ""}));
}

TEST(Transaction, LowerCaseOkIsNoAcceptance)
{
    LinkFixture f;
    test::PtyPair peer;
    f.link.OpenPort(QString::fromStdString(peer.slavePath()));
    peer.send(">1\r\nok\r\n");
    EXPECT_EQ(f.exchange(QStringLiteral("+v")), QString());
    EXPECT_FALSE(f.link.connected());
}

TEST(Transaction, OverlongReplyKeepsItsFirst254Bytes)
{
    PanelFaults faults;
    faults.overlong = true;
    PanelFixture f(faults);
    const QString reply = f.exchange(QStringLiteral("+v"));
    EXPECT_EQ(reply.size(), 254);
    EXPECT_TRUE(reply.startsWith(QStringLiteral(">VER 03.07")));
    EXPECT_FALSE(reply.contains(QStringLiteral("OK")));
    EXPECT_TRUE(f.link.connected());

    faults = {};
    faults.nulBytes = true;
    f.panel.setFaults(faults);
    EXPECT_EQ(f.exchange(QStringLiteral("+v")), Version); // NUL bytes are no part of a reply
}

TEST(Transaction, LateBytesBeginTheNextReply)
{
    PanelFaults faults;
    faults.delayMs = 400;
    faults.onlyCommand = "+v";
    PanelFixture f(faults);
    const uint64_t sentBefore = f.panel.bytesSent();
    EXPECT_EQ(f.exchange(QStringLiteral("+v")), QString());
    ASSERT_TRUE(
        test::WaitUntil([&] { return f.panel.bytesSent() > sentBefore; })); // the late reply
    const QString next = f.exchange(QStringLiteral("+K"));
    EXPECT_TRUE(next.startsWith(Version)) << next.toStdString();
    EXPECT_EQ(ExtractReplyValue(next), QStringLiteral("VER 03.07 ORVANTA GSM"));
}

TEST(Transaction, AttemptsAndBudgets)
{
    PanelFaults faults;
    faults.delayMs = 450;
    PanelFixture f(faults);

    // A second attempt sends again at once and is accepted on the first attempt's late reply.
    const uint64_t sentBefore = f.panel.bytesSent();
    EXPECT_EQ(f.exchange(QStringLiteral("+v"), 2), Version);
    const uint64_t oneReply = f.panel.bytesSent() - sentBefore;
    EXPECT_EQ(f.panel.commands(), (std::vector<std::string>{"+v", "+v"}));
    EXPECT_TRUE(
        f.lines().contains(QStringLiteral("#Не смогли отправить команду { +v } с попытки № 1 #")));
    EXPECT_TRUE(
        f.lines().contains(QStringLiteral("#Успешно отправили команду { +v } с попытки № 2 #")));
    // The second reply drains.
    ASSERT_TRUE(test::WaitUntil([&] { return f.panel.bytesSent() >= sentBefore + 2 * oneReply; }));
    char drain[100];
    f.comm.ReadData(drain, sizeof drain, 50);

    // A budget of 0 sends and reads nothing.
    f.panel.clearTranscript();
    EXPECT_EQ(f.exchange(QStringLiteral("+L"), 1, 0), QString());
    EXPECT_FALSE(f.link.connected());
    EXPECT_TRUE(test::WaitUntil([&] { return !f.panel.commands().empty(); }));
    EXPECT_EQ(f.panel.commands(), std::vector<std::string>{"+L"});

    // No attempt: nothing sent, only the cancel line, the indicator as it was.
    f.panel.clearTranscript();
    f.link.setConnected(true);
    QFile::remove(f.log.path());
    EXPECT_EQ(f.exchange(QStringLiteral("+Q"), 0), QString());
    EXPECT_TRUE(f.link.connected());
    EXPECT_EQ(f.lines(), (QStringList{"#Отмена отправки команды { +Q }  #", ""}));
    // The next command is the first the panel hears: nothing went before it.
    f.exchange(QStringLiteral("+v"));
    EXPECT_TRUE(test::WaitUntil([&] { return !f.panel.commands().empty(); }));
    EXPECT_EQ(f.panel.commands(), std::vector<std::string>{"+v"});
}

TEST(Transaction, ClosedPortSendsNothing)
{
    LinkFixture f;
    f.link.setConnected(true);
    EXPECT_EQ(f.exchange(QStringLiteral("+v")), QString());
    EXPECT_FALSE(f.link.InExchange());
    EXPECT_TRUE(f.link.connected());
    EXPECT_FALSE(QFile::exists(f.log.path()));

    f.link.OpenPort(QStringLiteral("/nonexistent/port"));
    EXPECT_FALSE(f.link.IsOpened());
    EXPECT_FALSE(QFile::exists(f.log.path())); // a failed open logs nothing
}

TEST(Transaction, PortErrorsPassThroughAndTheExchangeEnds)
{
    PanelFaults unplugged;
    unplugged.hangUpAfter = 1;
    PanelFixture f(unplugged);
    EXPECT_EQ(f.exchange(QStringLiteral("+v")), Version);
    EXPECT_TRUE(f.link.connected());
    EXPECT_THROW(f.exchange(QStringLiteral("+v")), EDeviceError);
    EXPECT_FALSE(f.link.InExchange());
    EXPECT_EQ(f.comm.LockCount(), 0);
    EXPECT_FALSE(f.link.connected()); // a panel gone with its line is said to be gone
    EXPECT_TRUE(f.link.connectionFailed());
}

TEST(Transaction, UnwritableLogIsReportedOnceAndNeverEndsTheExchange)
{
    PanelFixture f;
    QFile::remove(f.log.path());
    QDir(f.folder.path()).mkdir(QStringLiteral("log.txt")); // a folder where the log should be
    QStringList reports;
    f.log.setFailureHandler([&](const QString &message) { reports += message; });
    EXPECT_EQ(f.exchange(QStringLiteral("+v")), Version);
    EXPECT_EQ(f.exchange(QStringLiteral("+v")), Version);
    EXPECT_TRUE(f.link.connected());
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains(f.log.path()));
}

TEST(ExchangeLog, EntryFormats)
{
    QTemporaryDir folder;
    ExchangeLog log(folder.filePath(QStringLiteral("log.txt")));
    log.LogExchange(QStringLiteral("text"), true);
    log.setEnabled(true);
    EXPECT_FALSE(QFile::exists(log.path())); // nothing was written while disabled
    log.LogExchange(QStringLiteral("текст"), true);
    log.LogExchange({}, true, QByteArray("a\0b", 3));
    log.LogExchange(QStringLiteral("plain"), false);
    log.LogExchange({}, false, QByteArray("\0x\0", 3));

    const QByteArray bytes = fileBytes(log.path());
    const QString date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    EXPECT_TRUE(bytes.startsWith("# " + date.toUtf8() + " ")) << bytes.toStdString();
    const QStringList lines = logLines(log.path());
    EXPECT_EQ(lines, (QStringList{"#текст #", "#ab ###", "plainx"}));

    QFile::remove(log.path()); // deleted while running: the next entry makes it again
    log.LogExchange(QStringLiteral("again"), false);
    EXPECT_EQ(fileBytes(log.path()), QByteArray("again"));
}

TEST(ExchangeLog, LongCommandsAreCut)
{
    PanelFixture f; // both commands are malformed, so the panel refuses them
    const QString thirty = QStringLiteral("+E") + QString(28, QLatin1Char('0'));
    f.exchange(thirty);
    f.exchange(thirty.left(29));
    f.exchange(QStringLiteral("+T01%1ABC")); // taken literally, not as a place for an argument
    const QStringList lines = f.lines();
    EXPECT_TRUE(lines.contains(
        QStringLiteral("#Не смогли отправить команду { +T01%1ABC } с попытки № 1 #")));
    EXPECT_TRUE(lines.contains(QStringLiteral("#Отмена отправки команды { +T01%1ABC }  #")));
    EXPECT_TRUE(
        lines.contains(QStringLiteral("#Отмена отправки команды { %1..... }  #").arg(thirty)));
    EXPECT_TRUE(
        lines.contains(QStringLiteral("#Отмена отправки команды { %1 }  #").arg(thirty.left(29))));
}

TEST(ExchangeLog, NothingOutsideDebugMode)
{
    PanelFixture f;
    QFile::remove(f.log.path());
    f.log.setEnabled(false);
    EXPECT_EQ(f.exchange(QStringLiteral("+v")), Version);
    EXPECT_FALSE(QFile::exists(f.log.path()));
}
