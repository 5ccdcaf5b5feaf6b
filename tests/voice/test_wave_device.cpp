// The wave-audio device on the real sound path: a private sound server whose input hears what
// its output plays, so that what the device plays is recorded and measured.
#include "SecondOutput.h"
#include "ServerSetting.h"
#include "SoundAnalysis.h"
#include "voice/SoundServer.h"
#include "voice/UploadCheck.h"
#include "voice/WaveDevice.h"
#include "voice/WaveFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

constexpr int Rate = 44100;

struct SoundFolder
{
    QTemporaryDir folder;
    QString path(const char *name) const { return folder.filePath(QLatin1String(name)); }
    // A tone file made by sox.
    QString tone(const char *name, double seconds, int rate = Rate, int bits = 16) const
    {
        EXPECT_TRUE(MakeTone(path(name), seconds, 440, rate, bits));
        return path(name);
    }
    // A file that holds the recording header alone, as a recording starts from.
    QString emptyRecording(const char *name) const
    {
        TWaveFile().SaveToFile(path(name));
        return path(name);
    }
};

// Records the input while action runs, and measures what was heard from the action's start.
// What the input held before (the end of an earlier test's sound, still in the server's
// loopback) is left out.
template <typename Action> ToneMeasure hear(const QString &recordingPath, Action action)
{
    WaveDevice recorder;
    recorder.FileName = recordingPath;
    recorder.open();
    recorder.record();
    RunEvents(150);
    const qint64 actionStart = recorder.position();
    action();
    RunEvents(200);
    recorder.stop();
    recorder.Save();
    const TWaveFile recording(recordingPath);
    EXPECT_TRUE(recording.Loaded);
    return MeasureTone(
        {recording.Samples.begin() + std::min<qint64>(actionStart, recording.Samples.size()),
         recording.Samples.end()},
        Rate);
}

WaveDevice &opened(WaveDevice &device, const QString &path)
{
    device.FileName = path;
    device.open();
    return device;
}

} // namespace

TEST(WaveDevice, PlayedToneIsHeardWholeAndABlockingPlayEndsWithIt)
{
    SoundFolder f;
    WaveDevice player;
    opened(player, f.tone("tone.wav", 1.0));
    EXPECT_EQ(player.length(), Rate);
    qint64 blockedMs = 0;
    const ToneMeasure heard = hear(f.emptyRecording("heard.wav"), [&] {
        QElapsedTimer clock;
        clock.start();
        player.Wait = true;
        player.play();
        blockedMs = clock.elapsed();
    });
    EXPECT_NEAR(heard.frequency, 440, 440 * 0.02);
    EXPECT_NEAR(heard.seconds, 1.0, 0.1);
    EXPECT_GE(blockedMs, 1000);
    EXPECT_LT(blockedMs, 1600); // returns once heard, not long after
    EXPECT_FALSE(player.isPlaying());
    EXPECT_FALSE(player.Wait); // used once
}

TEST(WaveDevice, FilesOfOtherFormatsPlay)
{
    SoundFolder f;
    for (const auto &[rate, bits] : {std::pair{22050, 16}, std::pair{44100, 8}}) {
        SCOPED_TRACE(testing::Message() << rate << " Hz, " << bits << " bits");
        WaveDevice player;
        opened(player, f.tone("other.wav", 0.6, rate, bits));
        const ToneMeasure heard = hear(f.emptyRecording("heard.wav"), [&] {
            player.Wait = true;
            player.play();
        });
        EXPECT_NEAR(heard.frequency, 440, 440 * 0.02);
        EXPECT_NEAR(heard.seconds, 0.6, 0.1); // no clicks at the end of 8-bit sound
    }
}

