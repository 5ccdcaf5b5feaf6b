// report: the settings report, an A4 PDF, of the panel or of a settings file.
#include "cli/Commands.h"
#include "cli/PanelSession.h"
#include "report/SettingsReport.h"
#include "session/Session.h"
#include "voice/MessageList.h"

#include <QFileInfo>

namespace orvanta::cli {

namespace {

// The messages of the lists the window keeps, where there are any.
std::vector<ReportMessage> listedMessages(const AppPaths &paths)
{
    if (!QFileInfo::exists(paths.inLists(MessagesFile)) &&
        !QFileInfo::exists(paths.inLists(SoundsFile)))
        return {};
    MessageList list(paths.soundHome);
    list.load(paths.inLists(MessagesFile), paths.inLists(SoundsFile));
    return ReportMessages(list);
}

} // namespace

int RunReport(const Invocation &call)
{
    const Options &options = call.options;
    ReportInput input;
    input.time = QDateTime::currentDateTime();
    if (!options.file.isEmpty()) {
        // Refused before any file is made.
        input.settings = ReadSettingsArgument(options.file);
        input.source = options.file;
        // What a panel said of its memory when the file was read is no figure of any panel
        // now: the report counts the lists instead.
        input.settings.usedSeconds.reset();
    } else {
        PanelSession panel(call);
        if (!panel.find(options.port))
            return NoPanel;
        input.settings = panel.read();
        input.source = panel.port();
    }
    input.messages = listedMessages(call.paths);
    // A site has the writes journalled under its name; else a settings file has no writes of its
    // own, and a panel those of its port and firmware.
    const QString site = options.site.trimmed();
    Session::AddJournals(input, options.file.isEmpty() ? input.source : QString(), site);
    const QString named = SiteFileName(site);
    const QString output = !options.output.isEmpty() ? options.output
                           : named.isEmpty()         ? QStringLiteral("report.pdf")
                                                     : QStringLiteral("report-%1.pdf").arg(named);
    return SaveOutput(output,
                      [&input](const QString &path) { return WriteReportPdf(path, input); });
}

} // namespace orvanta::cli
