#pragma once

#include <QString>

namespace orvanta {

// Whether a serial device can be opened now, and if not, why: what a user needs to know before
// looking for the panel.
struct PortProbe
{
    enum class State { Free, Busy, NoPermission, Absent, Failed };
    State state = State::Absent;
    QString detail; // who holds it, how to get access, or the system's reason

    QString describe() const;
};

PortProbe ProbePort(const QString &devicePath);

} // namespace orvanta
