// The panel's settings without any widget: the whole-panel read and write against the virtual
// panel, the settings file, compare and verify.
#include "ConversionError.h"
#include "PanelServer.h"
#include "QtPrinters.h"
#include "WaitUntil.h"
#include "core/Errors.h"
#include "link/ExchangeLog.h"
#include "link/PanelLink.h"
#include "link/PanelPort.h"
#include "panel/HexRecord.h"
#include "panel/KeyCode.h"
#include "panel/MessageTable.h"
#include "panel/PanelExchange.h"
#include "panel/Password.h"
#include "panel/SettingsFile.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>
#include <sys/stat.h>

using namespace orvanta;
using orvanta::test::conversionError;

namespace {

// A link on a virtual panel that holds the given state.
struct PanelOnLink
{
    sim::PanelServer panel;
    TXComm comm;
    ExchangeLog log;
    Activity activity;
    PanelLink link{comm, log, activity};

    explicit PanelOnLink(sim::PanelState state = {})
        : panel(std::move(state))
    {
        ApplyPanelPortDefaults(comm);
        const QString path = QString::fromStdString(panel.openPseudoTerminal());
        panel.start();
        link.OpenPort(path);
    }
};

// Settings with every part held and every kind of value: random bits, the longest on-time,
// keys in mixed letter case.
PanelSettings sample(unsigned seed = 1)
{
    std::mt19937 random(seed);
    const auto byte = [&] {
        return uint8_t(random() & 0xFF);
    };
    PanelSettings s;
    s.password = QStringLiteral("38152");
    s.keys = {QStringLiteral("0123456789abcdef"), QStringLiteral("FEDCBA9876543210"),
              QStringLiteral("00aA11bB22cC33dD"), QStringLiteral("0000000000000000")};
    s.loops = {byte(), byte(), byte(), byte(), byte()};
    for (auto &rule : s.relayRules)
        rule = {byte(), byte(), byte(), byte()};
    s.relayTimes = {0, 2, 250, 500, 510};
    return s;
}

QString errorOf(const QString &text)
{
    try {
        ParseSettingsText(text);
    } catch (const ESettingsFileError &error) {
        return QString::fromUtf8(error.what());
    }
    return QStringLiteral("taken");
}

} // namespace

TEST(HexRecord, PairsAndRecords)
{
    EXPECT_EQ(HexPairToInt(QStringLiteral("0a")), 10);
    EXPECT_EQ(HexPairToInt(QStringLiteral("FF")), 255);
    EXPECT_EQ(HexPairToInt(QStringLiteral("f")), 15);
    EXPECT_EQ(conversionError([] { HexPairToInt(QString()); }),
              QStringLiteral("'$' is not a valid integer value"));
    EXPECT_EQ(conversionError([] { HexPairToInt(QStringLiteral("zz")); }),
              QStringLiteral("'$zz' is not a valid integer value"));
    EXPECT_EQ(conversionError([] { HexPairToInt(QStringLiteral("-1")); }),
              QStringLiteral("'$-1' is not a valid integer value"));

    EXPECT_EQ(DecodeHexRecord(QStringLiteral("0102040810"), 5),
              (std::vector<uint8_t>{1, 2, 4, 8, 16}));
    EXPECT_EQ(DecodeHexRecord(QStringLiteral("010204081"), 5),
              (std::vector<uint8_t>{1, 2, 4, 8, 1}));
    EXPECT_EQ(DecodeHexRecord(QStringLiteral("0102040810ZZ"), 5).size(),
              5u); // past the record: ignored
    EXPECT_EQ(conversionError([] { DecodeHexRecord(QStringLiteral("01020408"), 5); }),
              QStringLiteral("'$' is not a valid integer value"));
    EXPECT_EQ(EncodeHexRecord({0, 0x7d, 0xfa, 0xFF}), QStringLiteral("007dfaff"));
    EXPECT_EQ(HexByte(7), QStringLiteral("07"));
    EXPECT_EQ(HexByte(-1), QStringLiteral("ffffffff"));
}

TEST(KeyCodes, ByteOrderReversal)
{
    EXPECT_EQ(ReverseKeyBytes(QStringLiteral("0123456789abcdef")),
              QStringLiteral("efcdab8967452301"));
    EXPECT_EQ(ReverseKeyBytes(QStringLiteral("efcdab8967452301")),
              QStringLiteral("0123456789abcdef"));
    EXPECT_EQ(ReverseKeyBytes(QStringLiteral("1A2B")), QStringLiteral("2B1A000000000000"));
    EXPECT_EQ(ReverseKeyBytes(QStringLiteral("1234")), QStringLiteral("3412000000000000"));
    EXPECT_EQ(ReverseKeyBytes(QStringLiteral("0123456789ABCDEF9999")),
              QStringLiteral("EFCDAB8967452301"));
    EXPECT_EQ(ReverseKeyBytes(QString()), QStringLiteral("0000000000000000"));
    EXPECT_EQ(KeySlotCommand(0), QStringLiteral("+T00"));
    EXPECT_EQ(KeySlotCommand(3, QStringLiteral("AB")), QStringLiteral("+T03AB"));
}

