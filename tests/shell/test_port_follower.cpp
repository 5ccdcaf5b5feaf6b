// The port list following the serial adapters: a pseudo-terminal linked into the test's device
// folder, with the virtual panel behind it, stands for an adapter plugged in at the panel.
#include "PanelServer.h"
#include "SoundAnalysis.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
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

    f.window->XComm1().CloseDevice();
    f.window->link().setConnected(false);
    const QString plain = QDir(f.devices).filePath(QStringLiteral("ttyUSB7"));
    WriteFile(plain, "not a terminal");
    ASSERT_TRUE(RunEventsUntil([&] { return f.note().contains(QStringLiteral("ttyUSB7")); }, 1000));
    EXPECT_TRUE(f.note().contains(QStringLiteral("не последовательный порт")))
        << f.note().toStdString();
    EXPECT_FALSE(f.connected->isChecked());
    EXPECT_TRUE(f.dialogs.boxes.empty());
}
