#include "PortWatcher.h"

#include <QCoreApplication>

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSocketNotifier>
#include <functional>
#include <libudev.h>
#include <unistd.h>

namespace orvanta {

QString SerialAdapter::name() const
{
    const QString what = model.isEmpty() ? maker : model;
    if (serial.isEmpty())
        return what;
    return what.isEmpty() ? serial : QStringLiteral("%1 (%2)").arg(what, serial);
}

QString SerialAdapter::label() const
{
    const QString known = name();
    return known.isEmpty() ? path : known + QStringLiteral(" — ") + path;
}

QString DeviceFolderSetting()
{
    return qEnvironmentVariable("ORVANTA_DEVICE_FOLDER");
}

// Where adapters come from; changed is called whenever the list may differ.
class PortWatcher::Source
{
public:
    virtual ~Source() = default;
    virtual std::vector<SerialAdapter> list() = 0;
    virtual QString name() const = 0;

    std::function<void()> changed;
};

namespace {

const QStringList AdapterNodes = {QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*")};

QString readLine(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readLine()).trimmed();
}

// The maker, model and serial number the kernel keeps of the USB device behind a tty node, for
// a system without udev.
void nameFromSysfs(const QString &node, SerialAdapter &adapter)
{
    QDir device(
        QFileInfo(QStringLiteral("/sys/class/tty/%1/device").arg(node)).canonicalFilePath());
    if (device.path().isEmpty() || device.path() == QLatin1String("."))
        return;
    for (int up = 0; up < 4 && !device.exists(QStringLiteral("idVendor")); ++up)
        if (!device.cdUp())
            return;
    if (!device.exists(QStringLiteral("idVendor")))
        return;
    adapter.maker = readLine(device.filePath(QStringLiteral("manufacturer")));
    adapter.model = readLine(device.filePath(QStringLiteral("product")));
    adapter.serial = readLine(device.filePath(QStringLiteral("serial")));
}

// A device folder watched for tty nodes of adapters: /dev where udev does not run, or a folder
// of the tests' own. Its serial/by-id links give the stable paths.
class FolderSource : public PortWatcher::Source
{
public:
    explicit FolderSource(const QString &folder)
        : m_folder(folder)
    {
        QObject::connect(&m_watch, &QFileSystemWatcher::directoryChanged, [this] {
            watchFolders();
            if (changed)
                changed();
        });
        watchFolders();
    }
    QString name() const override { return m_folder.path(); }
    std::vector<SerialAdapter> list() override
    {
        const QFileInfoList byId =
            QDir(m_folder.filePath(QStringLiteral("serial/by-id")))
                .entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
        std::vector<SerialAdapter> adapters;
        for (const QFileInfo &node : m_folder.entryInfoList(
                 AdapterNodes, QDir::System | QDir::Files | QDir::NoDotAndDotDot, QDir::Name)) {
            SerialAdapter adapter;
            adapter.path = node.absoluteFilePath();
            const QString target = node.canonicalFilePath();
            for (const QFileInfo &link : byId)
                if (!target.isEmpty() && link.canonicalFilePath() == target)
                    adapter.stablePath = link.absoluteFilePath();
            nameFromSysfs(node.fileName(), adapter);
            adapters.push_back(adapter);
        }
        return adapters;
    }

private:
    // The folder and, once they exist, its serial and serial/by-id folders.
    void watchFolders()
    {
        for (const QString &sub :
             {QString(), QStringLiteral("serial"), QStringLiteral("serial/by-id")}) {
            const QString path = sub.isEmpty() ? m_folder.path() : m_folder.filePath(sub);
            if (QFileInfo(path).isDir() && !m_watch.directories().contains(path))
                m_watch.addPath(path);
        }
    }

    QDir m_folder;
    QFileSystemWatcher m_watch;
};

QString property(udev_device *device, const char *name)
{
    return QString::fromUtf8(udev_device_get_property_value(device, name));
}

// udev's "\x20" escapes in its *_ENC properties, decoded.
QString decoded(const QString &encoded)
{
    QByteArray bytes;
    const QByteArray raw = encoded.toUtf8();
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\\' && i + 3 < raw.size() && raw[i + 1] == 'x') {
            bool ok = false;
            const int value = raw.mid(i + 2, 2).toInt(&ok, 16);
            if (ok) {
                bytes += char(value);
                i += 3;
                continue;
            }
        }
        bytes += raw[i];
    }
    return QString::fromUtf8(bytes).trimmed();
}

QString firstOf(std::initializer_list<QString> choices)
{
    for (const QString &choice : choices)
        if (!choice.isEmpty())
            return choice;
    return {};
}

