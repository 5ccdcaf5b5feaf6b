// support: one archive with what the support desk needs to see why, the secrets replaced.
#include "Commands.h"
#include "PortProbe.h"
#include "SupportBundle.h"

namespace orvanta::cli {

int RunSupport(const Invocation &call)
{
    if (call.options.output.isEmpty()) {
        err << CommandHelp(QStringLiteral("support"));
        return BadUse;
    }
    SupportSources sources;
    sources.paths = call.paths;
    sources.toolVersion = QStringLiteral(ORVANTA_VERSION);
    sources.portsText = PortsText(call.config);
    if (const QString failure = WriteSupportBundle(call.options.output, sources);
        !failure.isEmpty()) {
        err << failure << "\n";
        return NotWritten;
    }
    out << call.options.output << "\n";
    return Done;
}

} // namespace orvanta::cli
