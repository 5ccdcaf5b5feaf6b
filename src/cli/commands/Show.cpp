// show: a settings file checked and printed as the tool writes it.
#include "cli/Commands.h"
#include "cli/JsonShapes.h"
#include "panel/SettingsFile.h"

namespace orvanta::cli {

int RunShow(const Invocation &call)
{
    const PanelSettings settings = ReadSettingsArgument(call.options.file);
    if (call.options.json)
        PrintJson(SettingsJson(settings));
    else
        out << SettingsText(settings, true);
    return Done;
}

} // namespace orvanta::cli
