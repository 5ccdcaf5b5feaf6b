// wait: waits until a panel starts to answer on a port that was absent or silent when the wait
// began, and prints that port, for scripts that set up one panel after another.
#include "cli/Commands.h"
#include "cli/PanelArrival.h"

namespace orvanta::cli {

int RunWait(const Invocation &call)
{
    bool ok = true;
    const int seconds = call.options.timeout.isEmpty() ? 300 : call.options.timeout.toInt(&ok);
    if (!ok || seconds < 0) {
        err << CommandHelp(QStringLiteral("wait"));
        return BadUse;
    }
    const QDeadlineTimer deadline(std::chrono::seconds{seconds});
    PanelConnection connection(call.config, {});
    PanelArrival arrival(call, connection);
    // A panel that answers already is the one the cable just left, unless any will do.
    const QStringList answering = arrival.answeringNow();
    if (call.options.any && !answering.isEmpty()) {
        out << answering.first() << "\n";
        return Done;
    }
    // Said once the ports as they are now are known: a panel that comes from here on counts.
    err << Cli::tr("Ожидание охранной панели (до %1 сек.)…\n").arg(seconds) << Qt::flush;
    if (const QString port = arrival.next(deadline); !port.isEmpty()) {
        out << port << "\n";
        return Done;
    }
    err << Cli::tr("Ни на одном порту не ответила новая охранная панель за %1 сек.\n").arg(seconds);
    return NoPanel;
}

} // namespace orvanta::cli
