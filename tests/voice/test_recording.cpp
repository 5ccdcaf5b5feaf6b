// Recording and playback in the editor and from the sound page, through the private sound
// server, and the sound list's debug buttons against the virtual panel.
#include "MessageTools.h"
#include "SoundAnalysis.h"
#include "SoundPage.h"
#include "WaveAdjuster.h"
#include "WindowFixture.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

constexpr int Rate = 44100;

struct RecordingFixture
{
    QTemporaryDir folder;
    DialogRecorder dialogs;
    TWaveAdjuster editor;
    WaveDevice tone; // plays into the output that the input hears

    RecordingFixture()
    {
        editor.resize(690, 105);
        editor.show();
    }
    QString path(const char *name) const { return folder.filePath(QLatin1String(name)); }
    void playTone(double seconds)
    {
        EXPECT_TRUE(MakeTone(path("tone.wav"), seconds, 440));
        tone.FileName = path("tone.wav");
        tone.Open();
        tone.Play();
    }
};

} // namespace

TEST(Recording, StoppedRecordingIsSavedShownAndHoldsTheTone)
{
    RecordingFixture f;
    f.playTone(3);
    RunEvents(200);
    QElapsedTimer clock;
    double seconds = 0;
    QTimer::singleShot(1200, &f.editor, [&] {
        seconds = clock.elapsed() / 1000.0;
        f.editor.StopSound();
    });
    clock.start();
    f.editor.RecordSound(f.path("message.wav"), 30);
    f.tone.Stop();
    EXPECT_FALSE(f.editor.Recording);
    ASSERT_TRUE(f.editor.SoundLoaded());
    EXPECT_NEAR(f.editor.SampleCount() / double(Rate), seconds, 0.2);
    EXPECT_NEAR(MeasureTone(f.editor.Wave->Samples, Rate).frequency, 440, 440 * 0.02);
    EXPECT_TRUE(f.editor.UndoSamples.empty()); // the load after the recording empties it
    EXPECT_FALSE(QFile::exists(f.path("message.wav.recording")));
    EXPECT_TRUE(f.dialogs.boxes.empty());
}

TEST(Recording, UnstoppedRecordingEndsAtTheMaximumLength)
{
    RecordingFixture f;
    f.editor.RecordSound(f.path("message.wav"), 1);
    ASSERT_TRUE(f.editor.SoundLoaded());
    EXPECT_NEAR(f.editor.SampleCount() / double(Rate), 1.0, 0.15);
}

TEST(Recording, WithoutAnInputTheOldMessageStays)
{
    RecordingFixture f;
    TWaveFile old;
    old.Samples.assign(5000, 1234);
    old.SaveToFile(f.path("message.wav"));
    const QByteArray before = ReadFile(f.path("message.wav"));
    f.editor.LoadSound(f.path("message.wav"));
    f.editor.Player.SetDeviceNames({}, QStringLiteral("No Such Input"));
    f.editor.RecordSound(f.path("message.wav"), 30);
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0],
              std::make_pair(Dialogs::Kind::Plain, QStringLiteral("Ошибка воспроизведения!")));
    EXPECT_EQ(ReadFile(f.path("message.wav")), before);
    EXPECT_FALSE(f.editor.Recording);
    EXPECT_EQ(f.editor.SampleCount(), 5000); // shown again
    EXPECT_FALSE(QFile::exists(f.path("message.wav.recording")));
}

TEST(Playback, ClickOrDragThenPlayPlaysFromThereOrTheSpan)
{
    RecordingFixture f;
    ASSERT_TRUE(MakeTone(f.path("message.wav"), 1.0, 440));
    f.editor.LoadSound(f.path("message.wav"));
    const auto playAndFollow = [&] {
        f.editor.PlaySelection();
        const qint64 start = f.editor.Player.Position();
        while (f.editor.Player.IsPlaying())
            RunEvents(20);
        return std::pair(start, f.editor.Player.Position());
    };
    QTest::mouseClick(&f.editor, Qt::LeftButton, {}, QPoint(345, 50));
    ASSERT_EQ(f.editor.SelStart, 22050);
    const auto [clickStart, clickEnd] = playAndFollow();
    EXPECT_NEAR(double(clickStart), 22050, 2205);
    EXPECT_EQ(clickEnd, 44099); // to the end
    QTest::mousePress(&f.editor, Qt::LeftButton, {}, QPoint(69, 50));
    QTest::mouseMove(&f.editor, QPoint(138, 50));
    QTest::mouseRelease(&f.editor, Qt::LeftButton, {}, QPoint(138, 50));
    const auto [spanStart, spanEnd] = playAndFollow();
    EXPECT_NEAR(double(spanStart), 4410, 2205);
    EXPECT_EQ(spanEnd, 8820);

    f.editor.LoadSound(f.path("missing.wav")); // no sound: play does nothing
    f.dialogs.boxes.clear();
    f.editor.PlayFromStart();
    f.editor.PlaySelection();
    EXPECT_FALSE(f.editor.Player.IsPlaying());
    EXPECT_TRUE(f.dialogs.boxes.empty());
}