TEST(Password, Coding)
{
    EXPECT_EQ(EncodePassword(QStringLiteral("12345")), QStringLiteral("0102030405"));
    EXPECT_EQ(EncodePassword(QStringLiteral("9")), QStringLiteral("0905050505"));
    EXPECT_EQ(DecodePassword(QStringLiteral("0102030405")), QStringLiteral("12345"));
    EXPECT_EQ(DecodePassword(QString()), QStringLiteral("00000"));
    EXPECT_EQ(DecodePassword(QStringLiteral("0708")), QStringLiteral("78000"));
}

TEST(PanelSettings, WrittenThenReadComeBackAsSent)
{
    PanelOnLink f;
    const PanelSettings sent = sample();
    WritePanelSettings(f.link, sent);
    PanelSettings read;
    ReadPanelSettings(f.link, read);
    EXPECT_EQ(read.version, QStringLiteral("VER 03.07 ORVANTA GSM"));
    EXPECT_EQ(read.password, sent.password);
    EXPECT_EQ(read.loops, sent.loops);
    EXPECT_EQ(read.relayRules, sent.relayRules);
    EXPECT_EQ(read.relayTimes, sent.relayTimes);
    for (size_t slot = 0; slot < 4; ++slot) // the panel answers in its own letter case
        EXPECT_EQ(read.keys[slot]->toUpper(), sent.keys[slot]->toUpper()) << slot;
    EXPECT_TRUE(CompareSettings(read, sent).isEmpty());
    EXPECT_EQ(MessageTable::ReadUsedSeconds(f.link), 0);
}

// Every kind of setting, its reply lost, garbled or cut before its line end: the read fails
// naming the setting, and nothing after it is asked.
TEST(PanelSettings, ReadIsWholeOrFailsNamingTheSetting)
{
    const auto silent = [](sim::PanelFaults &x) {
        x.silent = true;
    };
    const auto garbled = [](sim::PanelFaults &x) {
        x.garbageValue = true;
    };
    const auto noLineEnd = [](sim::PanelFaults &x) {
        x.dropValueLineEnd = true;
    };
    // Each kind of setting with one fault, each fault on two kinds.
    const std::tuple<const char *, const char *, std::function<void(sim::PanelFaults &)>> cases[] =
        {
            {"+T02", "Ключ 2", silent},
            {"+v", "Версия прошивки", garbled},
            {"+Q", "Пароль", noLineEnd},
            {"+k03", "Реле 3, правила включения и выключения", silent},
            {"+L", "Время включения реле", garbled},
            {"+K", "Настройки шлейфов и общие настройки", noLineEnd},
        };
    PanelOnLink f;
    for (const auto &[command, name, fault] : cases) {
        SCOPED_TRACE(command);
        sim::PanelFaults faulty;
        faulty.onlyCommand = command;
        fault(faulty);
        f.panel.setFaults(faulty);
        f.panel.clearTranscript();
        PanelSettings read;
        try {
            ReadPanelSettings(f.link, read);
            ADD_FAILURE() << "the read went through";
        } catch (const EIncompleteRead &error) {
            EXPECT_TRUE(QString::fromUtf8(error.what()).contains(QString::fromUtf8(name)))
                << error.what();
        }
        EXPECT_EQ(f.panel.commands().back(), command);
    }
    // A relay time the byte holds is a time: "ff" reads as 510 seconds.
    f.panel.setFaults({});
    f.link.query(QStringLiteral("+Lff00000000"));
    PanelSettings read;
    ReadPanelSettings(f.link, read);
    EXPECT_EQ((*read.relayTimes)[0], 510);
}

