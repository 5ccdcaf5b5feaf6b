// The one checked write of settings into the panel, as the window and the command line run it:
// the snapshot first, the parts in order, every command acknowledged, the parts read back, and a
// journal line that says what the panel holds, whatever goes wrong at whichever step.
#include "PanelServer.h"
#include "QtPrinters.h"
#include "link/ExchangeLog.h"
#include "link/PanelLink.h"
#include "link/PanelPort.h"
#include "panel/CheckedWrite.h"
#include "panel/PanelExchange.h"
#include "panel/SnapshotJournal.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvanta;
using Result = WriteOutcome::Result;

namespace {

// A panel on a link, its settings read whole, and a journal of its own.
struct WriteFixture
{
    sim::PanelServer panel;
    TXComm comm;
    ExchangeLog log;
    Activity activity;
    PanelLink link{comm, log, activity};
    QTemporaryDir folder;
    SnapshotJournal journal{folder.filePath(QStringLiteral("snapshots"))};
    WriteRequest request;

    WriteFixture()
    {
        ApplyPanelPortDefaults(comm);
        const QString path = QString::fromStdString(panel.openPseudoTerminal());
        panel.start();
        link.OpenPort(path);
        // Every fixture's panel starts alike: what it holds is read once.
        static const PanelSettings held = [this] {
            PanelSettings settings;
            ReadPanelSettings(link, settings);
            return settings;
        }();
        request.current = held;
        request.wanted = request.current;
        request.wanted.keys[0] = QStringLiteral("0123456789ABCDEF");
        (*request.wanted.loops)[0] = 0x01;
        (*request.wanted.relayRules[4])[3] = 0x42;
        (*request.wanted.relayTimes)[2] = 120;
        request.wanted.password = QStringLiteral("97531");
        request.port = QStringLiteral("COM2");
    }
    WriteOutcome write(const sim::PanelFaults &faults = {})
    {
        panel.setFaults(faults);
        return WriteChecked(link, journal, request);
    }
    JournalEntry entry() const { return journal.entries().back(); }
};

// Every command of the write carries a new value, so that whether the panel took it shows.
void changeEverything(WriteRequest &request)
{
    const char *const codes[] = {"0123456789ABCDEF", "1A2B3C4D5E6F7081", "CAFEBABE00112233",
                                 "5566778899AABBCC"};
    for (size_t slot = 0; slot < 4; ++slot)
        request.wanted.keys[slot] = QString::fromLatin1(codes[slot]);
    for (const size_t relay : {0, 2, 4})
        (*request.wanted.relayRules[relay])[1] = uint8_t(0x11 * (relay + 1));
    (*request.wanted.relayTimes)[4] = 64;
}

// The command of the write at a place: 1 to 4 the keys, 5 the loops, 6 to 11 the relays and their
// times, 12 the password.
std::string commandAt(const WriteRequest &request, int place)
{
    QStringList all;
    for (const WritePart part : WriteOrder)
        all += WriteCommands(part, request.wanted);
    return all.at(place - 1).toStdString();
}

std::vector<WritePart> parts(std::initializer_list<WritePart> list)
{
    return list;
}

} // namespace

TEST(CheckedWrite, WrittenAndReadBackAsSent)
{
    WriteFixture f;
    const WriteOutcome outcome = f.write();
    EXPECT_EQ(outcome.result, Result::Checked);
    EXPECT_EQ(outcome.written,
              std::vector<WritePart>(std::begin(WriteOrder), std::end(WriteOrder)));
    EXPECT_TRUE(CompareSettings(outcome.held, f.request.wanted).isEmpty());
    EXPECT_EQ(f.entry().result, QStringLiteral("записано"));
    EXPECT_EQ(f.journal.snapshot(outcome.snapshot), f.request.current);
    // The journal names the changes, never the password's digits.
    EXPECT_EQ(f.entry().changes.size(), 6);
    EXPECT_FALSE(f.entry().changes.join(QLatin1Char(' ')).contains(QStringLiteral("97531")));
}