TEST(SoundPage, RecordingRefusesOtherRowsAndEnablesOnlyWhatCanAct)
{
    WindowFixture f;
    QDir(f.binDir()).mkdir(QStringLiteral("sound"));
    auto window = f.open();
    auto *grid = window->findChild<QTableWidget *>(QStringLiteral("SoundSG"));
    auto *rowNumber = window->findChild<QLabel *>(QStringLiteral("Panel4"));
    const auto enabled = [&](const char *name) {
        return window->findChild<QToolButton *>(QLatin1String(name))->isEnabled();
    };
    EXPECT_TRUE(enabled("RecSB"));
    EXPECT_FALSE(enabled("PlaySB")); // row 1 has no sound yet
    EXPECT_FALSE(enabled("StopSB"));
    EXPECT_FALSE(enabled("UndoSB"));
    bool recordingShown = false;
    QTimer::singleShot(400, window.get(), [&] {
        recordingShown = enabled("StopSB") && !enabled("RecSB") && !enabled("CutSB");
        grid->setCurrentCell(9, 0); // refused while recording
        window->findChild<QToolButton *>(QStringLiteral("StopSB"))->click();
    });
    window->findChild<QToolButton *>(QStringLiteral("RecSB"))->click();
    EXPECT_TRUE(recordingShown);
    EXPECT_EQ(rowNumber->text(), QStringLiteral("1"));
    EXPECT_EQ(grid->currentRow(), 0);
    EXPECT_TRUE(QFile::exists(QDir(f.binDir()).filePath(QStringLiteral("sound/sound 1"))));
    EXPECT_TRUE(enabled("PlaySB")); // the recording is shown and can be played
    EXPECT_TRUE(enabled("RecSB"));
}

TEST(SoundPage, DebugButtonsMakeThePanelPlay)
{
    PanelWindowFixture f(sim::PanelState{}, {QStringLiteral("DEBUG")});
    auto *grid = f.child<QTableWidget>(QStringLiteral("SoundSG"));
    const auto press = [&](const char *name) {
        f.child<QPushButton>(QLatin1String(name))->click();
    };
    grid->setCurrentCell(9, 1);
    EXPECT_EQ(f.child<QLabel>(QStringLiteral("Panel4"))->text(), QStringLiteral("10"));
    press("p2");
    grid->setCurrentCell(53, 0);
    press("p2");
    press("p1");
    press("p3");
    EXPECT_EQ(f.commands(), (std::vector<std::string>{"+I09", "+I35", "+I00", "+I"}));
    EXPECT_EQ(f.child<QLabel>(QStringLiteral("xaddr3"))->text(), QStringLiteral("0000"));
    EXPECT_EQ(f.child<QLabel>(QStringLiteral("xaddr"))->text(),
              QStringLiteral("FFFF")); // unused slot
}

TEST(SoundPage, InstalledToolRecordsIntoTheUsersSoundFolder)
{
    DialogRecorder dialogs;
    QTemporaryDir program, home, data;
    const QByteArray previousData = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    {
        TfContact window(TfContact::Startup{{}, program.path(), false, home.path(), home.path()});
        QTimer::singleShot(600, &window, [&] {
            window.findChild<QToolButton *>(QStringLiteral("StopSB"))->click();
        });
        window.findChild<QToolButton *>(QStringLiteral("RecSB"))->click();
        EXPECT_TRUE(window.Sounds().Editor().SoundLoaded());
    }
    qputenv("XDG_DATA_HOME", previousData);
    EXPECT_TRUE(
        TWaveFile(QDir(data.path()).filePath(QStringLiteral("Orvanta/sound/1.wav"))).Loaded);
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST(SoundPage, SpeechFromTheRowsText)
{
    WindowFixture f;
    auto window = f.open();
    const auto total = [&] {
        return window->findChild<QLabel *>(QStringLiteral("TotalL"))->text();
    };
    const QString nothing = QStringLiteral("Сообщения в списке: 0 мин. 0 сек. из 8 мин.");
    EXPECT_EQ(total(), nothing);
    window->findChild<QToolButton *>(QStringLiteral("SpeakSB"))->click();
    EXPECT_TRUE(f.dialogs.boxes.empty()) << f.dialogs.boxes.front().second.toStdString();
    EXPECT_NE(total(), nothing); // the written message counts at once
    EXPECT_TRUE(TWaveFile(QDir(f.binDir()).filePath(QStringLiteral("sound/sound 1"))).Loaded);
    EXPECT_TRUE(window->Sounds().Editor().SoundLoaded());
    // The page's tools on the spoken message: even loudness, then trimmed ends.
    const QString spoken = QDir(f.binDir()).filePath(QStringLiteral("sound/sound 1"));
    window->findChild<QToolButton *>(QStringLiteral("NormalizeSB"))->click();
    const std::vector<int16_t> even = TWaveFile(spoken).Samples;
    int peak = 0;
    for (int16_t sample : even)
        peak = std::max(peak, std::abs(int(sample)));
    EXPECT_EQ(peak, LoudnessPeak);
    window->findChild<QToolButton *>(QStringLiteral("TrimSB"))->click();
    EXPECT_LE(TWaveFile(spoken).Samples.size(), even.size());
    window->Sounds().SetCell(1, 1, QStringLiteral("missing.wav")); // a name typed into the list
    EXPECT_EQ(total(), nothing);
    window->Sounds().SetCell(0, 2, QStringLiteral(" "));
    window->findChild<QTableWidget *>(QStringLiteral("SoundSG"))->setCurrentCell(1, 0);
    window->findChild<QToolButton *>(QStringLiteral("SpeakSB"))->click();
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0].second,
              QStringLiteral("В строке 2 нет текста сообщения: озвучивать нечего."));
}
