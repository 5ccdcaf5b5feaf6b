// The private sound server stopped while the tool records or uploads: the activity ends with an
// error, nothing crashes, the old message stays and the panel is not left recording. Each test
// starts the server again for the tests after it.
#include "SoundAnalysis.h"
#include "SoundPage.h"
#include "SoundUpload.h"
#include "WaveAdjuster.h"
#include "WindowFixture.h"

#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

// Stops the sound server now, and starts it again when the test ends.
struct SoundServerOutage
{
    ~SoundServerOutage()
    {
        QProcess::execute(
            QStringLiteral(ORVANTA_SOUND_SCRIPTS "/start_sound_server.sh"),
            {QStringLiteral(ORVANTA_SOUND_STATE), QStringLiteral(ORVANTA_SOUND_RUNTIME)});
    }
    void begin()
    {
        QProcess::execute(QStringLiteral(ORVANTA_SOUND_SCRIPTS "/stop_sound_server.sh"),
                          {QStringLiteral(ORVANTA_SOUND_STATE)});
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
    SoundPage &page = window->Sounds();
    page.SetCell(0, 5, QStringLiteral("typed since the start"));
    page.Record();
    ASSERT_TRUE(page.Editor().Recording());
    RunEvents(600);
    outage.begin();
    RunEventsUntil([&] { return !page.Editor().Recording(); }, 5000);
    page.Stop(); // whether or not the failure was seen by now
    EXPECT_FALSE(page.Editor().Recording());
    EXPECT_EQ(ReadFile(message), before);
    EXPECT_FALSE(QFile::exists(message + QStringLiteral(".recording")));
    EXPECT_EQ(page.Cell(0, 5), QStringLiteral("typed since the start"));
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0].second,
              QStringLiteral("Запись прервана: сервер звука не отвечает"));
    EXPECT_TRUE(window->Link().activity().idle());
}

TEST(SoundServerFailure, DuringAnUploadThePanelStopsRecordingAndTheRowFails)
{
    SoundServerOutage outage;
    PanelWindowFixture f;
    for (int row = 1; row <= 2; ++row)
        ASSERT_TRUE(MakeTone(QDir(f.binDir()).filePath(QStringLiteral("sound/sound %1").arg(row)),
                             2.0, 440));
    SoundPage &page = f.window->Sounds();
    for (int row = 3; row <= MessageList::Messages; ++row)
        page.SetCell(MessageList::FileColumn, row, QString());
    f.panel.setMessageListener([&](bool started, int message) {
        if (started && message == 1)
            QMetaObject::invokeMethod(f.window.get(), [&] {
                QTimer::singleShot(900, f.window.get(), [&] { outage.begin(); });
            });
    });
    f.child<QPushButton>(QStringLiteral("Button4"))->click();
    ASSERT_TRUE(RunEventsUntil([&] { return !page.Upload().Running(); }, 20000));
    EXPECT_EQ(f.commands(), (std::vector<std::string>{"+J00", "+j"}));
    EXPECT_EQ(page.Cell(2, 1), QStringLiteral("Звук прерван: сервер звука не отвечает"));
    EXPECT_EQ(page.Cell(2, 2), QString());
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0].first, Dialogs::Kind::Error);
    EXPECT_TRUE(f.window->Link().activity().idle());
}
