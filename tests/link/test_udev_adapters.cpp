// The serial adapters from the system's device manager: devices that umockdev makes appear and
// vanish, with the maker, model, serial number and stable link udev gives a real adapter. Runs
// under umockdev-wrapper.
// GLib's headers come before Qt's, whose keywords would stand in their way.
#include <umockdev.h>

#include "QtPrinters.h"
#include "link/PortWatcher.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace orvanta;

TEST(UdevAdapters, ComeAndGoWithTheirNamesAndStablePaths)
{
    // The testbed stands in for udev: the watcher takes it (umockdev_in_mock_environment() says
    // false in a container even under the wrapper, so the source is asked instead).
    UMockdevTestbed *bed = umockdev_testbed_new();
    PortWatcher watcher;
    EXPECT_EQ(watcher.source(), QStringLiteral("udev"));
    EXPECT_TRUE(watcher.adapters().empty());
    QSignalSpy added(&watcher, &PortWatcher::added), removed(&watcher, &PortWatcher::removed);

    const char *const byId = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A10K3ZQ1-if00-port0";
    gchar *usb = umockdev_testbed_add_device(bed, "usb", "1-1", nullptr, "idVendor", "0403",
                                             "idProduct", "6001", "manufacturer", "FTDI", "product",
                                             "FT232R USB UART", "serial", "A10K3ZQ1", nullptr,
                                             "DEVTYPE", "usb_device", nullptr);
    gchar *tty = umockdev_testbed_add_device(bed, "tty", "ttyUSB0", usb, nullptr, "DEVNAME",
                                             "/dev/ttyUSB0", "DEVLINKS", byId, nullptr);
    // A tty that is no adapter: the console's.
    gchar *console = umockdev_testbed_add_device(bed, "tty", "ttyS0", nullptr, nullptr, "DEVNAME",
                                                 "/dev/ttyS0", nullptr);
    umockdev_testbed_uevent(bed, tty, "add");
    umockdev_testbed_uevent(bed, console, "add");
    ASSERT_TRUE(!added.isEmpty() || added.wait(1000));
    const SerialAdapter adapter = added.takeFirst()[0].value<SerialAdapter>();
    EXPECT_EQ(adapter.path, QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(adapter.stablePath, QString::fromUtf8(byId));
    EXPECT_EQ(adapter.label(), QStringLiteral("FT232R USB UART (A10K3ZQ1) — /dev/ttyUSB0"));
    EXPECT_EQ(adapter.maker, QStringLiteral("FTDI"));
    EXPECT_EQ(watcher.adapters().size(), 1u);

    umockdev_testbed_uevent(bed, tty, "remove");
    umockdev_testbed_remove_device(bed, tty);
    ASSERT_TRUE(!removed.isEmpty() || removed.wait(1000));
    EXPECT_EQ(removed.takeFirst()[0].value<SerialAdapter>().path, QStringLiteral("/dev/ttyUSB0"));
    EXPECT_TRUE(watcher.adapters().empty());
    g_free(console);
    g_free(tty);
    g_free(usb);
    g_object_unref(bed);
}
