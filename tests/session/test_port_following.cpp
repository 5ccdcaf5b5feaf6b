// What the window does with serial adapters that come and go, without the window: a link in the
// test's device folder to a virtual panel's pseudo-terminal stands for an adapter plugged in.
#include "PanelServer.h"
#include "SoundAnalysis.h"
#include "session/PortFollowing.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvanta;
using orvanta::test::RunEventsUntil;

TEST(PortFollowing, AdapterThatComesIsAskedChosenAndLetGo)
{
    enum class Behind { Panel, NoTerminal };
    const struct
    {
        const char *name;
        Behind behind;
        bool pagesAsStarted;
        bool otherPanelConnected; // a panel on another port holds the connection
        bool chosen;              // and, once pulled, the connection goes with it
        int reads;
        const char *said;
        bool problem;
    } cases[] = {
        {"a panel, pages as started", Behind::Panel, true, false, true, 1, "", false},
        {"a panel, pages edited", Behind::Panel, false, false, true, 0, "отвечает", false},
        {"a panel while another is connected", Behind::Panel, true, true, false, 0, "остаётся",
         false},
        {"a node that is no terminal", Behind::NoTerminal, true, false, false, 0, "не отвечает",
         true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir devices;
        const QString adapter = QDir(devices.path()).filePath(QStringLiteral("ttyUSB0"));
        sim::PanelServer panel;
        sim::PanelServer other;
        AppConfig config;
        PanelConnection connection(config, {});
        if (c.otherPanelConnected) {
            connection.link().OpenPort(QString::fromStdString(other.openPseudoTerminal()));
            other.start();
            connection.link().setConnected(true);
        }
        QString chosen = QStringLiteral("COM1");
        int reads = 0;
        int closes = 0;
        QString said;
        bool problem = false;
        int says = 0;
        PortFollowing::Front front;
        front.busy = [] {
            return false;
        };
        front.pagesAsStarted = [&] {
            return c.pagesAsStarted;
        };
        front.tryPort = [&](const QString &port) {
            return connection.tryPort(port);
        };
        front.readWhole = [&] {
            ++reads;
        };
        front.closePort = [&] {
            ++closes;
            connection.comm().CloseDevice();
        };
        front.chosen = [&] {
            return chosen;
        };
        front.choose = [&](const QString &port) {
            chosen = port;
        };
        PortFollowing following(connection.link(), front, devices.path());
        QObject::connect(&following, &PortFollowing::said, [&](const QString &text, bool bad) {
            said = text;
            problem = bad;
            ++says;
        });

        if (c.behind == Behind::Panel) {
            ASSERT_TRUE(QFile::link(QString::fromStdString(panel.openPseudoTerminal()), adapter));
            panel.start();
        } else {
            ASSERT_TRUE(QFile(adapter).open(QIODevice::WriteOnly));
        }
        ASSERT_TRUE(RunEventsUntil([&] { return says == 1; }, 5000));
        EXPECT_EQ(chosen == adapter, c.chosen) << chosen.toStdString();
        EXPECT_EQ(reads, c.reads);
        EXPECT_TRUE(said.contains(QString::fromUtf8(c.said))) << said.toStdString();
        EXPECT_EQ(problem, c.problem);
        if (c.otherPanelConnected) {
            EXPECT_TRUE(panel.commands().empty()); // the new panel is never asked
        }

        ASSERT_TRUE(QFile::remove(adapter));
        RunEventsUntil([&] { return !following.watcher().find(adapter); }, 2000);
        if (c.chosen) {
            ASSERT_TRUE(RunEventsUntil([&] { return says == 2; }, 2000));
            EXPECT_EQ(closes, 1);
            EXPECT_TRUE(said.contains(QStringLiteral("отключён"))) << said.toStdString();
            EXPECT_TRUE(problem);
            EXPECT_FALSE(connection.link().IsOpened());
        } else {
            EXPECT_EQ(closes, 0); // another port's adapter leaves the connection alone
        }
    }
}