// The panel answers a part without accepting it: the write stops there, the journal names the
// part, the panel keeps what it held for it.
TEST(CheckedWrite, RefusedPartStopsTheWriteAndIsNamed)
{
    // The place of the refused command in the write (see commandAt): the panel refuses that
    // write and still answers the reads that show what it holds.
    const struct
    {
        int place;
        WritePart part;
        const char *name; // in the journal and in the window
        std::vector<WritePart> before;
    } refusals[] = {
        {1, WritePart::Keys, "ключи", {}},
        {5, WritePart::Loops, "шлейфы и общие настройки", parts({WritePart::Keys})},
        {6, WritePart::Relays, "реле", parts({WritePart::Keys, WritePart::Loops})},
        {12, WritePart::Password, "пароль",
         parts({WritePart::Keys, WritePart::Loops, WritePart::Relays})},
    };
    for (const auto &refusal : refusals) {
        SCOPED_TRACE(refusal.place);
        WriteFixture f;
        changeEverything(f.request);
        sim::PanelFaults refuse;
        refuse.onlyCommand = commandAt(f.request, refusal.place);
        refuse.refuse = true;
        const WriteOutcome outcome = f.write(refuse);
        EXPECT_EQ(outcome.result, Result::Refused);
        EXPECT_EQ(outcome.refused, refusal.part);
        EXPECT_EQ(outcome.written, refusal.before);
        EXPECT_EQ(f.entry().result, QStringLiteral("панель отказала"));
        EXPECT_EQ(f.entry().detail, QStringList{QString::fromUtf8(refusal.name)});
        EXPECT_TRUE(DescribeWriteOutcome(outcome).contains(QString::fromUtf8(refusal.name)));
        // The refused part and every part after it are as the panel held them.
        f.panel.setFaults({});
        PanelSettings now;
        ReadPanelSettings(f.link, now);
        PanelSettings untouched = f.request.current;
        for (const WritePart part : refusal.before)
            ReadPart(f.link, part, untouched);
        EXPECT_TRUE(CompareSettings(now, untouched).isEmpty())
            << CompareSettings(now, untouched).join(QLatin1Char('\n')).toStdString();
    }
}

// The line goes on either side of each part's end, within the read-back and at its end: every
// outcome says what the panel acknowledged, and the journal agrees.
TEST(CheckedWrite, LineLostAtEveryStepSaysWhatThePanelHolds)
{
    // 12 commands write (4 keys, the loops, 5 relays and their times, the password), 13 read back.
    const int partEnds[] = {4, 5, 11, 12};
    for (const int answered : {1, 4, 5, 6, 11, 12, 13, 24, 25}) {
        SCOPED_TRACE(answered);
        WriteFixture f;
        sim::PanelFaults unplug;
        unplug.hangUpAfter = answered;
        const WriteOutcome outcome = f.write(unplug);
        std::vector<WritePart> whole;
        std::optional<WritePart> partly;
        for (int part = 0; part < 4; ++part) {
            if (partEnds[part] <= answered)
                whole.push_back(WriteOrder[part]);
            else if (answered > (part ? partEnds[part - 1] : 0))
                partly = WriteOrder[part];
        }
        EXPECT_EQ(outcome.written, whole);
        EXPECT_EQ(outcome.partlyWritten, partly);
        // After the 11th the last command went out: the line went once every command was sent.
        const Result expected = answered < 11   ? Result::Interrupted
                                : answered < 25 ? Result::Unchecked
                                                : Result::Checked;
        EXPECT_EQ(outcome.result, expected);
        const char *journaled = expected == Result::Interrupted ? "прервано"
                                : expected == Result::Unchecked ? "записано, не проверено"
                                                                : "записано";
        EXPECT_EQ(f.entry().result, QString::fromUtf8(journaled));
        const QString said = DescribeWriteOutcome(outcome);
        if (expected == Result::Interrupted) { // the first key always went
            EXPECT_TRUE(said.contains(QStringLiteral("Записано: ключи"))) << said.toStdString();
        }
    }
}

