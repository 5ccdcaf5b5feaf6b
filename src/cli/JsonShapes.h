#pragma once

#include "link/PortProbe.h"
#include "link/PortWatcher.h"
#include "panel/PanelConnection.h"
#include "panel/PanelSettings.h"
#include "panel/SnapshotJournal.h"

#include <QJsonArray>
#include <QJsonObject>

namespace orvanta {

// What orvanta-cli prints with --json: one fixed shape per command, the same words as its text.

// {"port": "COM2", "device": "/dev/ttyS1", "state": "busy", "detail": "minicom (pid 4711)",
//  "adapter": "FT232R USB UART (A10K3ZQ1)", "stablePath": "/dev/serial/by-id/…"}
// state: free, busy, no-permission, absent, not-serial, failed; adapter and stablePath empty for
// a port that is no serial adapter, or where the system does not know them.
QJsonObject PortJson(const QString &port, const QString &device, const PortProbe &probe,
                     const SerialAdapter *adapter = nullptr);
// {"port", "device", "firmware", "failure"}: failure empty where the panel answered.
QJsonObject AttemptJson(const PortAttempt &attempt);
// {"format": 1, "settings": [{"name": "Шлейф 1, замыкание", "value": "нет"}, …]} in the
// file's order, the password among them.
QJsonObject SettingsJson(const PanelSettings &settings);
// [{"setting": …, "panel": "нет", "file": "да"}, …]
QJsonArray ChangesJson(const QStringList &changes);
// {"number", "time" (ISO 8601), "port", "firmware", "result", "changes": [as ChangesJson],
// "detail": [text, …]}; a damaged line of the journal: {"number": 0, "result", "line"}.
QJsonObject JournalEntryJson(const JournalEntry &entry);

} // namespace orvanta
