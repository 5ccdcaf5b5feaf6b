// The session's workflows without widgets, against the virtual panel: what the front end is asked,
// when it is told to wait, and what the panel holds afterwards.
#include "PanelServer.h"
#include "core/Errors.h"
#include "session/Session.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvanta;
using End = Session::SettingsWrite::End;

namespace {

// A session on a virtual panel whose password the first write changes to "97531", so that the
// journal holds the snapshot of "12345" to return to.
struct SessionFixture
{
    QTemporaryDir data;
    sim::PanelServer panel;
    QString port;
    Session session{AppPaths{}, AppConfig::loadFile(data.filePath(QStringLiteral("Config.ini"))),
                    QString()};
    QStringList asked;
    bool answer = true;
    int waits = 0;
    int waitsEnded = 0;

    SessionFixture()
    {
        qputenv("XDG_DATA_HOME", data.path().toUtf8()); // the journal of snapshots
        port = QString::fromStdString(panel.openPseudoTerminal());
        panel.start();
        Session::Front front;
        front.ask = [this](const Question &question) {
            asked += question.changes;
            return answer;
        };
        front.waiting = [this](bool on) {
            ++(on ? waits : waitsEnded);
        };
        session.setFront(front);
        EXPECT_TRUE(session.readAll(port).settings); // the port opened, as the window's read does
        const Session::Written first =
            session.writeParts(port, {WritePart::Password}, [](WritePart, PanelSettings &s) {
                s.password = QStringLiteral("97531");
            });
        EXPECT_FALSE(first.failure) << first.failure->text().toStdString();
    }
    std::string password() const { return panel.state().password; }
};

} // namespace

TEST(Session, RestoreAsksAndWritesOnlyOnYes)
{
    const struct
    {
        const char *name;
        bool answer;
        bool restoreTwice; // the second finds the panel holding the snapshot already
        End end;
        bool asked;
        std::string password;
    } cases[] = {
        {"yes", true, false, End::Written, true, "12345"},
        {"no", false, false, End::Cancelled, true, "97531"},
        {"already held", true, true, End::AlreadyHeld, false, "12345"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        SessionFixture f;
        f.answer = c.answer;
        const std::vector<JournalEntry> entries = Session::SnapshotsToRestore();
        ASSERT_EQ(entries.size(), 1u);
        Session::Restored restored = f.session.restoreSnapshot(f.port, entries.front());
        if (c.restoreTwice) {
            f.asked.clear();
            restored = f.session.restoreSnapshot(f.port, Session::SnapshotsToRestore().back());
        }
        EXPECT_EQ(restored.write.end, c.end);
        EXPECT_EQ(!f.asked.isEmpty(), c.asked) << f.asked.join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(f.password(), c.password);
        EXPECT_FALSE(restored.failure);
        EXPECT_FALSE(restored.write.failure);
        EXPECT_EQ(restored.held.has_value(), c.end == End::Written);
        // Every wait the front end was told of ended, and no question came during one.
        EXPECT_EQ(f.waits, f.waitsEnded);
    }
}

TEST(Session, FailuresSayTheWorkAndLeaveThePanelAsItWas)
{
    const struct
    {
        const char *name;
        std::function<std::optional<Failure>(SessionFixture &)> run;
        Failure::Kind kind;
        const char *lead; // the text begins so
    } cases[] = {
        {"compare without a panel",
         [](SessionFixture &f) {
             return f.session.compareWithPanel(f.data.filePath(QStringLiteral("ttyNone")), {})
                 .failure;
         },
         Failure::Kind::NoPanel, "Нет связи с охранной панелью \"Orvanta\"!"},
        {"garbled read",
         [](SessionFixture &f) {
             sim::PanelFaults faults;
             faults.onlyCommand = "+k";
             faults.garbageValue = true;
             f.panel.setFaults(faults);
             const Session::Read read = f.session.readAll(f.port);
             EXPECT_FALSE(read.settings);
             EXPECT_FALSE(f.session.link().connected());
             return read.failure;
         },
         Failure::Kind::Error, "Ошибка связи с охранной панелью \"Orvanta\":"},
        {"a part that cannot be given",
         [](SessionFixture &f) {
             return f.session
                 .writeParts(f.port, {WritePart::Loops, WritePart::Password},
                             [](WritePart part, PanelSettings &s) {
                                 if (part == WritePart::Loops)
                                     throw EConvertError(QStringLiteral("not a number"));
                                 s.password = QStringLiteral("11111");
                             })
                 .failure;
         },
         Failure::Kind::Error, "Ошибка записи в охранную панель \"Orvanta\":"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        SessionFixture f;
        const std::optional<Failure> failure = c.run(f);
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->kind, c.kind);
        EXPECT_TRUE(failure->text().startsWith(QString::fromUtf8(c.lead)))
            << failure->text().toStdString();
        EXPECT_EQ(f.password(), "97531");
        EXPECT_EQ(f.waits, f.waitsEnded);
    }
}
