// Reading and writing the whole panel, the connection check, the password and panel memory.
#include "QueuedInput.h"
#include "TestFiles.h"
#include "WindowFixture.h"
#include "core/Errors.h"
#include "core/IniFile.h"
#include "link/PanelMemory.h"
#include "panel/MessageTable.h"
#include "panel/Password.h"
#include "panel/SettingsFile.h"
#include "panel/SnapshotJournal.h"
#include "settings/GeneralPage.h"
#include "settings/KeysPage.h"
#include "settings/LoopsPage.h"
#include "shell/fWaitU.h"
#include "soundpage/SoundPage.h"
#include "soundpage/SoundUpload.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

using Commands = std::vector<std::string>;

struct ExchangeFixture : PanelWindowFixture
{
    using PanelWindowFixture::PanelWindowFixture;

    bool connected() const { return child<QCheckBox>(QStringLiteral("xCon"))->isChecked(); }
    QString text(const char *name) const
    {
        if (auto *edit = child<QLineEdit>(QLatin1String(name)))
            return edit->text();
        return child<QLabel>(QLatin1String(name))->text();
    }
    void query(const char *command) { window->link().query(QLatin1String(command)); }
    void faults(const std::function<void(sim::PanelFaults &)> &set)
    {
        sim::PanelFaults chosen;
        set(chosen);
        panel.setFaults(chosen);
    }
    QComboBox *port() const { return child<QComboBox>(QStringLiteral("cb1")); }
};

} // namespace

TEST(WholePanel, ReadInItsOrder)
{
    ExchangeFixture f;
    f.window->Button1Click();
    EXPECT_EQ(f.commands(),
              (Commands{"+v", "+T01", "+T02", "+T03", "+T04", "+v", "+Q", "+k01", "+k02", "+k03",
                        "+k04", "+k05", "+L", "+K", "+E6c", "+E6d", "+v"}));
    EXPECT_TRUE(f.connected());
    EXPECT_EQ(f.text("xver"), QStringLiteral("VER 03.07 ORVANTA GSM"));
    EXPECT_EQ(f.text("xpass"), QStringLiteral("12345"));
    EXPECT_EQ(f.text("EepL"), QStringLiteral("Занято 0 мин. 0 сек. из 8 мин."));
    EXPECT_TRUE(f.dialogs.boxes.empty());
    EXPECT_EQ(f.window->findChild<TfWait *>(), nullptr);
}

TEST(WholePanel, CloseDuringTheReadWaitsForItsEnd)
{
    ExchangeFixture f;
    f.faults([](sim::PanelFaults &slow) { slow.delayMs = 30; });
    f.window->show();
    // What the panel had heard when the window went: the close waits for the read's end, which
    // may come while the read's last events are still being delivered.
    size_t heardAtClose = 0;
    QObject::connect(f.window->windowHandle(), &QWindow::visibleChanged, [&](bool visible) {
        if (!visible)
            heardAtClose = f.commands().size();
    });
    QTimer::singleShot(100, f.window.get(), [&] { f.window->close(); });
    f.window->Button1Click();
    // No click needed: the window closes on its own.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !f.window->isVisible(); }, 2000));
    EXPECT_EQ(heardAtClose, 17u); // the read ran to its end first
}

// A click that reaches the window while it is blocked (a read, a write, a key capture, speech)
// is held by the window system; once the work is over it must not act on a button that is
// enabled again.
TEST(WholePanel, ClicksMadeWhileTheWindowIsBlockedNeverActAfterwards)
{
    sim::PanelState state;
    state.readerKey = std::array<uint8_t, 8>{1, 2, 3, 4, 5, 6, 7, 8};
    ExchangeFixture f(state);
    f.window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.window.get()));
    f.window->Button1Click(); // the pages hold the panel's settings
    QPushButton *read = f.child<QPushButton>(QStringLiteral("Button1"));
    QPushButton *write = f.child<QPushButton>(QStringLiteral("Button2"));
    // Each blocking activity with a click on the read or the write waiting.
    const std::tuple<const char *, QPushButton *, std::function<void()>> blocking[] = {
        {"read", write,
         [&] {
             f.window->Button1Click();
         }},
        {"write", read,
         [&] {
             f.window->Button2Click();
         }},
        {"key capture", read,
         [&] {
             f.child<QPushButton>(QStringLiteral("Button3"))->click();
         }},
        {"speech", write,
         [&] {
             f.window->sounds().speak();
         }},
    };
    for (const auto &[what, clicked, run] : blocking) {
        f.panel.clearTranscript();
        QueueClick(clicked); // the click waits in the window system's queue
        run();
        const size_t sent = f.commands().size();
        QTest::qWait(100); // the work is over: nothing may follow it
        EXPECT_EQ(f.commands().size(), sent)
            << what << ": a click on " << clicked->objectName().toStdString() << " acted after it";
    }
    QueueClick(read); // the window takes input again at once
    EXPECT_TRUE(QTest::qWaitFor([&] { return !f.commands().empty(); }, 5000));
}

