// read: every setting of the panel into a settings file, or to standard output.
#include "cli/Commands.h"
#include "cli/PanelSession.h"
#include "panel/SettingsFile.h"

namespace orvanta::cli {

int RunRead(const Invocation &call)
{
    const Options &options = call.options;
    PanelSession panel(call);
    if (!panel.find(options.port))
        return NoPanel;
    const PanelSettings settings = panel.read();
    if (options.output.isEmpty() || options.output == QLatin1String("-"))
        out << SettingsText(settings, options.password);
    else
        WriteSettingsFile(options.output, settings, options.password);
    return Done;
}

} // namespace orvanta::cli