// A panel that acknowledges but keeps its old values, and a reply that comes twice: never taken
// for written and kept.
TEST(CheckedWrite, WhatThePanelDidNotKeepIsNeverReportedAsKept)
{
    {
        WriteFixture f;
        sim::PanelFaults forget;
        forget.onlyCommand = "+K";
        forget.forget = true;
        const WriteOutcome outcome = f.write(forget);
        EXPECT_EQ(outcome.result, Result::NotKept);
        EXPECT_EQ(outcome.notKept, QStringList{QStringLiteral("Шлейф 1, замыкание: нет → да")});
        EXPECT_EQ(f.entry().result, QStringLiteral("панель не сохранила часть"));
        EXPECT_EQ(f.entry().detail, outcome.notKept);
    }
    {
        WriteFixture f;
        sim::PanelFaults twice;
        twice.repeatAfterMs = 150;
        const WriteOutcome outcome = f.write(twice);
        EXPECT_NE(outcome.result, Result::NotKept);
        if (outcome.result == Result::Checked) {
            EXPECT_TRUE(CompareSettings(outcome.held, f.request.wanted).isEmpty());
        }
    }
}

// A page that cannot give its part (a field that is no number) ends the write at that part; the
// parts before it are read back.
TEST(CheckedWrite, PartThatCannotBeGivenEndsTheWriteThere)
{
    WriteFixture f;
    f.request.source = [](WritePart part, PanelSettings &) {
        if (part == WritePart::Relays)
            throw std::runtime_error("'' is not a valid integer value");
    };
    const WriteOutcome outcome = f.write();
    EXPECT_EQ(outcome.result, Result::Interrupted);
    EXPECT_EQ(outcome.written, parts({WritePart::Keys, WritePart::Loops}));
    EXPECT_EQ(outcome.error, QStringLiteral("'' is not a valid integer value"));
    EXPECT_EQ(f.panel.commands().back(), "+K"); // the loops read back
    EXPECT_EQ(f.entry().result, QStringLiteral("прервано"));
}

// A journal that cannot take the outcome (gone and a folder in its place, during the write)
// hides nothing: the outcome stands, with where the snapshot is.
TEST(CheckedWrite, JournalThatCannotTakeTheOutcomeStillLeavesItSaid)
{
    WriteFixture f;
    const QString journalFile = f.folder.filePath(QStringLiteral("snapshots/journal.txt"));
    f.request.source = [&](WritePart part, PanelSettings &) {
        if (part == WritePart::Keys && QFile::remove(journalFile))
            QDir().mkdir(journalFile);
    };
    const WriteOutcome outcome = f.write();
    EXPECT_EQ(outcome.result, Result::Checked);
    EXPECT_TRUE(outcome.journalError.contains(journalFile)) << outcome.journalError.toStdString();
    EXPECT_TRUE(QFile::exists(outcome.snapshotPath));
}

