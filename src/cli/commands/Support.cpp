// support: one archive with what the support desk needs to see why, the secrets replaced.
#include "cli/Commands.h"
#include "link/PortProbe.h"
#include "report/SupportBundle.h"

#include <QDateTime>

namespace orvanta::cli {

int RunSupport(const Invocation &call)
{
    SupportSources sources;
    sources.paths = call.paths;
    sources.toolVersion = QStringLiteral(ORVANTA_VERSION);
    sources.portsText = PortsText(call.config);
    // Without -o, a name of its own in the current folder: a second bundle never replaces the
    // first.
    const QString output = call.options.output.isEmpty()
                               ? SupportBundleName(QDateTime::currentDateTime())
                               : call.options.output;
    QStringList absent;
    const int status = SaveOutput(output, [&sources, &absent](const QString &path) {
        return WriteSupportBundle(path, sources, &absent);
    });
    for (const QString &note : absent)
        err << note << "\n";
    return status;
}

} // namespace orvanta::cli