TEST(WholePanel, UnwritableDebugLogIsReportedOnceAndTheReadGoesOn)
{
    ExchangeFixture f(sim::PanelState{}, {QStringLiteral("DEBUG")});
    QFile::remove(QStringLiteral("log.txt"));
    QDir().mkdir(QStringLiteral("log.txt")); // a folder where the log should be
    f.window->Button1Click();
    EXPECT_TRUE(f.connected());
    EXPECT_EQ(f.commands().back(), "+v");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !f.dialogs.boxes.empty(); }, 5000));
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_TRUE(
        f.dialogs.boxes[0].second.startsWith(QStringLiteral("Ошибка записи в файл log.txt")));
}

TEST(WholePanel, WriteInItsOrder)
{
    ExchangeFixture f;
    f.child<QLineEdit>(QStringLiteral("xpass"))->setText(QStringLiteral("12"));
    f.window->Button2Click();
    // The panel's settings are read and kept first; the write follows in its own order.
    const Commands sent = f.commands();
    ASSERT_GE(sent.size(), 13u);
    EXPECT_EQ(Commands(sent.begin(), sent.begin() + 13),
              (Commands{"+T01", "+T02", "+T03", "+T04", "+v", "+Q", "+k01", "+k02", "+k03", "+k04",
                        "+k05", "+L", "+K"}));
    EXPECT_EQ(
        Commands(sent.begin() + 13, sent.end()),
        (Commands{"+T014242424242424242", "+T024242424242424242", "+T034242424242424242",
                  "+T044242424242424242", "+K0000000000", "+k0100000000", "+k0200000000",
                  "+k0300000000", "+k0400000000", "+k0500000000", "+L0000000000", "+Q0102050505",
                  // every part read back
                  "+T01", "+T02", "+T03", "+T04", "+K", "+k01", "+k02", "+k03", "+k04", "+k05",
                  "+L", "+v", "+Q"}));
    const std::vector<JournalEntry> journal = SnapshotJournal().entries();
    ASSERT_EQ(journal.size(), 1u);
    EXPECT_EQ(journal[0].result, QStringLiteral("записано"));
    EXPECT_EQ(SnapshotJournal().snapshot(1).password, QStringLiteral("12345")); // as it was
    f.panel.clearTranscript();
    f.window->Button1Click();
    EXPECT_EQ(f.text("xpass"), QStringLiteral("12555")); // the padded password, five characters

    f.window->XComm1().CloseDevice();
    f.panel.clearTranscript();
    f.window->Button2Click();
    EXPECT_TRUE(f.commands().empty());
    EXPECT_TRUE(f.dialogs.boxes.empty());
}

// The panel answers a part of the write without taking it, or takes it and keeps the old value:
// the box names the part or the setting, the journal says so, the page marks what the panel
// does not hold, and the panel keeps what it held.
TEST(WholePanel, WriteThePanelDidNotTakeIsSaidAndMarked)
{
    const struct
    {
        const char *command; // the write's, not the read's
        bool forget;
        const char *said;
        const char *journaled;
    } faults[] = {
        // Key 1 and the password are given new values: a refused write of a value the panel holds
        // already leaves it holding what was sent, which its read-back shows.
        {"+T011", false, "Охранная панель отказалась принять: ключи.\nНичего не записано.",
         "панель отказала"},
        {"+Q0", false, "Охранная панель отказалась принять: пароль.", "панель отказала"},
        {"+K0", true, "не сохранила:\n  Шлейф 1, замыкание: нет → да", "панель не сохранила часть"},
    };
    for (const auto &fault : faults) {
        SCOPED_TRACE(fault.command);
        ExchangeFixture f;
        f.window->Button1Click();
        const sim::PanelState before = f.panel.state();
        auto *loop = f.child<QCheckBox>(QStringLiteral("CheckBox9")); // loop 1 closing
        loop->setChecked(true);
        f.child<QTableWidget>(QStringLiteral("TouchSTR"))
            ->setItem(0, 1, new QTableWidgetItem(QStringLiteral("1111111111111111")));
        if (fault.command[1] == 'Q')
            f.child<QLineEdit>(QStringLiteral("xpass"))->setText(QStringLiteral("54321"));
        f.faults([&](sim::PanelFaults &x) {
            x.onlyCommand = fault.command;
            x.refuse = !fault.forget;
            x.forget = fault.forget;
        });
        f.window->Button2Click();
        ASSERT_EQ(f.dialogs.boxes.size(), 1u);
        EXPECT_TRUE(f.dialogs.boxes[0].second.contains(QString::fromUtf8(fault.said)))
            << f.dialogs.boxes[0].second.toStdString();
        EXPECT_EQ(SnapshotJournal().entries().back().result, QString::fromUtf8(fault.journaled));
        EXPECT_TRUE(loop->isChecked()); // the page keeps the user's value
        // The loop record went before the relays and the password were refused.
        const bool loopsKept = fault.command[1] == 'k' || fault.command[1] == 'Q';
        EXPECT_EQ(loop->toolTip().isEmpty(), loopsKept) << loop->toolTip().toStdString();
        EXPECT_EQ(f.panel.state().loopRecord == before.loopRecord, !loopsKept);
        EXPECT_EQ(f.panel.state().password, before.password);
        f.panel.setFaults({});
        f.window->Button1Click(); // a read shows what the panel holds, unmarked
        EXPECT_TRUE(loop->toolTip().isEmpty());
    }
}

