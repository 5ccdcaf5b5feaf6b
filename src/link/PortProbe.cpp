#include "PortProbe.h"

#include "AppConfig.h"
#include "PortWatcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <vector>

namespace orvanta {

namespace {

QString programName(const QString &pid)
{
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    const QString name =
        comm.open(QIODevice::ReadOnly) ? QString::fromUtf8(comm.readAll()).trimmed() : QString();
    return QStringLiteral("%1 (pid %2)").arg(name.isEmpty() ? QStringLiteral("?") : name, pid);
}

// The pid that holds a lock on the file, from /proc/locks: "1: FLOCK ADVISORY WRITE 1234
// 00:05:87 0 EOF", the device's major and minor in hex and the inode in decimal.
QString lockOwner(const QString &devicePath)
{
    struct stat info = {};
    if (::stat(QFile::encodeName(devicePath).constData(), &info) != 0)
        return {};
    const QString file = QStringLiteral("%1:%2:%3")
                             .arg(major(info.st_dev), 2, 16, QLatin1Char('0'))
                             .arg(minor(info.st_dev), 2, 16, QLatin1Char('0'))
                             .arg(quint64(info.st_ino));
    QFile locks(QStringLiteral("/proc/locks"));
    if (!locks.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray &line : locks.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        // A waiting lock ("->") has one field more and holds nothing.
        if (fields.size() >= 6 && fields[1] != "->" &&
            QString::fromLatin1(fields[5]).compare(file, Qt::CaseInsensitive) == 0 &&
            fields[4].toLongLong() > 0)
            return QString::fromLatin1(fields[4]);
    }
    return {};
}

// The first process other than this one with the device open.
QString openedBy(const QString &devicePath)
{
    const QString device = QFileInfo(devicePath).canonicalFilePath();
    const QString self = QString::number(::getpid());
    for (const QString &pid :
         QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (pid == self || pid.toInt() == 0)
            continue;
        const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
        for (const QFileInfo &fd :
             fds.entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot))
            if (fd.symLinkTarget() == device)
                return pid;
    }
    return {};
}

bool inGroupNow(gid_t group)
{
    if (::getegid() == group)
        return true;
    std::vector<gid_t> groups(size_t(std::max(::getgroups(0, nullptr), 0)));
    const int count = ::getgroups(int(groups.size()), groups.data());
    for (int i = 0; i < count; ++i)
        if (groups[size_t(i)] == group)
            return true;
    return false;
}

// Whether the user is listed as a member of the group (in the group database), which a running
// session only sees after a new login.
bool listedInGroup(const struct group &entry)
{
    const struct passwd *user = ::getpwuid(::geteuid());
    if (!user)
        return false;
    for (char **member = entry.gr_mem; member && *member; ++member)
        if (std::strcmp(*member, user->pw_name) == 0)
            return true;
    return false;
}

} // namespace

QString PortHolder(const QString &devicePath)
{
    // The lock stays with its open file after the program that took it ended (a child may have
    // it still); then the program that has the device open is the one to name.
    QString pid = lockOwner(devicePath);
    if (pid.isEmpty() || pid == QString::number(::getpid()) ||
        !QFileInfo::exists(QStringLiteral("/proc/") + pid))
        pid = openedBy(devicePath);
    return pid.isEmpty() ? QString() : programName(pid);
}

