#include "PanelConnection.h"

#include <QCoreApplication>

#include "PanelExchange.h"
#include "comm/XComErr.h"
#include "core/Errors.h"
#include "link/PanelPort.h"
#include "link/PortProbe.h"

#include <map>

namespace orvanta {

QString PortAttempt::describe() const
{
    const QString name =
        device.isEmpty() || device == port ? port : QStringLiteral("%1 (%2)").arg(port, device);
    return failure.isEmpty() ? name + QStringLiteral(": ") + firmware
                             : name + QStringLiteral(": ") + failure;
}

QString FailedPortsText(const std::vector<PortAttempt> &attempts)
{
    QStringList order;
    std::map<QString, QString> lines;
    for (const PortAttempt &attempt : attempts) {
        if (attempt.found())
            continue;
        if (!lines.count(attempt.port))
            order += attempt.port;
        lines[attempt.port] = attempt.describe();
    }
    QStringList text;
    for (const QString &port : order)
        text += lines[port];
    return text.join(QLatin1Char('\n'));
}

PanelConnection::PanelConnection(const AppConfig &config, const QString &logPath)
    : m_config(config)
    , m_log(logPath)
{
    ApplyPanelPortDefaults(m_comm);
    m_comm.SetDeviceResolver([this](const std::string &name) { return m_config.devicePath(name); });
}

PortAttempt PanelConnection::tryPort(const QString &port)
{
    PortAttempt attempt{
        port, QString::fromStdString(m_config.devicePath(port.toStdString())), {}, {}};
    m_link.OpenPort(port);
    if (!m_link.IsOpened()) {
        m_link.setConnected(false);
        const PortProbe probe = ProbePort(attempt.device);
        // A device that opens for the probe failed the tool for a reason of the moment.
        attempt.failure =
            probe.state == PortProbe::State::Free
                ? QCoreApplication::translate("orvanta::PanelConnection", "не открывается")
                : probe.describe();
        return attempt;
    }
    try {
        attempt.firmware = m_link.query(QStringLiteral("+v"));
    } catch (const EDeviceError &error) {
        // An adapter pulled while it is asked: no panel there, which a search goes on from.
        m_link.setConnected(false);
        m_comm.CloseDevice();
        attempt.failure = ErrorText(error);
        return attempt;
    }
    if (IsExpectedFirmware(attempt.firmware))
        return attempt;
    m_link.setConnected(false);
    attempt.failure =
        attempt.firmware.isEmpty()
            ? QCoreApplication::translate("orvanta::PanelConnection", "нет ответа")
            : QCoreApplication::translate("orvanta::PanelConnection",
                                          "ответило устройство с другой прошивкой: \"%1\"")
                  .arg(attempt.firmware);
    return attempt;
}

std::vector<PortAttempt> PanelConnection::find(const QStringList &ports)
{
    std::vector<PortAttempt> attempts;
    QStringList tried;
    for (const QString &port : ports) {
        if (tried.contains(port))
            continue;
        tried += port;
        attempts.push_back(tryPort(port));
        if (attempts.back().found())
            break;
    }
    return attempts;
}

} // namespace orvanta