// Every page at its extremes goes from the window into a file, back into the window, into the
// panel and back from it without a refusal or a difference.
TEST(SettingsFiles, EveryPageAtItsExtremesComesBackWhole)
{
    ExchangeFixture f;
    f.window->Button1Click();
    PanelSettings extreme = f.window->collectSettings();
    extreme.keys = {QStringLiteral("FFFFFFFFFFFFFFFF"), QStringLiteral("0000000000000001"),
                    QStringLiteral("ABCDEF0123456789"), QStringLiteral("0000000000000000")};
    extreme.password = QStringLiteral("99999");
    extreme.loops = {0xff, 0x00, 0xff, 0xff, 0x80};
    for (auto &rule : extreme.relayRules)
        rule = {0xff, 0x01, 0x80, 0xff};
    extreme.relayTimes = {0, 2, 498, 500, 6};
    f.window->showSettings(extreme);
    f.child<QLineEdit>(QStringLiteral("k5"))->setText(QStringLiteral("7")); // held as 6
    const QString file = f.folder.filePath(QStringLiteral("extreme.txt"));
    f.dialogs.chooseFile(file);
    f.dialogs.answer(true); // with the password
    f.child<QAction>(QStringLiteral("SaveSettingsAction"))->trigger();
    f.dialogs.boxes.clear();                 // the question about the password
    f.window->showSettings(PanelSettings{}); // nothing of it left in the pages but the file
    f.dialogs.chooseFile(file);
    f.child<QAction>(QStringLiteral("LoadSettingsAction"))->trigger();
    EXPECT_TRUE(f.dialogs.boxes.empty()) << f.dialogs.boxes[0].second.toStdString();
    f.window->Button2Click();
    EXPECT_TRUE(f.dialogs.boxes.empty()) << f.dialogs.boxes[0].second.toStdString();
    EXPECT_EQ(SnapshotJournal().entries().back().result, QStringLiteral("записано"));
    f.window->Button1Click();
    EXPECT_TRUE(CompareSettings(f.window->collectSettings(), extreme).isEmpty())
        << CompareSettings(f.window->collectSettings(), extreme)
               .join(QLatin1Char('\n'))
               .toStdString();
}

// The same change written from the window and from the command line leaves the same journal
// line: one write, one way of journaling it.
TEST(WholePanel, WindowAndCommandLineJournalTheSameWriteAlike)
{
    ExchangeFixture f;
    f.window->Button1Click();
    const QString port = f.port()->currentText();
    auto *loop = f.child<QCheckBox>(QStringLiteral("CheckBox9"));
    loop->setChecked(true);
    f.window->Button2Click();
    const QString file = f.folder.filePath(QStringLiteral("changed.txt"));
    WriteSettingsFile(file, f.window->collectSettings(), true);
    loop->setChecked(false);
    f.window->Button2Click(); // and back, for the command line to make the same change

    f.window->XComm1().CloseDevice(); // the port is the command line's now
    QProcess cli;
    cli.start(QStringLiteral(ORVANTA_CLI), {QStringLiteral("write"), QStringLiteral("--yes"),
                                            QStringLiteral("--port"), port, file});
    ASSERT_TRUE(cli.waitForFinished(60000));
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();

    const std::vector<JournalEntry> journal = SnapshotJournal().entries();
    ASSERT_EQ(journal.size(), 3u);
    for (const JournalEntry &entry : {journal[0], journal[2]}) {
        EXPECT_EQ(entry.port, port);
        EXPECT_EQ(entry.firmware, QStringLiteral("VER 03.07 ORVANTA GSM"));
        EXPECT_EQ(entry.result, QStringLiteral("записано"));
        EXPECT_EQ(entry.changes, QStringList{QStringLiteral("Шлейф 1, замыкание: нет → да")});
        EXPECT_TRUE(entry.detail.isEmpty());
    }
}

