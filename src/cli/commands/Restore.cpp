// restore: writes snapshot N back, with the same compare, confirm and verify as a write.
#include "cli/Commands.h"
#include "cli/PanelSession.h"
#include "panel/CheckedWrite.h"
#include "panel/SnapshotJournal.h"

namespace orvanta::cli {

int RunRestore(const Invocation &call)
{
    const Options &options = call.options;
    bool ok = false;
    const int number = options.file.toInt(&ok);
    if (!ok) {
        err << CommandHelp(QStringLiteral("restore"));
        return BadUse;
    }
    SnapshotJournal journal;
    PanelSettings snapshot = journal.snapshot(number);
    JournalEntry taken;
    for (const JournalEntry &entry : journal.entries())
        if (entry.number == number)
            taken = entry;
    out << Cli::tr("Снимок № %1 от %2, порт %3, %4\n")
               .arg(number)
               .arg(JournalTimeText(taken.time), taken.port, taken.firmware);
    PanelSession panel(call);
    if (!panel.find(options.port))
        return NoPanel;
    if (const QString foreign = ForeignSnapshotWarning(taken, panel.port(), panel.version());
        !foreign.isEmpty())
        err << foreign << "\n";
    // Said once above, with the port: not again as a file from another firmware.
    snapshot.version.reset();
    return WriteWithSnapshot(panel, snapshot, options);
}

} // namespace orvanta::cli
