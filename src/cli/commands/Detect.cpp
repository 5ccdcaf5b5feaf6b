// detect: the first port the panel answers on, with its firmware.
#include "cli/Commands.h"
#include "cli/JsonShapes.h"
#include "cli/PanelSession.h"

namespace orvanta::cli {

int RunDetect(const Invocation &call)
{
    PanelSession panel(call);
    const bool found = panel.find(call.options.port);
    if (call.options.json) {
        QJsonArray attempts;
        for (const PortAttempt &attempt : panel.attempts())
            attempts.append(AttemptJson(attempt));
        PrintJson(QJsonObject{{QStringLiteral("found"), found},
                              {QStringLiteral("port"), panel.port()},
                              {QStringLiteral("firmware"), panel.version()},
                              {QStringLiteral("attempts"), attempts}});
    } else if (found) {
        out << panel.port() << "\t" << panel.version() << "\n";
    }
    return found ? Done : NoPanel;
}

} // namespace orvanta::cli