TEST(WholePanel, PagesOwnWritesKeepASnapshotFirst)
{
    ExchangeFixture f(sim::PanelState{}, {QStringLiteral("DEBUG")});
    f.window->Button1Click();
    f.window->loops().findChild<QCheckBox *>(QStringLiteral("CheckBox9"))->setChecked(true);
    f.panel.clearTranscript();
    f.child<QPushButton>(QStringLiteral("WriteSH"))->click();
    const Commands sent = f.commands();
    ASSERT_EQ(sent.size(), 15u);
    EXPECT_EQ(sent.front(), "+T01"); // the whole read comes first
    EXPECT_EQ(sent[13], "+K0100000000");
    EXPECT_EQ(sent.back(), "+K"); // the part read back
    std::vector<JournalEntry> journal = SnapshotJournal().entries();
    ASSERT_EQ(journal.size(), 1u);
    EXPECT_EQ(journal[0].changes, QStringList{QStringLiteral("Шлейф 1, замыкание: нет → да")});

    // A read that fails writes nothing and says which setting it missed.
    f.faults([](sim::PanelFaults &x) {
        x.onlyCommand = "+T02";
        x.silent = true;
    });
    f.panel.clearTranscript();
    f.child<QPushButton>(QStringLiteral("Button22"))->click();
    for (const std::string &command : f.commands())
        EXPECT_LE(command.size(), 4u) << command; // reads only
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_TRUE(f.dialogs.boxes[0].second.contains(QStringLiteral("Ключ 2")));
    EXPECT_EQ(SnapshotJournal().entries().size(), 1u);
}

TEST(WholePanel, FirmwareVersionDecides)
{
    ExchangeFixture f;
    f.panel.setVersion("ver 03.01");
    f.window->Button1Click();
    EXPECT_TRUE(f.connected());
    EXPECT_EQ(f.commands().size(), 17u);

    f.panel.setVersion("VER 02.11");
    f.panel.clearTranscript();
    f.window->Button1Click();
    EXPECT_FALSE(f.connected());
    EXPECT_EQ(f.commands(), Commands{"+v"});
    EXPECT_TRUE(f.dialogs.boxes.empty());
}

TEST(WholePanel, ReadThatGarblesASettingChangesNoPageAndNamesIt)
{
    sim::PanelState state;
    state.loopRecord = {0x12, 0x34, 0x56, 0x78, 0x9a};
    ExchangeFixture f(state);
    f.window->Button1Click(); // the pages hold the panel's settings
    ASSERT_TRUE(f.dialogs.boxes.empty());
    f.faults([](sim::PanelFaults &x) {
        x.onlyCommand = "+K";
        x.garbageValue = true;
    });
    f.window->Button1Click();
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0].first, Dialogs::Kind::Error);
    EXPECT_EQ(f.dialogs.boxes[0].second,
              QStringLiteral("Ошибка связи с охранной панелью \"Orvanta\":\n\r\n\rНе прочитано: "
                             "Настройки шлейфов и общие настройки — охранная панель ответила "
                             "«ZZZZZZZZZZ»"));
    EXPECT_FALSE(f.connected());
    EXPECT_EQ(f.window->findChild<TfWait *>(), nullptr);
    EXPECT_EQ(f.commands().back(), "+K"); // nothing after the failed record

    // The next write sends what the pages held, not what the garbled reply decoded to; a field
    // that is no number ends it before the relay records and the password, and the parts
    // written are read back.
    f.panel.setFaults({});
    f.panel.clearTranscript();
    f.child<QLineEdit>(QStringLiteral("k2"))->clear();
    f.window->Button2Click();
    EXPECT_EQ(
        f.dialogs.boxes.back().second,
        QStringLiteral("Ошибка записи в охранную панель \"Orvanta\":\n\r\n\rЗапись прервана: "
                       "'' is not a valid integer value\nЗаписано: ключи, шлейфы и общие "
                       "настройки. Охранная панель хранит теперь часть новых и часть прежних "
                       "настроек.\n\nПрежние настройки охранной панели сохранены (снимок № 1): "
                       "их вернёт «Вернуть настройки до записи…» в меню «Файл…»."));
    const Commands sent = f.commands();
    EXPECT_NE(std::find(sent.begin(), sent.end(), "+K123456789a"), sent.end());
    EXPECT_EQ(sent.back(), "+K"); // read back
    const auto relayWritten = [](const std::string &command) {
        return command.substr(0, 3) == "+k0" && command.size() > 4;
    };
    EXPECT_EQ(std::count_if(sent.begin(), sent.end(), relayWritten),
              0); // relays read, none written
}