TEST(WaveDevice, PositionFollowsThePlayAndFromToPlaysASpan)
{
    SoundFolder f;
    WaveDevice player;
    opened(player, f.tone("tone.wav", 0.8));
    player.play(); // returns at once
    EXPECT_TRUE(player.isPlaying());
    std::vector<qint64> positions;
    while (player.isPlaying()) {
        positions.push_back(player.position());
        RunEvents(20);
    }
    EXPECT_GT(positions.size(), 20u);
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
    EXPECT_EQ(player.position(), player.length());

    player.setTimeFormat(WaveDevice::TimeFormat::Milliseconds);
    EXPECT_EQ(player.length(), 800);
    player.From = 200;
    player.To = 500;
    const ToneMeasure heard = hear(f.emptyRecording("span.wav"), [&] {
        player.Wait = true;
        player.play();
    });
    EXPECT_NEAR(heard.seconds, 0.3, 0.1);
    EXPECT_EQ(player.position(), 500);
    player.rewind();
    EXPECT_EQ(player.position(), 0);
}

TEST(WaveDevice, RecordingWhileAToneSoundsIsSavedAsAValidFile)
{
    SoundFolder f;
    QProcess tone; // another program plays, as a voice would sound into the input
    ASSERT_TRUE(PlayInTheBackground(tone, f.tone("tone.wav", 3.0)));
    RunEvents(200);
    WaveDevice recorder;
    opened(recorder, f.emptyRecording("recorded.wav"));
    recorder.setTimeFormat(WaveDevice::TimeFormat::Milliseconds);
    QElapsedTimer sinceFirstSound;
    QObject::connect(&recorder, &WaveDevice::recordingStarted, [&] { sinceFirstSound.start(); });
    recorder.record();
    EXPECT_TRUE(recorder.isRecording());
    ASSERT_TRUE(RunEventsUntil([&] { return sinceFirstSound.isValid(); }));
    RunEvents(1000);
    EXPECT_GT(recorder.position(), 0);
    const double seconds = double(sinceFirstSound.elapsed()) / 1000.0;
    recorder.stop();
    tone.waitForFinished(5000);
    EXPECT_NEAR(double(recorder.length()), 1000 * seconds, 150);
    recorder.Save();
    const TWaveFile saved(f.path("recorded.wav"));
    ASSERT_TRUE(saved.Loaded);
    EXPECT_EQ(saved.Format.SampleRate, 44100u);
    EXPECT_EQ(saved.Data.DataSize, 2 * saved.Samples.size());
    EXPECT_NEAR(double(saved.Samples.size()) / Rate, seconds, 0.15);
    EXPECT_NEAR(MeasureTone(saved.Samples, Rate).frequency, 440, 440 * 0.02);
}

