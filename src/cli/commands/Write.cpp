// write: a settings file into the panel, compared, confirmed and checked.
#include "cli/Commands.h"
#include "cli/PanelSession.h"

namespace orvanta::cli {

int RunWrite(const Invocation &call)
{
    // Refused before anything is sent.
    const PanelSettings wanted = ReadSettingsArgument(call.options.file);
    PanelSession panel(call);
    if (!panel.find(call.options.port))
        return NoPanel;
    return WriteWithSnapshot(panel, wanted, call.options);
}

} // namespace orvanta::cli