TEST(WholePanel, MemoryUsage)
{
    EXPECT_EQ(MessageTable::UsedSecondsFromBytes(QStringLiteral("ff"), QStringLiteral("ff")), 0);
    EXPECT_EQ(MessageTable::UsedSecondsFromBytes(QStringLiteral("09"), QStringLiteral("60")), 480);
    EXPECT_EQ(MessageTable::UsedSecondsFromBytes(QStringLiteral("00"), QStringLiteral("05")), 1);
    EXPECT_EQ(MessageTable::UsedSecondsFromBytes(QStringLiteral("00"), QStringLiteral("04")), 0);
    EXPECT_EQ(MessageTable::UsedSecondsFromBytes(QStringLiteral("01"), QStringLiteral("2C")), 60);
    EXPECT_EQ(MessageTable::UsedSecondsFromBytes(QString(), QStringLiteral("ff")),
              0); // one byte read
    EXPECT_EQ(MessageTable::UsedSecondsFromBytes(QString(), QString()), std::nullopt);
    EXPECT_EQ(MessageTable::UsedSecondsFromBytes(QStringLiteral("zz"), QStringLiteral("00")),
              std::nullopt);
    EXPECT_EQ(MemoryUsageText(61), QStringLiteral("Занято 1 мин. 1 сек. из 8 мин."));

    ExchangeFixture f;
    f.query("+E6c09");
    f.query("+E6d60");
    f.window->Button1Click();
    EXPECT_EQ(f.text("EepL"), QStringLiteral("Занято 8 мин. 0 сек. из 8 мин."));
    EXPECT_EQ(f.child<QProgressBar>(QStringLiteral("EepPB"))->value(), 480);

    f.faults([](sim::PanelFaults &x) {
        x.onlyCommand = "+E6d";
        x.silent = true;
    });
    f.window->Button1Click();
    EXPECT_EQ(f.text("EepL"), QStringLiteral("Занято 0 мин. 0 сек. из 8 мин."));
    EXPECT_EQ(f.child<QProgressBar>(QStringLiteral("EepPB"))->value(), 0);
}

TEST(Password, KeyFilter)
{
    EXPECT_TRUE(PasswordKeyAccepted(QStringLiteral("12"), 2, 0, QLatin1Char('3')));
    EXPECT_FALSE(PasswordKeyAccepted(QStringLiteral("12"), 2, 0, QLatin1Char('2')));  // left
    EXPECT_FALSE(PasswordKeyAccepted(QStringLiteral("12"), 0, 0, QLatin1Char('1')));  // right
    EXPECT_TRUE(PasswordKeyAccepted(QStringLiteral("121"), 1, 1, QLatin1Char('3')));  // over "2"
    EXPECT_FALSE(PasswordKeyAccepted(QStringLiteral("121"), 1, 1, QLatin1Char('1'))); // 1 beside
    EXPECT_FALSE(PasswordKeyAccepted(QString(), 0, 0, QLatin1Char('0')));
    EXPECT_FALSE(PasswordKeyAccepted(QString(), 0, 0, QLatin1Char('a')));
    EXPECT_TRUE(PasswordKeyAccepted(QStringLiteral("11"), 1, 0, QLatin1Char('\b')));

    ExchangeFixture f;
    auto *password = f.child<QLineEdit>(QStringLiteral("xpass"));
    QTest::keyClicks(password, QStringLiteral("1102a3"));
    EXPECT_EQ(password->text(), QStringLiteral("123"));
    QTest::keyClick(password, Qt::Key_Backspace);
    EXPECT_EQ(password->text(), QStringLiteral("12"));
    QTest::keyClick(password, Qt::Key_Home);
    QTest::keyClick(password, Qt::Key_Delete);
    EXPECT_EQ(password->text(), QStringLiteral("2"));
}