// The system's device manager: the tty devices on USB, with the names and links udev gives
// them, and its events as they come.
class UdevSource : public PortWatcher::Source
{
public:
    UdevSource()
        : m_udev(udev_new())
    {
        if (!m_udev)
            return;
        m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
        if (!m_monitor)
            return;
        udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "tty", nullptr);
        if (udev_monitor_enable_receiving(m_monitor) < 0)
            return;
        m_notifier = std::make_unique<QSocketNotifier>(udev_monitor_get_fd(m_monitor),
                                                       QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] {
            while (udev_device *device = udev_monitor_receive_device(m_monitor))
                udev_device_unref(device);
            if (changed)
                changed();
        });
    }
    ~UdevSource() override
    {
        m_notifier.reset();
        if (m_monitor)
            udev_monitor_unref(m_monitor);
        if (m_udev)
            udev_unref(m_udev);
    }
    bool works() const { return m_notifier != nullptr; }
    QString name() const override { return QStringLiteral("udev"); }
    std::vector<SerialAdapter> list() override
    {
        std::vector<SerialAdapter> adapters;
        udev_enumerate *enumerate = udev_enumerate_new(m_udev);
        udev_enumerate_add_match_subsystem(enumerate, "tty");
        udev_enumerate_scan_devices(enumerate);
        udev_list_entry *entry = nullptr;
        udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate))
        {
            udev_device *device =
                udev_device_new_from_syspath(m_udev, udev_list_entry_get_name(entry));
            if (!device)
                continue;
            if (std::optional<SerialAdapter> adapter = adapterOf(device))
                adapters.push_back(*adapter);
            udev_device_unref(device);
        }
        udev_enumerate_unref(enumerate);
        std::sort(adapters.begin(), adapters.end(),
                  [](const SerialAdapter &a, const SerialAdapter &b) { return a.path < b.path; });
        return adapters;
    }

private:
    static std::optional<SerialAdapter> adapterOf(udev_device *device)
    {
        const char *node = udev_device_get_devnode(device);
        udev_device *usb =
            udev_device_get_parent_with_subsystem_devtype(device, "usb", "usb_device");
        if (!node || (!usb && property(device, "ID_BUS") != QLatin1String("usb")))
            return std::nullopt;
        const auto attribute = [usb](const char *name) {
            return usb ? QString::fromUtf8(udev_device_get_sysattr_value(usb, name)).trimmed()
                       : QString();
        };
        SerialAdapter adapter;
        adapter.path = QString::fromUtf8(node);
        adapter.maker =
            firstOf({decoded(property(device, "ID_VENDOR_ENC")), attribute("manufacturer"),
                     property(device, "ID_VENDOR"), property(device, "ID_VENDOR_FROM_DATABASE")});
        adapter.model =
            firstOf({decoded(property(device, "ID_MODEL_ENC")), attribute("product"),
                     property(device, "ID_MODEL").replace(QLatin1Char('_'), QLatin1Char(' ')),
                     property(device, "ID_MODEL_FROM_DATABASE")});
        adapter.serial = firstOf({property(device, "ID_SERIAL_SHORT"), attribute("serial")});
        // The links udev made, from its database, else as the device's event named them.
        QStringList links;
        udev_list_entry *link = nullptr;
        udev_list_entry_foreach(link, udev_device_get_devlinks_list_entry(device)) links +=
            QString::fromUtf8(udev_list_entry_get_name(link));
        if (links.isEmpty())
            links = property(device, "DEVLINKS").split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString &path : links)
            if (path.startsWith(QLatin1String("/dev/serial/by-id/")))
                adapter.stablePath = path;
        return adapter;
    }

    udev *m_udev = nullptr;
    udev_monitor *m_monitor = nullptr;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

// udev runs where its daemon's control socket is; a mock device manager (umockdev) stands in
// for it in its own environment.
bool udevRuns()
{
    return ::access("/run/udev/control", F_OK) == 0 || qEnvironmentVariableIsSet("UMOCKDEV_DIR");
}

} // namespace

PortWatcher::PortWatcher(const QString &deviceFolder, QObject *parent)
    : QObject(parent)
{
    if (deviceFolder.isEmpty() && udevRuns()) {
        auto udevSource = std::make_unique<UdevSource>();
        if (udevSource->works())
            m_source = std::move(udevSource);
        else
            m_sourceNote = QCoreApplication::translate(
                "orvanta::PortWatcher",
                "Диспетчер устройств (udev) не отвечает: адаптеры ищутся в /dev.");
    } else if (deviceFolder.isEmpty()) {
        m_sourceNote = QCoreApplication::translate(
            "orvanta::PortWatcher",
            "Диспетчер устройств (udev) не запущен: адаптеры ищутся в /dev.");
    }
    if (!m_source)
        m_source = std::make_unique<FolderSource>(deviceFolder.isEmpty() ? QStringLiteral("/dev")
                                                                         : deviceFolder);
    m_source->changed = [this] {
        refresh();
    };
    m_adapters = m_source->list();
}

PortWatcher::~PortWatcher() = default;

const SerialAdapter *PortWatcher::find(const QString &path) const
{
    for (const SerialAdapter &adapter : m_adapters)
        if (adapter.path == path || (!adapter.stablePath.isEmpty() && adapter.stablePath == path))
            return &adapter;
    return nullptr;
}

QString PortWatcher::source() const
{
    return m_source->name();
}

void PortWatcher::refresh()
{
    // An adapter is known by its path: a link or name that appears a moment after its node
    // updates it without a second coming.
    std::vector<SerialAdapter> now = m_source->list();
    const std::vector<SerialAdapter> before = std::exchange(m_adapters, now);
    const auto has = [](const std::vector<SerialAdapter> &list, const QString &path) {
        return std::any_of(list.begin(), list.end(),
                           [&path](const SerialAdapter &adapter) { return adapter.path == path; });
    };
    for (const SerialAdapter &adapter : before)
        if (!has(now, adapter.path))
            emit removed(adapter);
    for (const SerialAdapter &adapter : now)
        if (!has(before, adapter.path))
            emit added(adapter);
}

} // namespace orvanta
