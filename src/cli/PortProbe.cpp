#include "PortProbe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace orvanta {

namespace {

// The process that has the device open, as "name (pid N)", when /proc tells.
QString holderOf(const QString &devicePath)
{
    const QString device = QFileInfo(devicePath).canonicalFilePath();
    const QString self = QString::number(::getpid());
    for (const QString &pid :
         QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (pid == self || pid.toInt() == 0)
            continue;
        const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
        for (const QFileInfo &fd :
             fds.entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot)) {
            if (fd.symLinkTarget() != device)
                continue;
            QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
            const QString name = comm.open(QIODevice::ReadOnly)
                                     ? QString::fromUtf8(comm.readAll()).trimmed()
                                     : QStringLiteral("?");
            return QStringLiteral("%1 (pid %2)").arg(name, pid);
        }
    }
    return {};
}

} // namespace

QString PortProbe::describe() const
{
    QString text;
    switch (state) {
    case State::Free:
        text = QStringLiteral("свободен");
        break;
    case State::Busy:
        text = QStringLiteral("занят");
        break;
    case State::NoPermission:
        text = QStringLiteral("нет доступа");
        break;
    case State::Absent:
        text = QStringLiteral("нет устройства");
        break;
    case State::Failed:
        text = QStringLiteral("не открывается");
        break;
    }
    return detail.isEmpty() ? text : text + QStringLiteral(": ") + detail;
}

PortProbe ProbePort(const QString &devicePath)
{
    PortProbe probe;
    if (!QFileInfo::exists(devicePath))
        return probe;
    const int fd = ::open(QFile::encodeName(devicePath).constData(),
                          O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == EACCES || error == EPERM) {
            probe.state = PortProbe::State::NoPermission;
            probe.detail =
                QStringLiteral("добавьте пользователя в группу dialout "
                               "(sudo usermod -aG dialout $USER) и войдите в систему заново");
        } else if (error == EBUSY) {
            probe.state = PortProbe::State::Busy;
            probe.detail = holderOf(devicePath);
        } else if (error == ENOENT || error == ENXIO || error == ENODEV) {
            probe.state = PortProbe::State::Absent;
        } else {
            probe.state = PortProbe::State::Failed;
            probe.detail = QString::fromLocal8Bit(std::strerror(error));
        }
        return probe;
    }
    // The tool and other careful programs hold a port with an exclusive lock.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        probe.state = PortProbe::State::Busy;
        probe.detail = holderOf(devicePath);
    } else {
        probe.state = PortProbe::State::Free;
    }
    ::close(fd);
    return probe;
}

} // namespace orvanta