// A read takes each value from the answer to its own command alone: an echo of that command is
// part of the answer, a late repeat of another reply is not, and the setting it lands on is not
// read whole. Nothing taken differs from what the panel holds.
TEST(PanelSettings, ReadTakesNoReplyOfAnotherCommand)
{
    PanelOnLink f;
    WritePanelSettings(f.link, sample());
    sim::PanelFaults echo;
    echo.echo = true;
    f.panel.setFaults(echo);
    PanelSettings read;
    ReadPanelSettings(f.link, read);
    EXPECT_TRUE(CompareSettings(read, sample()).isEmpty());

    // The reply to "+k05" comes again between that transaction and the next, ahead of the reply
    // to "+k01", a record of the same length.
    sim::PanelFaults repeat;
    repeat.onlyCommand = "+k05";
    repeat.repeatAfterMs = 150;
    f.panel.setFaults(repeat);
    f.link.exchange(QStringLiteral("+k05"));
    const uint64_t answered = f.panel.bytesSent();
    test::WaitUntil([&] { return f.panel.bytesSent() > answered; });
    ASSERT_GT(f.panel.bytesSent(), answered); // the repeat is on the line
    PanelSettings partial;
    try {
        ReadRelays(f.link, partial);
        ADD_FAILURE() << "the read went through";
    } catch (const EIncompleteRead &error) {
        EXPECT_TRUE(QString::fromUtf8(error.what()).contains(QStringLiteral("Реле ")))
            << error.what();
    }
    for (size_t relay = 0; relay < partial.relayRules.size(); ++relay)
        EXPECT_TRUE(!partial.relayRules[relay] ||
                    partial.relayRules[relay] == sample().relayRules[relay])
            << relay + 1;
}

// The memory in use is read whole or not at all: a byte of the usage word that is missing, came
// in part or is no hex number gives nothing, never 0 or a figure made of what came.
TEST(MessageTable, UsedSecondsReadWholeOrNothing)
{
    PanelOnLink f;
    EXPECT_EQ(MessageTable::ReadUsedSecondsWhole(f.link), 0); // a fresh panel: FFFF
    f.link.query(QStringLiteral("+E6c09"));
    f.link.query(QStringLiteral("+E6d60"));
    EXPECT_EQ(MessageTable::ReadUsedSecondsWhole(f.link), 480);
    const sim::PanelFaults faults[] = {
        {.onlyCommand = "+E6d", .silent = true},
        {.onlyCommand = "+E6d", .dropValueLineEnd = true}, // the byte came in part
        {.onlyCommand = "+E6c", .garbageValue = true},
        {.onlyCommand = "+E6c", .value = " 9"}, // no hex byte, though " 960" makes a number
    };
    for (const sim::PanelFaults &fault : faults) {
        f.panel.setFaults(fault);
        EXPECT_EQ(MessageTable::ReadUsedSecondsWhole(f.link), std::nullopt) << fault.onlyCommand;
    }
}

TEST(SettingsFile, RoundTripIsExactAndThePasswordOnlyOnRequest)
{
    for (unsigned seed : {1u, 2u, 3u}) {
        const PanelSettings s = sample(seed);
        EXPECT_EQ(ParseSettingsText(SettingsText(s, true)), s) << seed;
    }
    const QString withoutPassword = SettingsText(sample(), false);
    EXPECT_FALSE(withoutPassword.contains(QStringLiteral("Пароль")));
    PanelSettings noPassword = sample();
    noPassword.password.reset();
    EXPECT_EQ(ParseSettingsText(withoutPassword), noPassword);
    EXPECT_TRUE(SettingsText(sample(), true)
                    .contains(QStringLiteral("Реле 5, время включения, сек.: 510\n")));
    EXPECT_TRUE(
        SettingsText(sample(), true).contains(QStringLiteral("Ключ 3: 00aA11bB22cC33dD\n")));

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("panel.txt"));
    WriteSettingsFile(path, sample(), true);
    struct stat status
    {
    };
    ASSERT_EQ(::stat(path.toLocal8Bit().constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 077, 0u); // readable by its owner alone
    EXPECT_EQ(ReadSettingsFile(path), sample());
}