TEST(ConnectionCheck, NoPanelAnywhere)
{
    ExchangeFixture f;
    f.port()->clear();
    f.port()->addItems({QStringLiteral("/nonexistent/a"), QStringLiteral("/nonexistent/b")});
    f.port()->setCurrentText(QStringLiteral("/nonexistent/chosen"));
    f.window->CheckConnection();
    EXPECT_FALSE(f.connected());
    EXPECT_EQ(f.port()->currentText(), QStringLiteral("/nonexistent/chosen"));
    // The box says which ports were tried and why each failed, each port once.
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0],
              std::make_pair(Dialogs::Kind::Question,
                             QStringLiteral("Нет связи с охранной панелью \"Orvanta\"!\n\n"
                                            "/nonexistent/chosen: нет устройства\n"
                                            "/nonexistent/a: нет устройства\n"
                                            "/nonexistent/b: нет устройства")));
}

TEST(ConnectionCheck, PanelOnTheThirdPort)
{
    ExchangeFixture f;
    const QString panelPort = QString::fromStdString(f.window->XComm1().DeviceName());
    f.port()->clear();
    f.port()->addItems({QStringLiteral("/nonexistent/a"), QStringLiteral("/nonexistent/b"),
                        panelPort, QStringLiteral("/nonexistent/d")});
    f.port()->setCurrentText(QStringLiteral("/nonexistent/chosen"));
    f.window->CheckConnection();
    EXPECT_TRUE(f.connected());
    EXPECT_EQ(f.port()->currentText(), panelPort);
    EXPECT_TRUE(f.dialogs.boxes.empty());
}

TEST(PanelMemoryWrite, VerifiesRewritesAndStops)
{
    ExchangeFixture f;
    auto *correct = f.child<QCheckBox>(QStringLiteral("xerror"));
    f.query("+E0a01");
    f.query("+E0b23");
    f.panel.clearTranscript();
    f.window->sounds().upload().try_write_eeprom(QStringLiteral("0123"), 5);
    EXPECT_EQ(f.commands(), (Commands{"+E0a", "+E0b"}));
    EXPECT_EQ(f.window->sounds().cell(2, 5), QStringLiteral("5: 0123 : 0123"));

    correct->setChecked(false);
    f.panel.clearTranscript();
    f.window->sounds().upload().try_write_eeprom(QStringLiteral("0456"), 5);
    EXPECT_EQ(f.commands(), (Commands{"+E0a", "+E0b", "+E0a04", "+E0b56"}));
    EXPECT_EQ(f.window->sounds().cell(2, 5), QStringLiteral("--->5: 0456 : 0123"));

    // Word 54 in a cell that never keeps a write: bounded, the last arrow line stays.
    correct->setChecked(true);
    f.faults([](sim::PanelFaults &x) { x.stuckCell = 108; });
    f.panel.clearTranscript();
    f.window->sounds().upload().try_write_eeprom(QStringLiteral("0960"), 54);
    const Commands sent = f.commands();
    EXPECT_EQ(std::count(sent.begin(), sent.end(), "+E6c09"), PanelMemory::MaxWrites);
    EXPECT_EQ(f.window->sounds().cell(2, 54), QStringLiteral("--->54: 0960 : FF60"));
}

TEST(PanelMemoryWrite, TableSavedAndLoadedBackWritesEveryEntry)
{
    sim::PanelState state;
    for (int n = 1; n <= 54; ++n)
        state.setWord(n, uint16_t(0xFF00 + n));
    ExchangeFixture f(state, {QStringLiteral("DEBUG")});
    const QString table = f.folder.filePath(QStringLiteral("table.txt"));
    f.dialogs.chooseFile(table);
    f.child<QPushButton>(QStringLiteral("Button7"))->click();
    const IniFile saved = IniFile::read(table);
    EXPECT_EQ(saved.keys(QStringLiteral("Sound")).size(), 54);
    EXPECT_EQ(saved.value(QStringLiteral("Sound"), QStringLiteral("s9")), QStringLiteral("FF0A"));

    for (int n : {1, 10, 54}) // the panel forgets some of its table
        f.window->link().query(QStringLiteral("+E") + PanelMemory::addressDigits(2 * n + 1) +
                               QStringLiteral("00"));
    f.dialogs.chooseFile(table);
    f.child<QPushButton>(QStringLiteral("Button6"))->click();
    PanelMemory memory(f.window->link());
    for (int n : {1, 10, 54}) {
        const QString high = memory.readByte(2 * n);
        EXPECT_EQ(high + memory.readByte(2 * n + 1),
                  saved.value(QStringLiteral("Sound"), QStringLiteral("s%1").arg(n - 1)))
            << n;
    }
    EXPECT_EQ(f.window->sounds().cell(2, 10), QStringLiteral("10: FF0A : FF0A"));
    EXPECT_EQ(f.child<QProgressBar>(QStringLiteral("p"))->value(), 0);
}

