#pragma once

#include <QString>

namespace orvanta {

// Whether a serial device can be opened now, and if not, why: what a user needs to know before
// looking for the panel.
struct PortProbe
{
    enum class State { Free, Busy, NoPermission, Absent, NotSerial, Failed };
    State state = State::Absent;
    QString detail; // who holds it, how to get access, or the system's reason

    QString describe() const;
};

PortProbe ProbePort(const QString &devicePath);

class AppConfig;

// Every port the tool would try, a line each: its name, device and state, and for a serial adapter
// its name and stable path, tab-separated (what orvanta-cli ports prints).
QString PortsText(const AppConfig &config);

// The program holding the device, as "name (pid N)": the owner of its lock when it has one,
// else the first other process that has it open; empty when /proc does not tell.
QString PortHolder(const QString &devicePath);

// What would let this user open the device: joining the group that owns it, logging in again
// after having joined, or, when the group may not read and write it either, its owner's consent.
QString AccessAdvice(const QString &devicePath);

} // namespace orvanta
