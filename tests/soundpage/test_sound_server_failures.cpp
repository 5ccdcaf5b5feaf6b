// The private sound server stopped while the tool records or uploads: the activity ends with an
// error, nothing crashes, the old message stays and the panel is not left recording; a virtual
// panel that listens goes on answering. Each test starts the server again for the tests after it.
#include "SoundAnalysis.h"
#include "WindowFixture.h"
#include "link/ExchangeLog.h"
#include "link/PanelLink.h"
#include "link/PanelPort.h"
#include "soundpage/SoundPage.h"
#include "soundpage/SoundUpload.h"
#include "soundpage/WaveAdjuster.h"
#include "voice/WaveFile.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

// Stops the sound server now, and starts it again when the test ends, or before.
struct SoundServerOutage
{
    bool gone = false;
    ~SoundServerOutage() { end(); }
    void begin()
    {
        gone = true;
        QProcess::execute(QStringLiteral(ORVANTA_SOUND_SCRIPTS "/stop_sound_server.sh"),
                          {QStringLiteral(ORVANTA_SOUND_STATE)});
    }
    void end()
    {
        if (!std::exchange(gone, false))
            return;
        QProcess::execute(
            QStringLiteral(ORVANTA_SOUND_SCRIPTS "/start_sound_server.sh"),
            {QStringLiteral(ORVANTA_SOUND_STATE), QStringLiteral(ORVANTA_SOUND_RUNTIME)});
    }
};

} // namespace

TEST(SoundServerFailure, DuringARecordingTheOldMessageStays)
{
    SoundServerOutage outage;
    WindowFixture f;
    const QString message = QDir(f.binDir()).filePath(QStringLiteral("sound/sound 1"));
    ASSERT_TRUE(MakeTone(message, 1.0, 440));
    const QByteArray before = ReadFile(message);
    auto window = f.open();
    SoundPage &page = window->sounds();
    page.setCell(0, 5, QStringLiteral("typed since the start"));
    page.record();
    ASSERT_TRUE(page.editor().Recording());
    RunEvents(600);
    outage.begin();
    RunEventsUntil([&] { return !page.editor().Recording(); }, 5000);
    page.stop(); // whether or not the failure was seen by now
    EXPECT_FALSE(page.editor().Recording());
    EXPECT_EQ(ReadFile(message), before);
    EXPECT_FALSE(QFile::exists(message + QStringLiteral(".recording")));
    EXPECT_EQ(page.cell(0, 5), QStringLiteral("typed since the start"));
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0].second,
              QStringLiteral("Запись прервана: сервер звука не отвечает"));
    EXPECT_TRUE(window->link().activity().idle());
}

TEST(SoundServerFailure, DuringAnUploadThePanelStopsRecordingAndTheRowFails)
{
    SoundServerOutage outage;
    PanelWindowFixture f;
    for (int row = 1; row <= 2; ++row)
        ASSERT_TRUE(MakeTone(QDir(f.binDir()).filePath(QStringLiteral("sound/sound %1").arg(row)),
                             2.0, 440));
    SoundPage &page = f.window->sounds();
    for (int row = 3; row <= MessageList::Messages; ++row)
        page.setCell(MessageList::FileColumn, row, QString());
    f.panel.setMessageListener([&](bool started, int message) {
        if (started && message == 1)
            QMetaObject::invokeMethod(f.window.get(), [&] {
                QTimer::singleShot(900, f.window.get(), [&] { outage.begin(); });
            });
    });
    f.child<QPushButton>(QStringLiteral("Button4"))->click();
    ASSERT_TRUE(RunEventsUntil([&] { return !page.upload().running(); }, 20000));
    EXPECT_EQ(f.commands(), (std::vector<std::string>{"+J00", "+j"}));
    EXPECT_EQ(page.cell(2, 1), QStringLiteral("Звук прерван: сервер звука не отвечает"));
    EXPECT_EQ(page.cell(2, 2), QString());
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0].first, Dialogs::Kind::Error);
    EXPECT_TRUE(f.window->link().activity().idle());
}

TEST(SoundServerFailure, ListeningPanelAnswersWhileTheServerIsGoneAndHearsOnceItIsBack)
{
    SoundServerOutage outage;
    QTemporaryDir folder;
    const QString heard = folder.filePath(QStringLiteral("heard"));
    const QString port = folder.filePath(QStringLiteral("panel"));
    QProcess panel;
    panel.start(QStringLiteral(ORVANTA_PANEL_SIM), {"--link", port, "--listen", heard});
    ASSERT_TRUE(panel.waitForReadyRead(10000));
    QByteArray said;
    const auto saidSoFar = [&] {
        said += panel.readAllStandardError();
        return QString::fromUtf8(said);
    };
    TXComm comm;
    ExchangeLog log;
    Activity activity;
    PanelLink link(comm, log, activity);
    ApplyPanelPortDefaults(comm);
    link.OpenPort(port);
    const QString version = link.query(QStringLiteral("+v"));
    ASSERT_FALSE(version.isEmpty());

    // The server goes away while message 1 records, and stays away longer than Qt's sound
    // library goes on trying to reach it.
    link.query(QStringLiteral("+J00"));
    outage.begin();
    EXPECT_EQ(link.query(QStringLiteral("+v")), version);
    EXPECT_FALSE(link.query(QStringLiteral("+j"), 5000).isEmpty());
    EXPECT_TRUE(RunEventsUntil([&] { return saidSoFar().contains("sound input stopped"); }, 10000))
        << said.toStdString();
    QElapsedTimer away;
    away.start();
    while (away.elapsed() < 5000) {
        EXPECT_EQ(link.query(QStringLiteral("+v")), version);
        RunEvents(500);
    }

    // Back again: message 2 holds what was played.
    outage.end();
    ASSERT_TRUE(RunEventsUntil(
        [&] { return saidSoFar().contains("hearing the sound input again"); }, 20000))
        << said.toStdString();
    const QString tone = folder.filePath(QStringLiteral("tone.wav"));
    ASSERT_TRUE(MakeTone(tone, 0.5, 440));
    link.query(QStringLiteral("+J"));
    QProcess player;
    ASSERT_TRUE(PlayInTheBackground(player, tone));
    EXPECT_TRUE(player.waitForFinished(10000));
    link.query(QStringLiteral("+j"), 5000);
    const TWaveFile recorded(QDir(heard).filePath(QStringLiteral("02.wav")));
    ASSERT_TRUE(recorded.Loaded);
    EXPECT_NEAR(MeasureTone(recorded.Samples, 44100).seconds, 0.5, 0.15);

    EXPECT_EQ(panel.state(), QProcess::Running);
    panel.terminate();
    EXPECT_TRUE(panel.waitForFinished(5000));
    EXPECT_EQ(panel.exitStatus(), QProcess::NormalExit);
}

