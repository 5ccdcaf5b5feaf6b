// ports: each port name with its device and whether it can be opened.
#include "Commands.h"
#include "JsonShapes.h"
#include "PortProbe.h"

namespace orvanta::cli {

int RunPorts(const Invocation &call)
{
    QStringList names = PortNames() + call.config.mappedPortNames();
    names.removeDuplicates();
    QJsonArray rows;
    for (const QString &name : names) {
        const QString device = QString::fromStdString(call.config.devicePath(name.toStdString()));
        const PortProbe probe = ProbePort(device);
        if (call.options.json)
            rows.append(PortJson(name, device, probe));
        else
            out << name << "\t" << device << "\t" << probe.describe() << "\n";
    }
    if (call.options.json)
        PrintJson(rows);
    return Done;
}

} // namespace orvanta::cli
