// The one checked write of settings into the panel, as the window and the command line run it:
// the snapshot first, the parts in order, every command acknowledged, the parts read back, and a
// journal line that says what the panel holds, whatever goes wrong at whichever step.
#include "CheckedWrite.h"
#include "ExchangeLog.h"
#include "PanelExchange.h"
#include "PanelLink.h"
#include "PanelPort.h"
#include "PanelServer.h"
#include "QtPrinters.h"
#include "SnapshotJournal.h"

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
    PanelLink link{comm, log};
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
    const struct
    {
        const char *command;
        WritePart part;
        std::vector<WritePart> before;
    } refusals[] = {
        {"+T01", WritePart::Keys, {}},
        {"+K", WritePart::Loops, parts({WritePart::Keys})},
        {"+k0", WritePart::Relays, parts({WritePart::Keys, WritePart::Loops})},
        {"+Q", WritePart::Password, parts({WritePart::Keys, WritePart::Loops, WritePart::Relays})},
    };
    for (const auto &refusal : refusals) {
        SCOPED_TRACE(refusal.command);
        WriteFixture f;
        sim::PanelFaults refuse;
        refuse.onlyCommand = refusal.command;
        refuse.refuse = true;
        const WriteOutcome outcome = f.write(refuse);
        EXPECT_EQ(outcome.result, Result::Refused);
        EXPECT_EQ(outcome.refused, refusal.part);
        EXPECT_EQ(outcome.written, refusal.before);
        EXPECT_EQ(f.entry().result, QStringLiteral("панель отказала"));
        EXPECT_EQ(f.entry().detail, QStringList{WritePartName(refusal.part, Wording::File)});
        EXPECT_TRUE(DescribeWriteOutcome(outcome).contains(WritePartName(refusal.part)));
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
        const Result expected = answered < 12   ? Result::Interrupted
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