namespace {

// What a panel holds now, read whole over a line of its own: the one the write used may be gone.
PanelSettings heldBy(const sim::PanelServer &panel)
{
    sim::PanelServer again(panel.state());
    TXComm comm;
    ExchangeLog log;
    Activity activity;
    PanelLink link{comm, log, activity};
    ApplyPanelPortDefaults(comm);
    const QString path = QString::fromStdString(again.openPseudoTerminal());
    again.start();
    link.OpenPort(path);
    PanelSettings settings;
    ReadPanelSettings(link, settings);
    return settings;
}

QStringList differences(const PanelSettings &held, const PanelSettings &wanted, WritePart part)
{
    PanelSettings a;
    PanelSettings b;
    for (PanelSettings *only : {&a, &b}) {
        const PanelSettings &from = only == &a ? held : wanted;
        switch (part) {
        case WritePart::Keys:
            only->keys = from.keys;
            break;
        case WritePart::Loops:
            only->loops = from.loops;
            break;
        case WritePart::Relays:
            only->relayRules = from.relayRules;
            only->relayTimes = from.relayTimes;
            break;
        case WritePart::Password:
            only->password = from.password;
            break;
        }
    }
    return CompareSettings(a, b);
}

bool contains(const std::vector<WritePart> &parts, WritePart part)
{
    return std::find(parts.begin(), parts.end(), part) != parts.end();
}

// No sentence of the outcome denies what the panel holds: a part said written holds what was
// sent, a part the write never reached holds what it held, "nothing written" leaves the panel as
// it was, and every setting said not kept is indeed not held.
void expectClaimsMatchThePanel(const WriteOutcome &outcome, const WriteRequest &request,
                               const PanelSettings &now)
{
    const QString said = DescribeWriteOutcome(outcome);
    SCOPED_TRACE(said.toStdString());
    bool reached = true;
    for (const WritePart part : WriteOrder) {
        const bool whole = contains(outcome.written, part) && !contains(outcome.partsNotKept, part);
        const bool touched = contains(outcome.written, part) || outcome.partlyWritten == part ||
                             outcome.uncertain == part || outcome.refused == part;
        if (whole || outcome.result == Result::Checked) {
            EXPECT_TRUE(differences(now, request.wanted, part).isEmpty())
                << WritePartName(part).toStdString();
        } else if (!touched && !reached) {
            EXPECT_TRUE(differences(now, request.current, part).isEmpty())
                << WritePartName(part).toStdString();
        }
        if (touched && !contains(outcome.written, part))
            reached = false;
    }
    if (said.contains(QStringLiteral("Ничего не записано"))) {
        EXPECT_TRUE(CompareSettings(now, request.current).isEmpty());
    }
    const QStringList missed = CompareSettings(now, request.wanted);
    for (const QString &line : outcome.notKept)
        EXPECT_TRUE(missed.contains(line)) << line.toStdString();
}

enum class Fault { LateReply, VeryLateReply, LostReply, CutAfterTaken, NotKept };

sim::PanelFaults faultAt(Fault fault, const std::string &command, int place)
{
    sim::PanelFaults faults;
    faults.onlyCommand = command;
    switch (fault) {
    case Fault::LateReply:
        faults.delayMs = 450;
        break;
    case Fault::VeryLateReply:
        faults.delayMs = 1200;
        break;
    case Fault::LostReply:
        faults.silent = true;
        break;
    case Fault::CutAfterTaken:
        faults.silent = true;
        faults.hangUpAfter = place;
        break;
    case Fault::NotKept:
        faults.forget = true;
        break;
    }
    return faults;
}

// Each part's first, middle and last command.
constexpr int Places[] = {1, 2, 4, 5, 6, 8, 11, 12};

struct FaultRow
{
    int place;
    Result result;
    const char *said; // a line the person reads
    const char *journaled;
};

void runFaultRows(Fault fault, std::initializer_list<FaultRow> rows)
{
    for (const FaultRow &row : rows) {
        SCOPED_TRACE(row.place);
        WriteFixture f;
        changeEverything(f.request);
        const std::string command = commandAt(f.request, row.place);
        const WriteOutcome outcome = f.write(faultAt(fault, command, row.place));
        const QString said = DescribeWriteOutcome(outcome);
        EXPECT_EQ(outcome.result, row.result) << said.toStdString();
        EXPECT_TRUE(said.contains(QString::fromUtf8(row.said))) << said.toStdString();
        EXPECT_EQ(f.entry().result, QString::fromUtf8(row.journaled));
        // A late reply is never taken for the answer to the version question.
        EXPECT_FALSE(said.contains(QStringLiteral("отказалась"))) << said.toStdString();
        f.panel.setFaults({});
        expectClaimsMatchThePanel(outcome, f.request, heldBy(f.panel));
    }
}

const char *const CheckedText = "Записано; охранная панель хранит эти настройки.";

} // namespace

