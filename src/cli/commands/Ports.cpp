// ports: each port name with its device and whether it can be opened; the serial adapters with
// their names and stable paths.
#include "cli/Commands.h"
#include "cli/JsonShapes.h"
#include "link/PortProbe.h"
#include "link/PortWatcher.h"

namespace orvanta::cli {

int RunPorts(const Invocation &call)
{
    const PortWatcher adapters(DeviceFolderSetting());
    if (const QString note = adapters.sourceNote(); !note.isEmpty())
        err << note << "\n";
    if (!call.options.json) {
        out << PortsText(call.config);
        return Done;
    }
    QJsonArray rows;
    for (const QString &name : call.config.portNames(adapters.adapters())) {
        const QString device = QString::fromStdString(call.config.devicePath(name.toStdString()));
        rows.append(PortJson(name, device, ProbePort(device), adapters.find(device)));
    }
    PrintJson(rows);
    return Done;
}

} // namespace orvanta::cli
