#pragma once

#include "comm/XComDrv.h"
#include "link/AppConfig.h"
#include "link/ExchangeLog.h"
#include "link/PanelLink.h"

#include <QStringList>
#include <vector>

namespace orvanta {

// What became of one port in the search for the panel.
struct PortAttempt
{
    QString port;     // the name tried: "COM3" or a device path
    QString device;   // the device that name opens
    QString firmware; // the firmware line, when something answered "+v"
    QString failure;  // why the panel is not there; empty when it is

    bool found() const { return failure.isEmpty(); }
    // "COM3 (/dev/ttyUSB0): занят: flock (pid 812)"
    QString describe() const;
};

// The failed attempts a line each, every port once with its last reason, in the order the ports
// were first tried.
QString FailedPortsText(const std::vector<PortAttempt> &attempts);

// The panel's serial port put together once for the window and the command line: the serial
// component with the panel's line settings and Config.ini's port names, the exchange log, the
// command link, and the one way of finding the panel on a port.
class PanelConnection
{
public:
    PanelConnection(const AppConfig &config, const QString &logPath);

    TXComm &comm() { return m_comm; }
    ExchangeLog &log() { return m_log; }
    PanelLink &link() { return m_link; }
    Activity &activity() { return m_activity; }

    // Opens the port and asks for the firmware. The panel is there when it answers with the
    // expected firmware; otherwise the attempt says why not (a port that fails while it is asked
    // too), and the link is not connected.
    PortAttempt tryPort(const QString &port);
    // Tries the ports in turn, each name once, until the panel answers; every attempt made, the
    // last one the panel's when it was found.
    std::vector<PortAttempt> find(const QStringList &ports);

private:
    const AppConfig &m_config;
    TXComm m_comm{"XComm1"};
    ExchangeLog m_log;
    Activity m_activity; // beside the link: a sound plays without the serial port
    PanelLink m_link{m_comm, m_log, m_activity};
};

} // namespace orvanta
