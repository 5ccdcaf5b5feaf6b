// The serial adapters as they come and go, from a device folder of the test's own: links to
// pseudo-terminals stand for adapters plugged in and pulled out.
#include "PtyPair.h"
#include "link/AppConfig.h"
#include "link/PortWatcher.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace orvanta;

namespace {

struct DeviceFolder
{
    QTemporaryDir folder;

    QString path(const QString &name) const { return folder.filePath(name); }
    bool plug(const QString &name, const test::PtyPair &pty, const QString &byId = {})
    {
        if (!byId.isEmpty()) {
            QDir(folder.path()).mkpath(QStringLiteral("serial/by-id"));
            QFile::link(QString::fromStdString(pty.slavePath()), path(byId));
        }
        return QFile::link(QString::fromStdString(pty.slavePath()), path(name));
    }
    bool pull(const QString &name) { return QFile::remove(path(name)); }
};

// Waits up to a second, as the user would, for the signal.
bool within1s(QSignalSpy &spy)
{
    return !spy.isEmpty() || spy.wait(1000);
}

} // namespace

TEST(PortWatcher, AdaptersComeAndGoWithinASecond)
{
    DeviceFolder dev;
    test::PtyPair first, second, third;
    ASSERT_TRUE(dev.plug(QStringLiteral("ttyUSB0"), first));
    PortWatcher watcher(dev.folder.path());
    EXPECT_EQ(watcher.source(), dev.folder.path());
    ASSERT_EQ(watcher.adapters().size(), 1u);
    EXPECT_EQ(watcher.adapters()[0].path, dev.path(QStringLiteral("ttyUSB0")));

    QSignalSpy added(&watcher, &PortWatcher::added), removed(&watcher, &PortWatcher::removed);
    const QString byId =
        QStringLiteral("serial/by-id/usb-FTDI_FT232R_USB_UART_A10K3ZQ1-if00-port0");
    ASSERT_TRUE(dev.plug(QStringLiteral("ttyACM3"), second, byId));
    ASSERT_TRUE(within1s(added));
    const SerialAdapter came = added.takeFirst()[0].value<SerialAdapter>();
    EXPECT_EQ(came.path, dev.path(QStringLiteral("ttyACM3")));
    EXPECT_EQ(came.stablePath, dev.path(byId));
    // The same adapter by its stable path, as after a replug under another number.
    ASSERT_NE(watcher.find(dev.path(byId)), nullptr);
    EXPECT_EQ(watcher.find(dev.path(byId))->path, came.path);
    // Other tty nodes are no adapters: an adapter plugged after one is seen alone.
    QFile::link(QString::fromStdString(first.slavePath()), dev.path(QStringLiteral("ttyS0")));
    ASSERT_TRUE(dev.plug(QStringLiteral("ttyUSB7"), third));
    ASSERT_TRUE(within1s(added));
    EXPECT_EQ(added.takeFirst()[0].value<SerialAdapter>().path,
              dev.path(QStringLiteral("ttyUSB7")));
    EXPECT_TRUE(added.isEmpty());
    EXPECT_EQ(watcher.adapters().size(), 3u);
    EXPECT_TRUE(removed.isEmpty());

    ASSERT_TRUE(dev.pull(QStringLiteral("ttyUSB0")));
    ASSERT_TRUE(within1s(removed));
    EXPECT_EQ(removed.takeFirst()[0].value<SerialAdapter>().path,
              dev.path(QStringLiteral("ttyUSB0")));
    EXPECT_EQ(watcher.adapters().size(), 2u);
    EXPECT_TRUE(added.isEmpty()); // the others stay as they were
}

TEST(PortWatcher, NamesAndPortList)
{
    const struct
    {
        SerialAdapter adapter;
        const char *name;
        const char *label;
    } cases[] = {
        {{"/dev/ttyUSB0", {}, "FTDI", "FT232R USB UART", "A10K3ZQ1"},
         "FT232R USB UART (A10K3ZQ1)",
         "FT232R USB UART (A10K3ZQ1) — /dev/ttyUSB0"},
        {{"/dev/ttyUSB1", {}, "Prolific", {}, {}}, "Prolific", "Prolific — /dev/ttyUSB1"},
        {{"/dev/ttyACM0", {}, {}, {}, "0042"}, "0042", "0042 — /dev/ttyACM0"},
        {{"/dev/ttyACM1", {}, {}, {}, {}}, "", "/dev/ttyACM1"},
    };
    for (const auto &[adapter, name, label] : cases) {
        EXPECT_EQ(adapter.name(), QString::fromUtf8(name));
        EXPECT_EQ(adapter.label(), QString::fromUtf8(label));
    }
    const QStringList names = PortNames({cases[0].adapter, cases[2].adapter});
    EXPECT_EQ(names.size(), 10);
    EXPECT_EQ(names.first(), QStringLiteral("COM1"));
    EXPECT_EQ(names.last(), QStringLiteral("/dev/ttyACM0"));
}

// Where no device manager runs (as in a container), /dev is watched, and the log says so.
TEST(PortWatcher, WithoutUdevDevIsWatched)
{
    if (QFile::exists(QStringLiteral("/run/udev/control")))
        GTEST_SKIP() << "udev runs here";
    const PortWatcher watcher;
    EXPECT_EQ(watcher.source(), QStringLiteral("/dev"));
}
