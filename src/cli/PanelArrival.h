#pragma once

#include "CommandLine.h"
#include "link/PortWatcher.h"
#include "panel/PanelConnection.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QHash>

namespace orvanta::cli {

// The panels that come to the ports, one after another: a port counts once a panel starts to
// answer on it where none answered before. A port that answers stays known until it falls silent,
// its adapter goes, or its name opens another device than it did, however soon the name comes
// back: the next panel plugged in under the same name is a new one.
class PanelArrival
{
public:
    // The ports are --port, else Config.ini's names of the adapters as they come and go.
    PanelArrival(const Invocation &call, PanelConnection &connection);

    // Asks every port as it is now; those that answer are known. Their names, in the ports' order.
    QStringList answeringNow();
    // The port of a panel that is there already: it counts again once it fell silent or went.
    void known(const QString &port);
    // The port of the next panel that starts to answer; empty once the deadline passed or
    // cancel() was called.
    QString next(const QDeadlineTimer &deadline);
    // Ends next() at once, from a signal's notifier or a timer.
    void cancel();
    bool cancelled() const { return m_cancelled; }
    // The adapter behind a port, when it is one the system lists.
    SerialAdapter adapterOf(const QString &port) const;

private:
    QStringList portsNow() const;
    // The device node a port opens now, as the system tells one node from another: a node made
    // anew for an adapter plugged in again differs, whatever its name.
    QString nodeOf(const QString &port) const;
    void forgetAdapter(const SerialAdapter &adapter);

    const Invocation &m_call;
    PanelConnection &m_connection;
    PortWatcher m_watcher;
    QEventLoop m_loop;
    QHash<QString, QString> m_answering; // port → the node it opened then
    bool m_cancelled = false;
};

} // namespace orvanta::cli
