// The port list following the serial adapters: a pseudo-terminal linked into the test's device
// folder, with the virtual panel behind it, stands for an adapter plugged in at the panel.
#include "PanelServer.h"
#include "PtyPair.h"
#include "SoundAnalysis.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

struct AdapterFixture : WindowFixture
{
    sim::PanelServer panel;
    std::unique_ptr<TfContact> window = open();
    QComboBox *port = window->findChild<QComboBox *>(QStringLiteral("cb1"));
    QCheckBox *connected = window->findChild<QCheckBox *>(QStringLiteral("xCon"));
    QString adapter = QDir(devices).filePath(QStringLiteral("ttyUSB0"));

    bool plug()
    {
        const QString pty = QString::fromStdString(panel.openPseudoTerminal());
        panel.start();
        return QFile::link(pty, adapter);
    }
    bool listed() const { return port->findText(adapter) >= 0; }
    QString note() const { return window->findChild<QLabel *>(QStringLiteral("PortNote"))->text(); }
};

} // namespace

// Plugged in at a panel: listed at once, asked quietly, read whole; pulled: the tick goes.
TEST(PortFollower, PanelBehindANewAdapterIsFoundAndReadAndItsPullIsSaid)
{
    AdapterFixture f;
    EXPECT_FALSE(f.listed());
    ASSERT_TRUE(f.plug());
    EXPECT_TRUE(RunEventsUntil([&] { return f.listed(); }, 1000));
    ASSERT_TRUE(RunEventsUntil([&] { return f.connected->isChecked(); }, 5000));
    EXPECT_EQ(f.port->currentText(), f.adapter);
    // The pages held nothing of their own: the panel is read as at the start.
    EXPECT_TRUE(RunEventsUntil([&] {
        return f.window->findChild<QLineEdit *>(QStringLiteral("xver"))->text() ==
               QStringLiteral("VER 03.07 ORVANTA GSM");
    }));
    EXPECT_TRUE(f.dialogs.boxes.empty());

    ASSERT_TRUE(QFile::remove(f.adapter));
    EXPECT_TRUE(RunEventsUntil([&] { return !f.connected->isChecked(); }, 1000));
    EXPECT_FALSE(f.listed());
    EXPECT_TRUE(f.note().contains(QStringLiteral("отключён"))) << f.note().toStdString();
    EXPECT_FALSE(f.window->XComm1().IsOpened()); // nothing more goes to a device that is gone
    EXPECT_TRUE(f.dialogs.boxes.empty());
}

// Pages the user has edited are not replaced: the panel is there, to be read when asked. A node
// that is no terminal says why beside the port, without a box.
TEST(PortFollower, EditedPagesStayAndANodeThatIsNoTerminalIsSaid)
{
    AdapterFixture f;
    auto *loop = f.window->findChild<QCheckBox *>(QStringLiteral("CheckBox9"));
    loop->setChecked(true);
    ASSERT_TRUE(f.plug());
    ASSERT_TRUE(RunEventsUntil([&] { return f.connected->isChecked(); }, 5000));
    EXPECT_TRUE(loop->isChecked());
    EXPECT_TRUE(f.window->findChild<QLineEdit *>(QStringLiteral("xver"))->text().isEmpty());
    EXPECT_TRUE(f.note().contains(QStringLiteral("отвечает"))) << f.note().toStdString();

    // Devices that cannot be the panel's each say why beside the port, without a box.
    f.window->XComm1().CloseDevice();
    f.window->link().setConnected(false);
    const std::tuple<const char *, std::function<bool(const QString &)>, const char *> bad[] = {
        {"ttyUSB7", [](const QString &path) { return QFile(path).open(QIODevice::WriteOnly); },
         "не последовательный порт"},
        // Gone between being listed and opened.
        {"ttyUSB8",
         [](const QString &path) { return QFile::link(QStringLiteral("/nonexistent/tty"), path); },
         "нет устройства"},
    };
    for (const auto &[node, make, reason] : bad) {
        ASSERT_TRUE(make(QDir(f.devices).filePath(QLatin1String(node))));
        ASSERT_TRUE(RunEventsUntil([&] { return f.note().contains(QLatin1String(node)); }, 2000))
            << node;
        EXPECT_TRUE(f.note().contains(QString::fromUtf8(reason))) << f.note().toStdString();
    }
    EXPECT_FALSE(f.connected->isChecked());
    EXPECT_TRUE(f.dialogs.boxes.empty());
}

