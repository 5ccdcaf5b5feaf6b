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
    std::vector<WritePart> parts{std::begin(WriteOrder), std::end(WriteOrder)};
    // Gives a part's settings just before the part is sent (a window's page collects its own);
    // what it throws ends the write there.
    std::function<void(WritePart, PanelSettings &)> source;
};

// How a write ended, as the journal keeps it and the user is told.
struct WriteOutcome
{
    enum class Result {
        Checked,    // every part written and read back as sent
        NotKept,    // the panel acknowledged, but holds other values
        Refused,    // the panel answered a part without accepting it; the write stopped there
        Unchecked,  // written, but the read-back failed: the panel holds what it holds
        Interrupted // the line went, or a part could not be given: the parts before it went
    };
    Result result = Result::Checked;
    int snapshot = 0; // the journal's entry of the write
    QString snapshotPath;
    std::vector<WritePart> written; // the parts the panel acknowledged, in order
    // The part cut off after the panel had acknowledged some of its commands (some keys, say).
    std::optional<WritePart> partlyWritten;
    std::optional<WritePart> refused;
    QStringList notKept;  // in the interface's words
    QString error;        // what cut the write or its check short
    PanelSettings held;   // what the panel holds, as far as it was read
    QString journalError; // the outcome could not be journaled (it is still said)

    bool wroteSomething() const { return !written.empty() || partlyWritten; }
    // Whether held is what the panel holds: every part written was read back.
    bool heldKnown() const
    {
        return result == Result::Checked || result == Result::NotKept || result == Result::Refused;
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
