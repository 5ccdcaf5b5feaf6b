#pragma once

#include "PanelExchange.h"
#include "PanelSettings.h"
#include "SettingsFile.h"

#include <QCoreApplication>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace orvanta {

class PanelLink;
class SnapshotJournal;

// What a write asks of the panel.
struct WriteRequest
{
    PanelSettings current; // what the panel holds, read whole just before: kept as the snapshot
    PanelSettings wanted;  // what it should hold; a part it does not hold is not sent
    QString port;          // for the journal
    QString site;          // for the journal: the name the user gave the panel's site
    Secrets secrets = Secrets::Shown; // in the settings the outcome says were not kept
    std::vector<WritePart> parts{std::begin(WriteOrder), std::end(WriteOrder)};
    // Gives a part's settings just before the part is sent (a window's page collects its own);
    // what it throws ends the write there.
    std::function<void(WritePart, PanelSettings &)> source;
};

// How a write ended, as the journal keeps it and the user is told. Every statement rests on
// evidence: an acknowledgement, a read-back, or an outcome said to be unknown.
struct WriteOutcome
{
    // By precedence: a part refused or not kept, then a write cut before its end, then an outcome
    // that could not be learnt.
    enum class Result {
        Checked,    // every part written and read back as sent
        NotKept,    // the panel holds other values than it was sent (it acknowledged them, or
                    // took a command in silence and holds the old value)
        Refused,    // the panel answered a command without accepting it and holds the old value
        Unchecked,  // every command went, but what the panel holds could not all be read
        Interrupted // the line went, or a part could not be given, before every command went
    };
    Result result = Result::Checked;
    int snapshot = 0; // the journal's entry of the write
    QString snapshotPath;
    // The parts whose every command the panel took (acknowledged, or found held), in order.
    std::vector<WritePart> written;
    // The part cut off after the panel had taken some of its commands (some keys, say).
    std::optional<WritePart> partlyWritten;
    // The part whose last command went out, but whether the panel took it could not be learnt.
    std::optional<WritePart> uncertain;
    // The part whose command the panel did not take and does not hold: it answered without "OK"
    // (refused) or said nothing at all (unanswered).
    std::optional<WritePart> refused;
    bool unanswered = false;
    QStringList notKept; // in the interface's words, of every part read back
    QStringList notKeptInJournal;
    std::vector<WritePart> partsNotKept;
    bool allSent = false;  // every command of every part went and was taken or refused
    bool cut = false;      // the line went, or a part could not be given, before the end
    QString error;         // what cut the write or its check short
    PanelSettings held;    // what the panel holds, as far as it was read
    bool heldRead = false; // every part the write may have changed was read back
    QString journalError;  // the outcome could not be journaled (it is still said)

    bool wroteSomething() const { return !written.empty() || partlyWritten || uncertain; }
    // Whether held is what the panel holds: every part the write may have changed was read back.
    bool heldKnown() const
    {
        return heldRead && (result == Result::Checked || result == Result::NotKept ||
                            result == Result::Refused);
    }
};

// The one write of settings into the panel, for the window and the command line alike: the
// snapshot of what the panel held is kept first (nothing is written without it), the parts go in
// their order, each command must be acknowledged, every part written is read back and compared,
// and the journal says how it ended. Throws EInOutError only when the snapshot cannot be kept:
// then nothing was sent.
WriteOutcome WriteChecked(PanelLink &link, SnapshotJournal &journal, const WriteRequest &request);

// A part's name in the interface's language, or in the journal's words.
QString WritePartName(WritePart part, Wording wording = Wording::Interface);
// What the panel holds after the write, for a person, without the way back.
QString DescribeWriteOutcome(const WriteOutcome &outcome);

struct JournalEntry;
// A warning before a snapshot goes back into a panel on another port or with other firmware than
// the one it was taken from, naming both; empty when they are the same.
QString ForeignSnapshotWarning(const JournalEntry &entry, const QString &port,
                               const QString &firmware);

} // namespace orvanta
