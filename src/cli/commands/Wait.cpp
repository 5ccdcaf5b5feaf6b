// wait: waits until a panel starts to answer on a port that was absent or silent when the wait
// began, and prints that port, for scripts that set up one panel after another.
#include "cli/Commands.h"
#include "link/PortWatcher.h"
#include "panel/PanelConnection.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QSet>
#include <QTimer>

namespace orvanta::cli {

namespace {

// How long a round waits for an adapter to come before the ports are asked again.
constexpr int RoundMs = 1000;

QStringList portsNow(const PortWatcher &watcher, const Invocation &call)
{
    if (!call.options.port.isEmpty())
        return {call.options.port};
    return call.config.portNames(watcher.adapters());
}

} // namespace

int RunWait(const Invocation &call)
{
    bool ok = true;
    const int seconds = call.options.timeout.isEmpty() ? 300 : call.options.timeout.toInt(&ok);
    if (!ok || seconds < 0) {
        err << CommandHelp(QStringLiteral("wait"));
        return BadUse;
    }
    const QDeadlineTimer deadline(std::chrono::seconds{seconds});
    PortWatcher watcher(DeviceFolderSetting());
    PanelConnection connection(call.config, {});
    // A panel that answers already is the one the cable just left, unless any will do; once it
    // falls silent or its adapter goes, its port counts again, however soon the name comes back.
    QSet<QString> answering;
    for (const QString &port : portsNow(watcher, call)) {
        if (!connection.tryPort(port).found())
            continue;
        if (call.options.any) {
            out << port << "\n";
            return Done;
        }
        answering.insert(port);
    }
    // Said once the ports as they are now are known: a panel that comes from here on counts.
    err << Cli::tr("Ожидание охранной панели (до %1 сек.)…\n").arg(seconds) << Qt::flush;
    QEventLoop loop;
    QObject::connect(&watcher, &PortWatcher::added, &loop, &QEventLoop::quit);
    // A port is its adapter by the device it opens, whatever name it was given.
    QObject::connect(&watcher, &PortWatcher::removed, &loop, [&](const SerialAdapter &adapter) {
        for (auto port = answering.begin(); port != answering.end();) {
            const QString device =
                QString::fromStdString(call.config.devicePath(port->toStdString()));
            const bool gone = *port == adapter.path || *port == adapter.stablePath ||
                              device == adapter.path || device == adapter.stablePath;
            port = gone ? answering.erase(port) : std::next(port);
        }
    });
    while (!deadline.hasExpired()) {
        // An adapter that comes ends the round at once; the others are asked once a second.
        QTimer::singleShot(std::min<qint64>(RoundMs, deadline.remainingTime()), &loop,
                           &QEventLoop::quit);
        loop.exec();
        const QStringList ports = portsNow(watcher, call);
        // A port no longer listed is forgotten, even when its going was not seen.
        for (auto port = answering.begin(); port != answering.end();)
            port = ports.contains(*port) ? std::next(port) : answering.erase(port);
        for (const QString &port : ports) {
            if (!connection.tryPort(port).found())
                answering.remove(port);
            else if (!answering.contains(port)) {
                out << port << "\n";
                return Done;
            }
        }
    }
    err << Cli::tr("Ни на одном порту не ответила новая охранная панель за %1 сек.\n").arg(seconds);
    return NoPanel;
}

} // namespace orvanta::cli