TEST(SettingsFiles, SavedLoadedAndComparedFromTheWindow)
{
    ExchangeFixture f;
    f.window->Button1Click();
    auto *box = f.child<QCheckBox>(QStringLiteral("CheckBox60")); // relay 2 on when loop 4 closes
    box->setChecked(true);
    const auto trigger = [&](const char *action) {
        f.child<QAction>(QLatin1String(action))->trigger();
    };
    const QString file = f.folder.filePath(QStringLiteral("panel.txt"));
    f.dialogs.chooseFile(file);
    f.dialogs.answer(false); // without the password
    trigger("SaveSettingsAction");
    EXPECT_FALSE(QString::fromUtf8(ReadFile(file)).contains(QStringLiteral("Пароль")));

    box->setChecked(false);
    f.child<QLineEdit>(QStringLiteral("k1"))->setText(QStringLiteral("100"));
    f.panel.clearTranscript();
    f.dialogs.chooseFile(file);
    trigger("LoadSettingsAction");
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(f.child<QLineEdit>(QStringLiteral("k1"))->text(), QStringLiteral("0"));
    EXPECT_TRUE(f.commands().empty()); // loading sends nothing

    f.dialogs.boxes.clear();
    f.dialogs.chooseFile(file);
    trigger("CompareSettingsAction");
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0].second,
              QStringLiteral("Запись файла изменит в охранной панели:\n\n"
                             "Шлейф 4, при замыкании: реле 2 включить: нет → да"));
}

TEST(WholePanel, TheSettingsBeforeAWriteCanBeWrittenBack)
{
    ExchangeFixture f;
    f.window->Button1Click();
    const sim::PanelState before = f.panel.state();
    f.child<QLineEdit>(QStringLiteral("xpass"))->setText(QStringLiteral("54321"));
    f.child<QCheckBox>(QStringLiteral("CheckBox60"))->setChecked(true);
    f.window->Button2Click();
    ASSERT_NE(f.panel.state().password, before.password);

    f.dialogs.choose(0); // the newest: what the panel held before that write
    f.dialogs.answer(true);
    f.window->findChild<QAction *>(QStringLiteral("RestoreSnapshotAction"))->trigger();
    EXPECT_EQ(f.panel.state().password, before.password);
    EXPECT_EQ(f.panel.state().relayRules, before.relayRules);
    ASSERT_EQ(f.dialogs.boxes.size(), 3u); // the list, the question with the changes, the result
    EXPECT_TRUE(f.dialogs.boxes[1].second.contains(QStringLiteral("Пароль: 54321 → 12345")));
    EXPECT_EQ(f.dialogs.boxes[2].second,
              QStringLiteral("Настройки возвращены: охранная панель хранит снимок № 1."));
    EXPECT_EQ(f.text("xpass"), QStringLiteral("12345")); // the pages show it
    EXPECT_EQ(SnapshotJournal().entries().size(), 2u);   // the restore kept one too
}

namespace {

QString pdfText(const QString &path)
{
    QProcess toText;
    toText.start(QStringLiteral("pdftotext"),
                 {QStringLiteral("-layout"), path, QStringLiteral("-")});
    toText.waitForFinished(30000);
    // The PDF's text joins "fi" into one letter, as in the folder "Orvanta Config".
    return QString::fromUtf8(toText.readAllStandardOutput())
        .replace(QChar(0xFB01), QStringLiteral("fi"));
}

} // namespace