TEST(WaveDevice, OpeningReportsWhatItRefuses)
{
    SoundFolder f;
    WaveDevice device;
    auto refusal = [&](const QString &path) {
        device.FileName = path;
        try {
            device.open();
        } catch (const EWaveDeviceError &error) {
            return QString::fromUtf8(error.what());
        }
        return QStringLiteral("opened");
    };
    EXPECT_EQ(refusal(f.path("missing.wav")),
              QStringLiteral("Файл \"%1\" не найден").arg(f.path("missing.wav")));
    QFile text(f.path("text.wav"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write(QByteArray(100, 'x'));
    text.close();
    EXPECT_TRUE(refusal(f.path("text.wav")).startsWith(QStringLiteral("Звук из файла")));
    EXPECT_FALSE(device.isOpen());
    device.setDeviceNames(QStringLiteral("No Such Card"), {});
    EXPECT_EQ(refusal(f.emptyRecording("empty.wav")),
              QStringLiteral("Нет устройства вывода звука \"No Such Card\""));
    // A card named in the settings: by its whole description or a part of it.
    device.setDeviceNames(QStringLiteral("Orvanta-Test-Output"), QStringLiteral("test-input"));
    EXPECT_EQ(refusal(f.path("empty.wav")), QStringLiteral("opened"));
    EXPECT_EQ(device.proveOutput(1000), QString()); // the output takes sound
    device.record();
    EXPECT_TRUE(device.isRecording());
    device.close();
}

// The chosen output is the one that sounds: the default output's listener hears nothing. When
// the chosen output goes away mid-play, the play ends with an error and never goes on through
// another output.
TEST(WaveDevice, ChosenOutputPlaysAndOneThatGoesAwayEndsThePlay)
{
    SoundFolder f;
    SecondOutput second;
    WaveDevice player;
    player.setDeviceNames(QLatin1String(SecondOutput::Description), QString());
    opened(player, f.tone("tone.wav", 1.0));
    const ToneMeasure elsewhere = hear(f.emptyRecording("default.wav"), [&] {
        player.Wait = true;
        player.play();
    });
    EXPECT_LT(elsewhere.peak, 300) << "the default output sounded";

    QString ended = QStringLiteral("not ended");
    QObject::connect(&player, &WaveDevice::playEnded, [&](const QString &error) { ended = error; });
    const ToneMeasure afterRemoval = hear(f.emptyRecording("after.wav"), [&] {
        player.rewind();
        player.play();
        RunEvents(200);
        second.remove();
        EXPECT_TRUE(RunEventsUntil([&] { return !player.isPlaying(); }, 3000));
    });
    EXPECT_EQ(ended, QStringLiteral("Звук прерван: устройства вывода звука \"%1\" больше нет")
                         .arg(QLatin1String(SecondOutput::Description)));
    // The server moves the stream at once; the device ends it at its next look.
    EXPECT_LT(afterRemoval.seconds, 2.0 * WaveDevice::WatchMs / 1000) << "the sound went on";
}

// Before an upload every message is read and opened as it is now; a file that is not there, is
// no regular file (a FIFO would hold the tool in open()), is empty or holds no sound is named with
// its reason, and only the sound that can be played is counted.
TEST(UploadCheck, NamesEveryMessageThatCannotPlayWithItsReason)
{
    SoundFolder f;
    ASSERT_EQ(mkfifo(QFile::encodeName(f.path("fifo.wav")).constData(), 0600), 0);
    QFile(f.path("empty.wav")).open(QIODevice::WriteOnly);
    QFile text(f.path("text.wav"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write(QByteArray(100, 'x'));
    text.close();
    WaveDevice device;
    const UploadCheck check = CheckMessagesToPlay({{1, f.tone("tone.wav", 0.5)},
                                                   {2, f.path("missing.wav")},
                                                   {3, f.path("fifo.wav")},
                                                   {4, f.path("empty.wav")},
                                                   {5, f.emptyRecording("header.wav")},
                                                   {6, f.path("text.wav")},
                                                   {7, f.folder.path()}},
                                                  device);
    EXPECT_TRUE(check.outputProblem.isEmpty());
    std::vector<std::pair<int, QString>> problems;
    for (const UploadCheck::Problem &problem : check.problems)
        problems.emplace_back(problem.row, problem.reason);
    ASSERT_EQ(problems.size(), 6u);
    EXPECT_EQ(problems[0], std::make_pair(2, QStringLiteral("файл не найден")));
    EXPECT_EQ(problems[1], std::make_pair(3, QStringLiteral("это не обычный файл")));
    EXPECT_EQ(problems[2], std::make_pair(4, QStringLiteral("файл пуст")));
    EXPECT_EQ(problems[3], std::make_pair(5, QStringLiteral("в файле нет звука")));
    EXPECT_EQ(problems[4].first, 6); // in the sound library's words
    EXPECT_EQ(problems[5], std::make_pair(7, QStringLiteral("это не обычный файл")));
    EXPECT_NEAR(check.seconds, 0.5, 0.01);
    EXPECT_FALSE(device.isOpen());

    device.setDeviceNames(QStringLiteral("No Such Card"), {});
    const UploadCheck noOutput = CheckMessagesToPlay({{1, f.path("tone.wav")}}, device);
    EXPECT_EQ(noOutput.outputProblem,
              QStringLiteral("Нет устройства вывода звука \"No Such Card\""));
    EXPECT_TRUE(noOutput.problems.empty());
}

namespace {

const SoundOutputState *testOutput()
{
    static SoundServerState state;
    state = SoundServer::instance().state();
    return state.output(QStringLiteral("orvanta_out"));
}

} // namespace

// The server's own report follows the output's mute and volume and this program's streams: the
// device's output is known by the server's name, and a play shows as a stream on it.
TEST(SoundServer, FollowsTheOutputAndThisProgramsStreams)
{
    const SoundServerState first = SoundServer::instance().settledState(3000);
    ASSERT_TRUE(first.present);
    EXPECT_EQ(first.defaultOutput, QStringLiteral("orvanta_out"));
    WaveDevice device;
    EXPECT_EQ(device.outputServerName(), QStringLiteral("orvanta_out"));
    {
        ServerSetting muted({"set-sink-mute", "orvanta_out", "1"},
                            {"set-sink-mute", "orvanta_out", "0"});
        ASSERT_TRUE(RunEventsUntil([] { return testOutput() && testOutput()->muted; }, 3000));
        EXPECT_TRUE(OutputProblem(SoundServer::instance().state(), QString())
                        .startsWith(QStringLiteral("Вывод звука «Orvanta-Test-Output» выключен")));
    }
    {
        ServerSetting silent({"set-sink-volume", "orvanta_out", "0"},
                             {"set-sink-volume", "orvanta_out", "100%"});
        ASSERT_TRUE(RunEventsUntil([] { return testOutput() && testOutput()->volume == 0; }, 3000));
        EXPECT_TRUE(OutputProblem(SoundServer::instance().state(), QString())
                        .contains(QStringLiteral("— 0 %")));
    }
    EXPECT_TRUE(RunEventsUntil(
        [] { return OutputProblem(SoundServer::instance().state(), QString()).isEmpty(); }, 3000));

    SoundFolder f;
    device.FileName = f.tone("tone.wav", 1.0);
    device.open();
    device.play();
    EXPECT_TRUE(RunEventsUntil(
        [] {
            const SoundServerState state = SoundServer::instance().state();
            return !state.ownStreams.empty() &&
                   state.ownStreams.back().output == QStringLiteral("orvanta_out");
        },
        3000));
    device.close();
}

// A play the server moves to another output (another made the default) ends with the reason,
// and does not go on there.
TEST(WaveDevice, PlayMovedByTheServerEnds)
{
    SoundFolder f;
    SecondOutput second;
    WaveDevice player;
    player.FileName = f.tone("tone.wav", 3.0);
    player.open();
    QString ended = QStringLiteral("not ended");
    QObject::connect(&player, &WaveDevice::playEnded, [&](const QString &error) { ended = error; });
    player.play();
    RunEvents(500);
    {
        ServerSetting moved({"set-default-sink", "orvanta_second"},
                            {"set-default-sink", "orvanta_out"});
        EXPECT_TRUE(RunEventsUntil([&] { return !player.isPlaying(); }, 2000));
    }
    EXPECT_EQ(ended, QStringLiteral("Звук прерван: Сервер звука перенёс звук с вывода "
                                    "«Orvanta-Test-Output» на «Orvanta-Second-Output»"));
}

// The server keeps this program's own volume and restores it on its next stream: a stream that
// comes up muted is found when the output is proven, before anything is sent to the panel.
TEST(WaveDevice, ProvingTheOutputFindsThisProgramsSoundMuted)
{
    SoundFolder f;
    WaveDevice device;
    device.FileName = f.tone("tone.wav", 3.0);
    device.open();
    // Muted by the user while it plays: the server keeps that for the program.
    const auto muteWhilePlaying = [&](const char *mute) {
        device.play();
        uint32_t stream = 0;
        EXPECT_TRUE(RunEventsUntil(
            [&] {
                const SoundServerState state = SoundServer::instance().state();
                if (state.ownStreams.empty())
                    return false;
                stream = state.ownStreams.back().index;
                return true;
            },
            3000));
        QProcess::execute(QStringLiteral("pactl"),
                          {"set-sink-input-mute", QString::number(stream), QLatin1String(mute)});
        RunEvents(300);
        device.stop();
        RunEvents(300);
    };
    muteWhilePlaying("1");
    const QString muted = device.proveOutput(2000);
    muteWhilePlaying("0");
    EXPECT_EQ(muted, QStringLiteral("Звук этой программы выключен в настройках звука (без звука): "
                                    "включите его и запустите запись снова"));
    EXPECT_EQ(device.proveOutput(2000), QString());
}