// A reply that comes after its command's budget: the line is read until quiet, the panel asked
// again, the part read back, and the write goes on as acknowledged.
TEST(CheckedWrite, LateReplyIsTakenFromTheReadBack)
{
    for (const Fault fault : {Fault::LateReply, Fault::VeryLateReply}) {
        SCOPED_TRACE(int(fault));
        runFaultRows(fault, {{1, Result::Checked, CheckedText, "записано"},
                             {5, Result::Checked, CheckedText, "записано"},
                             {11, Result::Checked, CheckedText, "записано"},
                             {12, Result::Checked, CheckedText, "записано"}});
    }
}

// The panel takes a command and says nothing: the read-back shows it took it.
TEST(CheckedWrite, LostReplyIsDecidedByTheReadBack)
{
    std::vector<FaultRow> rows;
    for (const int place : Places)
        rows.push_back({place, Result::Checked, CheckedText, "записано"});
    for (const FaultRow &row : rows)
        runFaultRows(Fault::LostReply, {row});
}

// The line goes after the panel took a command and before its reply: the command's part is said
// to be possibly written, never "nothing written", and the way back is named.
TEST(CheckedWrite, LineCutAfterThePanelTookACommandSaysItMayHoldIt)
{
    const char *const mayHold = "неизвестно: она может хранить и новое, и прежнее";
    runFaultRows(Fault::CutAfterTaken,
                 {{1, Result::Interrupted, mayHold, "прервано"},
                  {2, Result::Interrupted, "Записано: ключи (не целиком)", "прервано"},
                  {4, Result::Interrupted, mayHold, "прервано"},
                  {5, Result::Interrupted, "Записано: ключи. ", "прервано"},
                  {6, Result::Interrupted, mayHold, "прервано"},
                  {8, Result::Interrupted, "реле (не целиком)", "прервано"},
                  {11, Result::Interrupted, mayHold, "прервано"},
                  {12, Result::Unchecked, "Записано: ключи, шлейфы и общие настройки, реле.",
                   "записано, не проверено"}});
}

// Acknowledged but not kept, at every place: the setting is named.
TEST(CheckedWrite, AcknowledgedButNotKeptIsNamedWherever)
{
    const char *const notKept = "Охранная панель приняла запись, но не сохранила:\n  ";
    std::vector<FaultRow> rows;
    for (const int place : Places)
        rows.push_back({place, Result::NotKept, notKept, "панель не сохранила часть"});
    for (const FaultRow &row : rows)
        runFaultRows(Fault::NotKept, {row});
}

// A part refused after an earlier part was acknowledged but not kept: both are said, in the text
// and in the journal, and the part not kept is not called written.
TEST(CheckedWrite, RefusalDoesNotHideAnEarlierPartNotKept)
{
    WriteFixture f;
    changeEverything(f.request);
    sim::PanelFaults forget;
    forget.onlyCommand = "+K";
    forget.forget = true;
    f.request.source = [&f](WritePart part, PanelSettings &) {
        if (part != WritePart::Relays)
            return;
        sim::PanelFaults refuse;
        refuse.onlyCommand = commandAt(f.request, 6);
        refuse.refuse = true;
        f.panel.setFaults(refuse);
    };
    const WriteOutcome outcome = f.write(forget);
    const QString said = DescribeWriteOutcome(outcome);
    EXPECT_EQ(outcome.result, Result::Refused);
    EXPECT_EQ(said, QStringLiteral("Охранная панель отказалась принять: реле.\n"
                                   "Охранная панель приняла запись, но не сохранила:\n"
                                   "  Шлейф 1, замыкание: нет → да\n"
                                   "Записано: ключи. Охранная панель хранит теперь часть новых и "
                                   "часть прежних настроек."));
    EXPECT_EQ(f.entry().detail, (QStringList{QStringLiteral("реле"),
                                             QStringLiteral("Шлейф 1, замыкание: нет → да")}));
}
