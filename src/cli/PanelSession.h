#pragma once

#include "CommandLine.h"
#include "panel/PanelConnection.h"

#include <vector>

namespace orvanta::cli {

// The panel found on the port, or on every port in the window's order, for one command.
class PanelSession
{
public:
    // With --verbose the exchange is traced on standard error, the password hidden.
    PanelSession(const AppConfig &config, const Options &options);
    // Looks for a panel with the expected firmware on the port, or on COM2 and then every port;
    // says per port why the panel is not there.
    bool find(const QString &port);
    // Every setting, with the memory's use when both its bytes came whole.
    PanelSettings read();
    PanelLink &link() { return m_connection.link(); }
    const QString &port() const { return m_found.port; }
    const QString &version() const { return m_found.firmware; }
    const std::vector<PortAttempt> &attempts() const { return m_attempts; }

private:
    const AppConfig &m_config;
    PanelConnection m_connection;
    QString m_lastCommand;
    std::vector<PortAttempt> m_attempts;
    PortAttempt m_found;
};

// Counts the commands of long work on standard error, only when that is a terminal.
class Progress
{
public:
    Progress(PanelLink &link, const QString &what);
    ~Progress();
    Progress(const Progress &) = delete;
    Progress &operator=(const Progress &) = delete;

private:
    QMetaObject::Connection m_connection;
    int m_commands = 0;
};

// Shows what would change, asks unless --yes, writes through the checked write (snapshot, parts
// in order, read-back, journal) and says how it ended, with the way back. Returns the exit code.
int WriteWithSnapshot(PanelSession &panel, const PanelSettings &wanted, const Options &options);

} // namespace orvanta::cli
