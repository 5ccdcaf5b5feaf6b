#pragma once

#include "CommandLine.h"
#include "session/Session.h"

#include <memory>
#include <vector>

namespace orvanta::cli {

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

// The panel found on the port, or on every port in the window's order, for one command.
class PanelSession
{
public:
    // With --verbose the exchange is traced on standard error, the password hidden.
    explicit PanelSession(const Invocation &call);
    // Looks for a panel with the expected firmware on the port, or on COM2 and then every port;
    // says per port why the panel is not there.
    bool find(const QString &port);
    // Every setting, with the memory's use when both its bytes came whole.
    PanelSettings read();
    PanelLink &link() { return m_session.link(); }
    Session &session() { return m_session; }
    const QString &port() const { return m_found.port; }
    const QString &version() const { return m_found.firmware; }
    const std::vector<PortAttempt> &attempts() const { return m_attempts; }

private:
    // Shows the changes and asks on the terminal, unless --yes answered already.
    bool confirmed(const Question &question) const;

    const Options &m_options;
    Session m_session;
    QString m_lastCommand;
    std::vector<PortAttempt> m_attempts;
    PortAttempt m_found;
    std::unique_ptr<Progress> m_progress; // while the session writes
};

// Shows what would change, asks unless --yes, writes through the checked write (snapshot, parts
// in order, read-back, journal) and says how it ended, with the way back. Returns the exit code.
// what names the settings in the question ("Снимок № 3 …"), when they are not the user's file.
int WriteWithSnapshot(PanelSession &panel, const PanelSettings &wanted, const Options &options,
                      const QString &what = {});
// The same over what the panel was just read to hold; snapshot: the journal's number of it, 0
// when nothing was written.
int WriteOver(PanelSession &panel, const PanelSettings &current, const PanelSettings &wanted,
              const Options &options, const QString &what = {}, int *snapshot = nullptr);

} // namespace orvanta::cli
