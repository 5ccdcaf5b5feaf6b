// history: the journal of writes, each with the snapshot taken before it.
#include "cli/Commands.h"
#include "cli/JsonShapes.h"
#include "panel/SnapshotJournal.h"

namespace orvanta::cli {

int RunHistory(const Invocation &call)
{
    QJsonArray entries;
    for (const JournalEntry &entry : SnapshotJournal().entries()) {
        if (call.options.json)
            entries.append(JournalEntryJson(entry));
        else
            out << JournalEntryFields(entry).join(QLatin1Char('\t')) << "\n";
    }
    if (call.options.json)
        PrintJson(entries);
    return Done;
}

} // namespace orvanta::cli