// The window's report names what its pages hold, whatever the port list shows now, and the
// window says where it saved each paper; a bundle it cannot write is said in its own words.
TEST(Papers, WindowReportNamesWhatThePagesHoldAndSavesAreSaid)
{
    ExchangeFixture f;
    const QString port = f.port()->currentText();
    const QString file = f.folder.filePath(QStringLiteral("site.txt"));
    const QString pdf = f.folder.filePath(QStringLiteral("report.pdf"));
    const struct
    {
        const char *step;
        std::function<void()> fill;
        QString source;
        bool writesListed;
    } steps[] = {
        {"nothing read", [] {}, QStringLiteral("не прочитано"), false},
        {"a panel read and written",
         [&] {
             f.window->Button1Click();
             f.child<QLineEdit>(QStringLiteral("k5"))->setText(QStringLiteral("6"));
             f.window->Button2Click();
             f.window->Button1Click();
             // Another port chosen since: the pages still hold what was read on the first.
             f.port()->setCurrentText(QStringLiteral("COM7"));
         },
         port, true},
        {"a file loaded",
         [&] {
             f.dialogs.chooseFile(file);
             f.dialogs.answer(false); // without the password
             f.child<QAction>(QStringLiteral("SaveSettingsAction"))->trigger();
             f.dialogs.chooseFile(file);
             f.child<QAction>(QStringLiteral("LoadSettingsAction"))->trigger();
         },
         file, false},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.step);
        step.fill();
        f.dialogs.boxes.clear();
        f.dialogs.chooseFile(pdf);
        f.child<QAction>(QStringLiteral("SaveReportAction"))->trigger();
        ASSERT_EQ(f.dialogs.boxes.size(), 1u);
        EXPECT_EQ(f.dialogs.boxes[0].second, QStringLiteral("Отчёт сохранён: ") + pdf);
        const QString text = pdfText(pdf);
        EXPECT_TRUE(text.contains(QStringLiteral("Откуда: ") + step.source)) << text.toStdString();
        EXPECT_EQ(text.contains(QStringLiteral("Записей ещё не было.")), !step.writesListed);
        EXPECT_EQ(text.contains(QStringLiteral("прочитано из панели")), step.writesListed);
        QFile::remove(pdf);
    }

    // The support bundle: said where it went; a place that takes no file (below a plain file,
    // which even root cannot write into), said so in Russian.
    const QString plain = f.folder.filePath(QStringLiteral("plain"));
    WriteFile(plain, "not a folder");
    const std::pair<QString, QString> bundles[] = {
        {f.folder.filePath(QStringLiteral("support.tar.gz")),
         QStringLiteral("Сведения для поддержки сохранены: ")},
        {plain + QStringLiteral("/support.tar.gz"), QStringLiteral("Не удалось записать файл ")},
    };
    for (const auto &[path, said] : bundles) {
        f.dialogs.boxes.clear();
        f.dialogs.chooseFile(path);
        f.child<QAction>(QStringLiteral("SaveSupportAction"))->trigger();
        ASSERT_EQ(f.dialogs.boxes.size(), 1u);
        EXPECT_TRUE(f.dialogs.boxes[0].second.startsWith(said + path))
            << f.dialogs.boxes[0].second.toStdString();
        EXPECT_FALSE(f.dialogs.boxes[0].second.contains(QStringLiteral("tar") + QLatin1Char(':')));
    }
}

// The site typed in the header names the write in the journal; the window saves it with its state
// but starts without it, and a panel found on another port takes it away.
TEST(WholePanel, SiteTypedInTheHeaderNamesTheWriteUntilAnotherPortsPanel)
{
    ExchangeFixture f;
    f.window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.window.get()));
    f.window->Button1Click();
    auto *site = f.child<QLineEdit>(QStringLiteral("SiteEdit"));
    QTest::keyClicks(site, QStringLiteral("Depot 7"));
    f.child<QLineEdit>(QStringLiteral("xpass"))->setText(QStringLiteral("54321"));
    QTest::mouseClick(f.child<QPushButton>(QStringLiteral("Button2")), Qt::LeftButton);
    const std::vector<JournalEntry> entries = SnapshotJournal().entries();
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries.back().site, QStringLiteral("Depot 7"));
    EXPECT_TRUE(entries.back().snapshotFile.endsWith(QStringLiteral("-Depot_7.txt")));

    f.window->Button1Click(); // the same panel on the same port
    EXPECT_EQ(site->text(), QStringLiteral("Depot 7"));
    const QString port = f.port()->currentText();
    f.window.reset();
    EXPECT_EQ(QSettings(QStringLiteral("Orvanta"), QStringLiteral("Forms"))
                  .value(QStringLiteral("fContact/SiteEdit.Text"))
                  .toString(),
              QStringLiteral("Depot 7"));
    f.window = f.open();
    EXPECT_EQ(f.child<QLineEdit>(QStringLiteral("SiteEdit"))->text(), QString());

    // Named again, then a panel is found under another name.
    site = f.child<QLineEdit>(QStringLiteral("SiteEdit"));
    f.port()->setCurrentText(port);
    QTest::keyClicks(site, QStringLiteral("Garage"));
    const QString other = f.folder.filePath(QStringLiteral("ttyUSB3"));
    ASSERT_TRUE(QFile::link(port, other));
    f.port()->setCurrentText(other);
    f.window->Button1Click();
    EXPECT_TRUE(f.connected());
    EXPECT_EQ(site->text(), QString());
}