TEST(SettingsFile, MalformedFilesAreRefusedNamingTheLine)
{
    const QString good = SettingsText(sample(), true);
    QStringList lines = good.split(QLatin1Char('\n'));
    const auto with = [&](int index, const QString &line) {
        QStringList changed = lines;
        changed[index] = line;
        return changed.join(QLatin1Char('\n'));
    };
    EXPECT_EQ(errorOf(QStringLiteral("hello\n")),
              QStringLiteral("Строка 1: это не файл настроек охранной панели Orvanta"));
    for (const char *format : {"2", "0", "-7", "", "1.0"})
        EXPECT_EQ(
            errorOf(with(0, QStringLiteral("Настройки охранной панели Orvanta, формат %1")
                                .arg(QLatin1String(format)))),
            QStringLiteral("Строка 1: формат файла «%1», а программа понимает только формат 1")
                .arg(QLatin1String(format)));
    // A password the panel can carry: one to five digits 1 to 9, equal ones side by side too.
    for (const char *password : {"0", "10203", "123456", "", "12a"})
        EXPECT_EQ(errorOf(with(1, QStringLiteral("Пароль: %1").arg(QLatin1String(password)))),
                  QStringLiteral("Строка 2: Пароль: пароль — от одной до пяти цифр от 1 до 9: "
                                 "цифру 0 охранная панель не принимает"))
            << password;
    EXPECT_EQ(ParseSettingsText(with(1, QStringLiteral("Пароль: 1123"))).password,
              QStringLiteral("1123"));
    EXPECT_EQ(errorOf(with(2, QStringLiteral("Ключ 1: 12"))),
              QStringLiteral("Строка 3: Ключ 1: код ключа — 16 шестнадцатеричных цифр"));
    const int time = int(lines.indexOf(QRegularExpression(QStringLiteral("^Реле 2, время.*"))));
    for (const char *seconds : {"511", "-2", "+4", "4.0"})
        EXPECT_EQ(errorOf(with(time, QStringLiteral("Реле 2, время включения, сек.: %1")
                                         .arg(QLatin1String(seconds)))),
                  QStringLiteral("Строка %1: Реле 2, время включения, сек.: значение должно быть "
                                 "целым числом от 0 до 510")
                      .arg(time + 1));
    EXPECT_EQ(errorOf(with(9, QStringLiteral("Шлейф 1, замыкание: может быть"))).left(10),
              QStringLiteral("Строка 10:"));
    EXPECT_TRUE(errorOf(with(9, QStringLiteral("Что-то: да")))
                    .contains(QStringLiteral("неизвестная настройка")));
    EXPECT_TRUE(errorOf(with(9, lines[8])).contains(QStringLiteral("уже была в строке 9")));
    QStringList shortened = lines;
    shortened.removeAt(20); // a loop bit missing: the record would be sent with it cleared
    EXPECT_TRUE(
        errorOf(shortened.join(QLatin1Char('\n'))).contains(QStringLiteral("нет настройки")));
}

// The panel keeps even seconds: an odd on-time, as the window saves what was typed, is taken one
// lower, as the write would send it, and each such line is told.
TEST(SettingsFile, OddOnTimesAreTakenAsThePanelKeepsThem)
{
    QStringList lines = SettingsText(sample(), false).split(QLatin1Char('\n'));
    const int time = int(lines.indexOf(QRegularExpression(QStringLiteral("^Реле 1, время.*"))));
    lines[time] = QStringLiteral("Реле 1, время включения, сек.: 7");
    lines[time + 3] = QStringLiteral("Реле 4, время включения, сек.: 509");
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("template.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(lines.join(QLatin1Char('\n')).toUtf8());
    file.close();

    QStringList notes{QStringLiteral("kept")};
    EXPECT_EQ(ReadSettingsFile(path, &notes).relayTimes,
              (PanelSettings::RelayTimes{6, 2, 250, 508, 510}));
    EXPECT_EQ(notes, (QStringList{"kept",
                                  QStringLiteral("Строка %1: Реле 1, время включения, сек.: "
                                                 "значение 7 округлено до 6: охранная панель "
                                                 "хранит чётные секунды")
                                      .arg(time + 1),
                                  QStringLiteral("Строка %1: Реле 4, время включения, сек.: "
                                                 "значение 509 округлено до 508: охранная панель "
                                                 "хранит чётные секунды")
                                      .arg(time + 4)}));
    notes.clear();
    ParseSettingsText(SettingsText(sample(), false), &notes);
    EXPECT_TRUE(notes.isEmpty());
}

TEST(SettingsFile, CompareListsExactlyTheChangesAndVerifyWhatThePanelDidNotKeep)
{
    PanelSettings now = sample();
    PanelSettings wanted = now;
    (*wanted.relayRules[1])[1] |= 1 << 2; // relay 2 on when loop 3 opens
    (*now.relayRules[1])[1] &= ~(1 << 2);
    (*wanted.relayTimes)[0] = 40;
    wanted.keys[0] = wanted.keys[0]->toUpper(); // the same key in the other letter case
    now.password = QStringLiteral("38155");
    wanted.password = QStringLiteral("381"); // sent padded with 5s: the same password
    EXPECT_EQ(CompareSettings(now, wanted),
              (QStringList{"Шлейф 3, при размыкании: реле 2 включить: нет → да",
                           "Реле 1, время включения, сек.: 0 → 40"}));
    wanted.password = QStringLiteral("39");
    EXPECT_EQ(CompareSettings(now, wanted, Wording::File).first(),
              QStringLiteral("Пароль: 38155 → 39555"));

    // A panel that refuses the time record keeps its old times: verification says so.
    PanelOnLink f;
    sim::PanelFaults refuse;
    refuse.onlyCommand = "+L";
    refuse.refuse = true;
    WritePanelSettings(f.link, sample());
    f.panel.setFaults(refuse);
    PanelSettings changed = sample();
    (*changed.relayTimes)[2] = 100;
    WritePanelSettings(f.link, changed);
    f.panel.setFaults({});
    PanelSettings back;
    ReadPanelSettings(f.link, back);
    EXPECT_EQ(CompareSettings(back, changed),
              QStringList{"Реле 3, время включения, сек.: 250 → 100"});
}
