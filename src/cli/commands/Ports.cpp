// ports: each port name with its device and whether it can be opened; the serial adapters with
// their names and stable paths.
#include "Commands.h"
#include "JsonShapes.h"
#include "PortProbe.h"
#include "PortWatcher.h"

namespace orvanta::cli {

int RunPorts(const Invocation &call)
{
    const PortWatcher adapters(DeviceFolderSetting());
    QStringList names = PortNames(adapters.adapters()) + call.config.mappedPortNames();
    names.removeDuplicates();
    QJsonArray rows;
    for (const QString &name : names) {
        const QString device = QString::fromStdString(call.config.devicePath(name.toStdString()));
        const PortProbe probe = ProbePort(device);
        const SerialAdapter *adapter = adapters.find(device);
        if (call.options.json) {
            rows.append(PortJson(name, device, probe, adapter));
            continue;
        }
        out << name << "\t" << device << "\t" << probe.describe();
        if (adapter)
            out << "\t" << adapter->name() << "\t" << adapter->stablePath;
        out << "\n";
    }
    if (call.options.json)
        PrintJson(rows);
    return Done;
}

} // namespace orvanta::cli