QString AccessAdvice(const QString &devicePath)
{
    struct stat info = {};
    if (::stat(QFile::encodeName(devicePath).constData(), &info) != 0)
        return {};
    const struct group *entry = ::getgrgid(info.st_gid);
    const QString group =
        entry ? QString::fromLocal8Bit(entry->gr_name) : QString::number(info.st_gid);
    const struct passwd *owner = ::getpwuid(info.st_uid);
    const QString ownerName =
        owner ? QString::fromLocal8Bit(owner->pw_name) : QString::number(info.st_uid);
    const bool groupMayUse = (info.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP);
    if (!groupMayUse)
        return QCoreApplication::translate(
                   "orvanta::PortProbe",
                   "устройство открыто только владельцу %1 (права %2); группа %3 "
                   "доступа не дает, вступать в нее бесполезно: нужно правило udev "
                   "или права, выданные администратором")
            .arg(ownerName)
            .arg(info.st_mode & 0777, 4, 8, QLatin1Char('0'))
            .arg(group);
    if (inGroupNow(info.st_gid))
        return QCoreApplication::translate("orvanta::PortProbe",
                                           "вы в группе %1, но и ей устройство сейчас не открыто")
            .arg(group);
    if (entry && listedInGroup(*entry))
        return QCoreApplication::translate("orvanta::PortProbe",
                                           "вы уже добавлены в группу %1: войдите в систему заново")
            .arg(group);
    return QCoreApplication::translate(
               "orvanta::PortProbe",
               "устройство принадлежит группе %1: добавьте пользователя в нее "
               "(sudo usermod -aG %1 $USER) и войдите в систему заново")
        .arg(group);
}

QString PortProbe::describe() const
{
    QString text;
    switch (state) {
    case State::Free:
        text = QCoreApplication::translate("orvanta::PortProbe", "свободен");
        break;
    case State::Busy:
        text = QCoreApplication::translate("orvanta::PortProbe", "занят");
        break;
    case State::NoPermission:
        text = QCoreApplication::translate("orvanta::PortProbe", "нет доступа");
        break;
    case State::Absent:
        text = QCoreApplication::translate("orvanta::PortProbe", "нет устройства");
        break;
    case State::NotSerial:
        text = QCoreApplication::translate("orvanta::PortProbe", "не последовательный порт");
        break;
    case State::Failed:
        text = QCoreApplication::translate("orvanta::PortProbe", "не открывается");
        break;
    }
    return detail.isEmpty() ? text : text + QStringLiteral(": ") + detail;
}

PortProbe ProbePort(const QString &devicePath)
{
    PortProbe probe;
    if (!QFileInfo::exists(devicePath))
        return probe;
    // Only a character device can be a serial line: anything else (a user's file named by
    // mistake) is not even opened.
    struct stat info = {};
    if (::stat(QFile::encodeName(devicePath).constData(), &info) == 0 && !S_ISCHR(info.st_mode)) {
        probe.state = PortProbe::State::NotSerial;
        return probe;
    }
    const int fd = ::open(QFile::encodeName(devicePath).constData(),
                          O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == EACCES || error == EPERM) {
            probe.state = PortProbe::State::NoPermission;
            probe.detail = AccessAdvice(devicePath);
        } else if (error == EBUSY) {
            probe.state = PortProbe::State::Busy;
            probe.detail = PortHolder(devicePath);
        } else if (error == ENOENT || error == ENXIO || error == ENODEV) {
            probe.state = PortProbe::State::Absent;
        } else {
            probe.state = PortProbe::State::Failed;
            probe.detail = QString::fromLocal8Bit(std::strerror(error));
        }
        return probe;
    }
    if (!::isatty(fd)) {
        probe.state = PortProbe::State::NotSerial;
    } else if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        // The tool and other careful programs hold a port with an exclusive lock.
        probe.state = PortProbe::State::Busy;
        probe.detail = PortHolder(devicePath);
    } else {
        probe.state = PortProbe::State::Free;
    }
    ::close(fd);
    return probe;
}

QString PortsText(const AppConfig &config)
{
    const PortWatcher adapters(DeviceFolderSetting());
    QString text;
    for (const QString &name : config.portNames(adapters.adapters())) {
        const QString device = QString::fromStdString(config.devicePath(name.toStdString()));
        text +=
            name + QLatin1Char('\t') + device + QLatin1Char('\t') + ProbePort(device).describe();
        if (const SerialAdapter *adapter = adapters.find(device))
            text += QLatin1Char('\t') + adapter->name() + QLatin1Char('\t') + adapter->stablePath;
        text += QLatin1Char('\n');
    }
    return text;
}

} // namespace orvanta
