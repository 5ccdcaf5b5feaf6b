// support: one archive with what the support desk needs to see why, the secrets replaced.
#include "cli/Commands.h"
#include "report/SupportBundle.h"
#include "session/Session.h"

#include <QDateTime>

namespace orvanta::cli {

int RunSupport(const Invocation &call)
{
    Session session(call.paths, call.config, {});
    // Without -o, a name of its own in the current folder: a second bundle never replaces the
    // first.
    const QString output = call.options.output.isEmpty()
                               ? SupportBundleName(QDateTime::currentDateTime())
                               : call.options.output;
    QStringList absent;
    session.setSite(call.options.site);
    const QString sites = call.options.sites;
    const int status = SaveOutput(output, [&session, &absent, &sites](const QString &path) {
        const std::optional<Failure> failure =
            session.saveSupportBundle(path, QStringLiteral(ORVANTA_VERSION), &absent, sites);
        return failure ? failure->text() : QString();
    });
    for (const QString &note : absent)
        err << note << "\n";
    return status;
}

} // namespace orvanta::cli
