// diff: the settings in which the panel differs from a file.
#include "cli/Commands.h"
#include "cli/JsonShapes.h"
#include "cli/PanelSession.h"
#include "panel/SettingsFile.h"

namespace orvanta::cli {

int RunDiff(const Invocation &call)
{
    const PanelSettings wanted = ReadSettingsArgument(call.options.file);
    PanelSession panel(call);
    if (!panel.find(call.options.port))
        return NoPanel;
    const PanelSettings current = panel.read();
    const QStringList changes =
        CompareSettings(current, wanted, Wording::Interface, SecretsShown(call.options));
    if (call.options.json)
        PrintJson(ChangesJson(CompareSettings(current, wanted, Wording::File)));
    else
        PrintLines(out, changes);
    return changes.isEmpty() ? Done : Differs;
}

} // namespace orvanta::cli