// Away for half a minute after a play: the page says so and offers no sound meanwhile, an
// upload sends nothing, and once the server is back the tool plays, records and uploads again
// without a restart.
TEST(SoundServerFailure, ServerAwayForLongAfterAPlayIsFoundAgain)
{
    SoundServerOutage outage;
    PanelWindowFixture f;
    const QString message = QDir(f.binDir()).filePath(QStringLiteral("sound/sound 1"));
    ASSERT_TRUE(MakeTone(message, 0.5, 440));
    SoundPage &page = f.window->sounds();
    for (int row = 2; row <= MessageList::Messages; ++row)
        page.setCell(MessageList::FileColumn, row, QString());
    page.selectCell(MessageList::TextColumn, 1);
    auto *status = f.child<QLabel>(QStringLiteral("StatusL"));
    auto *record = f.child<QToolButton>(QStringLiteral("RecSB"));
    ASSERT_TRUE(record->isEnabled());
    page.play(true);
    ASSERT_TRUE(RunEventsUntil([&] { return !page.sound().player().isPlaying(); }, 5000));

    outage.begin();
    ASSERT_TRUE(RunEventsUntil([&] { return !status->isHidden(); }, 5000));
    EXPECT_TRUE(status->text().contains(QStringLiteral("сервером звука")))
        << status->text().toStdString();
    page.selectCell(MessageList::TextColumn, 1); // the device cannot take it now
    RunEvents(30000);
    EXPECT_FALSE(record->isEnabled());
    EXPECT_FALSE(f.child<QToolButton>(QStringLiteral("PlaySB"))->isEnabled());
    f.child<QPushButton>(QStringLiteral("Button4"))->click();
    EXPECT_TRUE(f.commands().empty());
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_TRUE(f.dialogs.boxes[0].second.contains(QStringLiteral("сервером звука")));

    outage.end();
    ASSERT_TRUE(RunEventsUntil([&] { return status->isHidden() && record->isEnabled(); }, 10000))
        << status->text().toStdString();
    page.play(true);
    EXPECT_TRUE(page.sound().player().isPlaying());
    QString playError = QStringLiteral("not ended");
    QObject::connect(&page.sound().player(), &WaveDevice::playEnded,
                     [&](const QString &error) { playError = error; });
    ASSERT_TRUE(RunEventsUntil([&] { return !page.sound().player().isPlaying(); }, 5000));
    EXPECT_EQ(playError, QString());
    page.record();
    ASSERT_TRUE(page.editor().Recording());
    RunEvents(700);
    page.stop();
    EXPECT_TRUE(TWaveFile(message).Loaded);
    f.child<QPushButton>(QStringLiteral("Button4"))->click();
    ASSERT_TRUE(RunEventsUntil([&] { return !page.upload().running(); }, 20000));
    EXPECT_EQ(f.commands(), (std::vector<std::string>{"+J00", "+j", "+E02", "+E03"}));
    EXPECT_EQ(f.dialogs.boxes.back().second, QStringLiteral("Процесс записи завершен!"));
}

// A close while a message plays to a server that has just gone ends the tool within 3.5 s, and
// the panel is not left recording.
TEST(SoundServerFailure, CloseDuringAnUploadWithTheServerGoneEndsInTime)
{
    SoundServerOutage outage;
    PanelWindowFixture f;
    ASSERT_TRUE(MakeTone(QDir(f.binDir()).filePath(QStringLiteral("sound/sound 1")), 3.0, 440));
    SoundPage &page = f.window->sounds();
    for (int row = 2; row <= MessageList::Messages; ++row)
        page.setCell(MessageList::FileColumn, row, QString());
    f.window->show();
    QElapsedTimer sinceClose;
    f.panel.setMessageListener([&](bool started, int message) {
        if (started && message == 1)
            QMetaObject::invokeMethod(f.window.get(), [&] {
                QTimer::singleShot(900, f.window.get(), [&] {
                    outage.begin();
                    sinceClose.start();
                    f.window->close();
                });
            });
    });
    f.child<QPushButton>(QStringLiteral("Button4"))->click();
    ASSERT_TRUE(
        RunEventsUntil([&] { return !f.window->isVisible() && !page.upload().running(); }, 20000));
    const qint64 took = sinceClose.elapsed();
    EXPECT_LT(took, 3500);
    RecordProperty("close_ms", int(took));
    EXPECT_EQ(f.commands(), (std::vector<std::string>{"+J00", "+j"}));
}
