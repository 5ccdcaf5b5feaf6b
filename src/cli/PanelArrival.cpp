#include "PanelArrival.h"

#include <QTimer>
#include <sys/stat.h>

namespace orvanta::cli {

namespace {

// How long a round waits for an adapter to come before the ports are asked again.
constexpr int RoundMs = 1000;

} // namespace

PanelArrival::PanelArrival(const Invocation &call, PanelConnection &connection)
    : m_call(call)
    , m_connection(connection)
    , m_watcher(DeviceFolderSetting())
{
    QObject::connect(&m_watcher, &PortWatcher::added, &m_loop, &QEventLoop::quit);
    QObject::connect(&m_watcher, &PortWatcher::removed, &m_loop,
                     [this](const SerialAdapter &adapter) { forgetAdapter(adapter); });
}

QStringList PanelArrival::portsNow() const
{
    if (!m_call.options.port.isEmpty())
        return {m_call.options.port};
    return m_call.config.portNames(m_watcher.adapters());
}

QString PanelArrival::nodeOf(const QString &port) const
{
    struct stat node = {};
    if (::stat(m_call.config.devicePath(port.toStdString()).c_str(), &node) != 0)
        return {};
    return QStringLiteral("%1:%2:%3.%4")
        .arg(node.st_rdev)
        .arg(node.st_ino)
        .arg(node.st_ctim.tv_sec)
        .arg(node.st_ctim.tv_nsec);
}

SerialAdapter PanelArrival::adapterOf(const QString &port) const
{
    const QString device = QString::fromStdString(m_call.config.devicePath(port.toStdString()));
    for (const SerialAdapter &adapter : m_watcher.adapters())
        if (port == adapter.path || port == adapter.stablePath || device == adapter.path ||
            device == adapter.stablePath)
            return adapter;
    return {};
}

// A port is its adapter by the device it opens, whatever name it was given.
void PanelArrival::forgetAdapter(const SerialAdapter &adapter)
{
    for (auto port = m_answering.begin(); port != m_answering.end();) {
        const QString device =
            QString::fromStdString(m_call.config.devicePath(port.key().toStdString()));
        const bool gone = port.key() == adapter.path || port.key() == adapter.stablePath ||
                          device == adapter.path || device == adapter.stablePath;
        port = gone ? m_answering.erase(port) : std::next(port);
    }
}

QStringList PanelArrival::answeringNow()
{
    QStringList answering;
    for (const QString &port : portsNow())
        if (m_connection.tryPort(port).found()) {
            answering += port;
            known(port);
        }
    return answering;
}

void PanelArrival::known(const QString &port)
{
    m_answering.insert(port, nodeOf(port));
}

void PanelArrival::cancel()
{
    m_cancelled = true;
    m_loop.quit();
}

QString PanelArrival::next(const QDeadlineTimer &deadline)
{
    while (!m_cancelled && !deadline.hasExpired()) {
        // An adapter that comes ends the round at once; the others are asked once a second.
        QTimer round;
        round.setSingleShot(true);
        QObject::connect(&round, &QTimer::timeout, &m_loop, &QEventLoop::quit);
        round.start(deadline.isForever()
                        ? RoundMs
                        : int(std::min<qint64>(RoundMs, deadline.remainingTime())));
        m_loop.exec();
        if (m_cancelled)
            break;
        const QStringList ports = portsNow();
        // A port no longer listed, or one whose name opens another node, is forgotten, even when
        // its going was not seen.
        for (auto port = m_answering.begin(); port != m_answering.end();)
            port = ports.contains(port.key()) && nodeOf(port.key()) == port.value()
                       ? std::next(port)
                       : m_answering.erase(port);
        for (const QString &port : ports) {
            if (!m_connection.tryPort(port).found()) {
                m_answering.remove(port);
            } else if (!m_answering.contains(port)) {
                known(port);
                return port;
            }
        }
    }
    return {};
}

} // namespace orvanta::cli