// An adapter that comes while the tool is busy waits for the end before it is asked.
TEST(PortFollower, NothingRunsDuringAnActivity)
{
    AdapterFixture f;
    Activity &activity = f.window->link().activity();
    ASSERT_TRUE(activity.begin(Activity::Kind::Editing));
    ASSERT_TRUE(f.plug());
    ASSERT_TRUE(RunEventsUntil([&] { return f.listed(); }, 1000));
    RunEvents(500);
    EXPECT_TRUE(f.panel.commands().empty());
    activity.end(Activity::Kind::Editing);
    EXPECT_TRUE(RunEventsUntil([&] { return f.connected->isChecked(); }, 5000));
}

// A key capture without a key leaves the panel connected: a second adapter that comes then is
// only noted, never given the connection, and the next write goes to the panel the user has.
TEST(PortFollower, SecondPanelNeverTakesOverTheConnection)
{
    AdapterFixture f;
    ASSERT_TRUE(f.plug());
    ASSERT_TRUE(RunEventsUntil([&] { return f.connected->isChecked(); }, 5000));
    ASSERT_TRUE(RunEventsUntil([&] {
        return f.window->findChild<QLineEdit *>(QStringLiteral("xver"))->text() ==
               QStringLiteral("VER 03.07 ORVANTA GSM");
    }));
    ASSERT_TRUE(RunEventsUntil([&] { return f.window->link().activity().idle(); }, 5000));
    f.window->findChild<QPushButton *>(QStringLiteral("Button3"))->click(); // no key at the reader
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);

    sim::PanelServer other;
    const QString second = QDir(f.devices).filePath(QStringLiteral("ttyUSB1"));
    ASSERT_TRUE(QFile::link(QString::fromStdString(other.openPseudoTerminal()), second));
    other.start();
    ASSERT_TRUE(RunEventsUntil([&] { return f.note().contains(QStringLiteral("ttyUSB1")); }, 2000))
        << f.note().toStdString();
    EXPECT_EQ(f.port->currentText(), f.adapter);
    EXPECT_TRUE(other.commands().empty());

    const size_t before = f.panel.commands().size();
    f.window->findChild<QPushButton *>(QStringLiteral("Button2"))->click();
    EXPECT_TRUE(other.commands().empty());
    EXPECT_GT(f.panel.commands().size(), before + 12); // read whole, written, read back
}

// The adapter chosen is found again at the next start when it comes back under another number.
TEST(PortFollower, AdapterIsFoundAgainByItsStablePath)
{
    WindowFixture f;
    test::PtyPair pty;
    const QString pts = QString::fromStdString(pty.slavePath());
    QDir(f.devices).mkpath(QStringLiteral("serial/by-id"));
    const QString byId = QDir(f.devices).filePath(QStringLiteral("serial/by-id/usb-FTDI_A10K3ZQ1"));
    ASSERT_TRUE(QFile::link(pts, byId));
    ASSERT_TRUE(QFile::link(pts, QDir(f.devices).filePath(QStringLiteral("ttyUSB0"))));
    {
        auto window = f.open();
        window->findChild<QComboBox *>(QStringLiteral("cb1"))
            ->setCurrentText(QDir(f.devices).filePath(QStringLiteral("ttyUSB0")));
        window->close();
    }
    QFile::remove(QDir(f.devices).filePath(QStringLiteral("ttyUSB0")));
    ASSERT_TRUE(QFile::link(pts, QDir(f.devices).filePath(QStringLiteral("ttyUSB1"))));
    auto window = f.open();
    EXPECT_EQ(window->findChild<QComboBox *>(QStringLiteral("cb1"))->currentText(),
              QDir(f.devices).filePath(QStringLiteral("ttyUSB1")));
}
