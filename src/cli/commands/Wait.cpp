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
    // falls silent, its port counts again.
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
    while (!deadline.hasExpired()) {
        // An adapter that comes ends the round at once; the others are asked once a second.
        QTimer::singleShot(std::min<qint64>(RoundMs, deadline.remainingTime()), &loop,
                           &QEventLoop::quit);
        loop.exec();
        for (const QString &port : portsNow(watcher, call)) {
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
