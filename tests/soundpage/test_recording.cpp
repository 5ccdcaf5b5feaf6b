// Recording and playback in the editor and from the sound page, through the private sound
// server, and the one activity at a time of the page and the window.
#include "LoneEditor.h"
#include "SecondOutput.h"
#include "SoundAnalysis.h"
#include "SoundFormats.h"
#include "WindowFixture.h"
#include "panel/PanelConnection.h"
#include "soundpage/LevelMeter.h"
#include "soundpage/SoundPage.h"
#include "soundpage/SoundUpload.h"
#include "soundpage/WaveAdjuster.h"
#include "voice/FileStamp.h"
#include "voice/MessageTools.h"

#include <QApplication>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QItemSelection>
#include <QKeySequence>
#include <QLabel>
#include <QLocale>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cmath>
#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

constexpr int Rate = 44100;

struct RecordingFixture : LoneEditor
{
    DialogRecorder dialogs;

    // A message of 5000 samples, shown in the editor; its bytes as they are on disk.
    QByteArray oldMessage()
    {
        TWaveFile old;
        old.Samples.assign(5000, 1234);
        old.SaveToFile(path("message.wav"));
        showInRow(path("message.wav"));
        return ReadFile(path("message.wav"));
    }
    // Records into row 1's message, message.wav.
    QString record(int maxSeconds)
    {
        if (list.cell(MessageList::FileColumn, 1).isEmpty())
            showInRow(path("message.wav"));
        return editor.RecordSound(maxSeconds);
    }
    bool recordingEnds()
    {
        return RunEventsUntil([this] { return !editor.Recording(); });
    }
};

// The sound page built alone on a link without a port: both lists of 55 lines and the sound
// folder in a folder of its own, the first row selected as at the window's start. Message boxes
// are recorded.
struct SoundPageFixture
{
    QTemporaryDir folder;
    DialogRecorder dialogs;
    AppConfig config;
    PanelConnection connection{config, {}};
    SoundSession sounds{connection.link(), folder.path()};
    SoundPage page{connection.link(), sounds};

    SoundPageFixture()
    {
        QDir(folder.path()).mkpath(QStringLiteral("sound"));
        WriteFile(folder.filePath(QStringLiteral("messages.txt")), NumberedLines(55, "message "));
        WriteFile(folder.filePath(QStringLiteral("sounds.txt")), NumberedLines(55, "sound "));
        page.loadLists(folder.filePath(QStringLiteral("messages.txt")),
                       folder.filePath(QStringLiteral("sounds.txt")));
        page.selectCell(0, 1);
    }
    QString soundFile(const QString &name) const
    {
        return folder.filePath(QStringLiteral("sound/") + name);
    }
    bool enabled(const char *name) const
    {
        return page.findChild<QWidget *>(QLatin1String(name))->isEnabled();
    }
    void click(const char *name) const
    {
        page.findChild<QToolButton *>(QLatin1String(name))->click();
    }
    QString label(const char *name) const
    {
        return page.findChild<QLabel *>(QLatin1String(name))->text();
    }
};

// A message of count samples of one value in the row's file, as an earlier recording left it.
bool putMessage(const SoundPage &page, int row, size_t count, int16_t value)
{
    QDir().mkpath(QFileInfo(page.soundPath(row)).path());
    TWaveFile message;
    message.Samples.assign(count, value);
    return message.SaveToFile(page.soundPath(row));
}

} // namespace

TEST(Recording, StoppedRecordingIsSavedShownAndHoldsTheTone)
{
    RecordingFixture f;
    ASSERT_TRUE(MakeTone(f.path("tone.wav"), 3, 440));
    QProcess tone;
    ASSERT_TRUE(PlayInTheBackground(tone, f.path("tone.wav")));
    RunEvents(300);
    QElapsedTimer sinceFirstSound;
    QObject::connect(&f.sound, &MessageSound::soundArrived, [&] { sinceFirstSound.start(); });
    ASSERT_EQ(f.record(30), QString());
    ASSERT_TRUE(RunEventsUntil([&] { return sinceFirstSound.isValid(); }));
    RunEvents(1200);
    const double seconds = double(sinceFirstSound.elapsed()) / 1000.0;
    f.editor.StopSound();
    tone.waitForFinished(5000);
    EXPECT_FALSE(f.editor.Recording());
    ASSERT_TRUE(f.editor.soundLoaded());
    EXPECT_NEAR(double(f.editor.sampleCount()) / Rate, seconds, 0.2);
    EXPECT_NEAR(MeasureTone(f.editor.Wave()->Samples, Rate).frequency, 440, 440 * 0.02);
    EXPECT_FALSE(QFile::exists(f.path("message.wav.recording")));
    EXPECT_TRUE(f.dialogs.boxes.empty());
}

TEST(Recording, UnstoppedRecordingEndsAtTheMaximumLength)
{
    RecordingFixture f;
    ASSERT_EQ(f.record(1), QString());
    ASSERT_TRUE(f.recordingEnds());
    ASSERT_TRUE(f.editor.soundLoaded());
    EXPECT_NEAR(double(f.editor.sampleCount()) / Rate, 1.0, 0.15);
}

// A take that cannot be kept, for whatever reason, leaves the old message on disk and shown.
TEST(Recording, TakeThatCannotBeKeptLeavesTheOldMessage)
{
    const struct
    {
        const char *name;
        std::function<void(RecordingFixture &)> arrange;
        QString box; // what the user is told; empty: only that it starts with the reason
    } cases[] = {
        {"no input",
         [](RecordingFixture &f) {
             f.sound.player().setDeviceNames({}, QStringLiteral("No Such Input"));
         },
         QStringLiteral("Ошибка воспроизведения!")},
        {"read-only message",
         [](RecordingFixture &f) {
             QFile::setPermissions(f.path("message.wav"), QFile::ReadOwner);
         },
         QStringLiteral("Файл \"%1\" только для чтения: запись не начата")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        RecordingFixture f;
        const QByteArray before = f.oldMessage();
        c.arrange(f);
        if (f.record(30).isEmpty()) {
            RunEvents(600);
            f.editor.StopSound();
        }
        ASSERT_EQ(f.dialogs.boxes.size(), 1u);
        EXPECT_EQ(f.dialogs.boxes[0].second,
                  c.box.contains(QLatin1String("%1")) ? c.box.arg(f.path("message.wav")) : c.box);
        EXPECT_EQ(ReadFile(f.path("message.wav")), before);
        EXPECT_FALSE(f.editor.Recording());
        EXPECT_EQ(f.editor.sampleCount(), 5000); // shown again
        EXPECT_FALSE(QFile::exists(f.path("message.wav.recording")));
    }
}

TEST(Playback, ClickOrDragThenPlayPlaysFromThereOrTheSpan)
{
    RecordingFixture f;
    ASSERT_TRUE(MakeTone(f.path("message.wav"), 1.0, 440));
    f.editor.LoadSound(f.path("message.wav"));
    const auto playAndFollow = [&] {
        f.editor.PlaySelection();
        const qint64 start = f.sound.player().position();
        RunEventsUntil([&] { return !f.sound.player().isPlaying(); });
        return std::pair(start, f.sound.player().position());
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
    EXPECT_FALSE(f.sound.player().isPlaying());
    EXPECT_TRUE(f.dialogs.boxes.empty());
}

TEST(SoundPage, RecordingRefusesOtherRowsAndEnablesOnlyWhatCanAct)
{
    WindowFixture f;
    auto window = f.open();
    window->sounds().setCell(1, 1, QStringLiteral(" ")); // a blank file cell gets a name
    auto *grid = window->findChild<QTableView *>(QStringLiteral("SoundSG"));
    auto *rowNumber = window->findChild<QLabel *>(QStringLiteral("Panel4"));
    const auto enabled = [&](const char *name) {
        return window->findChild<QWidget *>(QLatin1String(name))->isEnabled();
    };
    EXPECT_TRUE(enabled("RecSB"));
    EXPECT_FALSE(enabled("PlaySB")); // row 1 has no sound yet
    EXPECT_FALSE(enabled("StopSB"));
    EXPECT_FALSE(enabled("UndoSB"));
    window->findChild<QToolButton *>(QStringLiteral("RecSB"))->click();
    EXPECT_TRUE(window->sounds().editor().Recording());
    EXPECT_TRUE(enabled("StopSB"));
    for (const char *name : {"RecSB", "CutSB", "SpeakSB", "Button4", "Button1", "Button2"})
        EXPECT_FALSE(enabled(name)) << name;
    grid->setCurrentIndex(grid->model()->index(9, 0)); // refused while recording
    // The row being recorded keeps its file: its cell takes no new name, the header no click.
    EXPECT_FALSE(grid->model()->setData(grid->model()->index(0, 1), QStringLiteral("other.wav")));
    EXPECT_FALSE(grid->model()->flags(grid->model()->index(0, 1)) & Qt::ItemIsEditable);
    EXPECT_FALSE(grid->horizontalHeader()->sectionsClickable());
    RunEvents(500);
    window->findChild<QToolButton *>(QStringLiteral("StopSB"))->click();
    EXPECT_FALSE(window->sounds().editor().Recording());
    EXPECT_EQ(rowNumber->text(), QStringLiteral("1"));
    EXPECT_EQ(grid->currentIndex().row(), 0);
    EXPECT_EQ(window->sounds().cell(1, 1), QStringLiteral("1.wav"));
    EXPECT_TRUE(TWaveFile(QDir(f.binDir()).filePath(QStringLiteral("sound/1.wav"))).Loaded);
    EXPECT_FALSE(QFile::exists(QDir(f.binDir()).filePath(QStringLiteral("sound/ "))));
    for (const char *name : {"PlaySB", "RecSB", "Button4", "Button1"})
        EXPECT_TRUE(enabled(name)) << name;
}

// While one activity runs, every start of another is refused, whether it comes from a click that
// waited in the queue or a direct call: the running one goes on undisturbed.
TEST(SoundPage, OneActivityAtATime)
{
    PanelWindowFixture f;
    ASSERT_TRUE(MakeTone(QDir(f.binDir()).filePath(QStringLiteral("sound/sound 2")), 2.0, 440));
    QDir(f.binDir()).mkpath(QStringLiteral("sound"));
    SoundPage &page = f.window->sounds();
    const std::pair<const char *, std::function<void()>> starts[] = {
        {"upload",
         [&] {
             page.upload().Button4Click();
         }},
        {"record",
         [&] {
             page.record();
         }},
        {"play",
         [&] {
             page.play(true);
         }},
        {"speak",
         [&] {
             page.speak();
         }},
        {"read",
         [&] {
             f.window->Button1Click();
         }},
        {"write",
         [&] {
             f.window->Button2Click();
         }},
        {"table",
         [&] {
             f.child<QPushButton>(QStringLiteral("Button7"))->click();
         }},
        {"key",
         [&] {
             f.child<QPushButton>(QStringLiteral("Button3"))->click();
         }},
        {"click on the view",
         [&] {
             QTest::mouseClick(&page.editor(), Qt::LeftButton, {}, QPoint(300, 50));
         }},
    };
    const auto tryEveryStart = [&](Activity::Kind running, const char *while_) {
        for (const auto &[name, start] : starts) {
            SCOPED_TRACE(std::string(name) + " while " + while_);
            const auto sent = f.commands().size();
            start();
            EXPECT_EQ(f.window->link().activity().current(), running);
            if (running != Activity::Kind::Uploading) {
                EXPECT_EQ(f.commands().size(), sent);
            }
        }
    };

    // During a recording: it goes on, and Stop keeps it.
    page.selectCell(0, 1);
    const QString first = page.soundPath(1);
    page.record();
    ASSERT_TRUE(page.editor().Recording());
    tryEveryStart(Activity::Kind::Recording, "recording");
    RunEvents(800);
    page.stop();
    EXPECT_GT(TWaveFile(first).Samples.size(), size_t(Rate / 2));
    EXPECT_TRUE(f.dialogs.boxes.empty());

    // During an upload: nothing else reaches the panel or the sound.
    for (int row = 1; row <= MessageList::Messages; ++row)
        if (row != 2)
            page.setCell(MessageList::FileColumn, row, QString());
    page.selectCell(0, 2);
    f.panel.clearTranscript();
    bool uploading = false;
    QTimer::singleShot(900, f.window.get(), [&] {
        uploading = f.window->link().activity().current() == Activity::Kind::Uploading;
        tryEveryStart(Activity::Kind::Uploading, "uploading");
    });
    page.upload().Button4Click();
    ASSERT_TRUE(RunEventsUntil([&] { return !page.upload().running(); }, 20000));
    EXPECT_TRUE(uploading);
    EXPECT_EQ(f.commands(), (std::vector<std::string>{"+J", "+j", "+E04", "+E05"}));
    EXPECT_EQ(page.cell(2, 2), QStringLiteral("Ok"));
    ASSERT_EQ(f.dialogs.boxes.size(), 1u); // one completion, not two
    EXPECT_EQ(f.dialogs.boxes[0].second, QStringLiteral("Процесс записи завершен!"));
    // The selected row's message is shown again.
    EXPECT_TRUE(page.editor().soundLoaded());
}

TEST(SoundPage, WithoutASoundOutputTheMessageIsShownAndEditable)
{
    SoundPageFixture f;
    ASSERT_TRUE(MakeTone(f.soundFile(QStringLiteral("sound 1")), 1.0, 440));
    SoundPage &page = f.page;
    page.setSoundDevices(QStringLiteral("No Such Output"), {});
    page.showSelectedMessage();
    EXPECT_EQ(page.editor().sampleCount(), Rate);
    for (const char *name : {"PlaySB", "PlayFStartSB", "RecSB"})
        EXPECT_FALSE(f.enabled(name)) << name;
    EXPECT_EQ(f.label("StatusL"), QStringLiteral("Нет устройства вывода звука \"No Such Output\""));
    ASSERT_TRUE(f.enabled("CutSB"));
    page.editor().SelEnd = 999;
    f.click("CutSB");
    EXPECT_EQ(TWaveFile(page.soundPath(1)).Samples.size(), size_t(Rate - 1000));
    EXPECT_EQ(page.editor().sampleCount(), Rate - 1000);
}

TEST(SoundPage, DebugButtonsMakeThePanelPlay)
{
    PanelWindowFixture f(sim::PanelState{}, {QStringLiteral("DEBUG")});
    auto *grid = f.child<QTableView>(QStringLiteral("SoundSG"));
    const auto press = [&](const char *name) {
        f.child<QPushButton>(QLatin1String(name))->click();
    };
    grid->setCurrentIndex(grid->model()->index(9, 1));
    EXPECT_EQ(f.child<QLabel>(QStringLiteral("Panel4"))->text(), QStringLiteral("10"));
    press("p2");
    grid->setCurrentIndex(grid->model()->index(53, 0));
    press("p2");
    press("p1");
    press("p3");
    EXPECT_EQ(f.commands(), (std::vector<std::string>{"+I09", "+I35", "+I00", "+I"}));
    EXPECT_EQ(f.child<QLabel>(QStringLiteral("xaddr3"))->text(), QStringLiteral("0000"));
    EXPECT_EQ(f.child<QLabel>(QStringLiteral("xaddr"))->text(),
              QStringLiteral("FFFF")); // unused slot
}

TEST(SoundPage, InstalledToolRecordsIntoTheUsersSoundFolderAndACloseKeepsTheRecording)
{
    DialogRecorder dialogs;
    QTemporaryDir program, home, data;
    const QByteArray previousData = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    {
        TfContact window(TfContact::Startup{{}, program.path(), false, home.path(), home.path()});
        window.findChild<QToolButton *>(QStringLiteral("RecSB"))->click();
        RunEvents(600);
        window.close(); // ends the recording and keeps it
        RunEvents(100);
        EXPECT_FALSE(window.sounds().editor().Recording());
        EXPECT_TRUE(window.sounds().editor().soundLoaded());
    }
    qputenv("XDG_DATA_HOME", previousData);
    EXPECT_TRUE(
        TWaveFile(QDir(data.path()).filePath(QStringLiteral("Orvanta/sound/1.wav"))).Loaded);
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST(SoundPage, SpeechFromTheRowsText)
{
    SoundPageFixture f;
    const auto total = [&] {
        return f.label("TotalL");
    };
    const QString nothing = QStringLiteral("Сообщения в списке: 0 мин. 0 сек. из 8 мин.");
    EXPECT_EQ(total(), nothing);
    f.click("SpeakSB");
    EXPECT_TRUE(f.dialogs.boxes.empty()) << f.dialogs.boxes.front().second.toStdString();
    EXPECT_NE(total(), nothing); // the written message counts at once
    const QString spoken = f.soundFile(QStringLiteral("sound 1"));
    EXPECT_TRUE(TWaveFile(spoken).Loaded);
    EXPECT_TRUE(f.page.editor().soundLoaded());
    // The page's tools on the spoken message: even loudness, then trimmed ends.
    f.click("NormalizeSB");
    const std::vector<int16_t> even = TWaveFile(spoken).Samples;
    int peak = 0;
    for (int16_t sample : even)
        peak = std::max(peak, std::abs(int(sample)));
    EXPECT_EQ(peak, LoudnessPeak);
    f.click("TrimSB");
    EXPECT_LE(TWaveFile(spoken).Samples.size(), even.size());
    f.page.setCell(1, 1, QStringLiteral("missing.wav")); // a name typed into the list
    EXPECT_EQ(total(), nothing);
    f.page.setCell(0, 2, QStringLiteral(" "));
    f.page.selectCell(0, 2);
    f.click("SpeakSB");
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0].second,
              QStringLiteral("В строке 2 нет текста сообщения: озвучивать нечего."));
    // A blank file cell is named before the message is spoken into it.
    f.page.setCell(0, 3, QStringLiteral("Тревога"));
    f.page.setCell(1, 3, QString());
    f.page.selectCell(0, 3);
    f.click("SpeakSB");
    EXPECT_EQ(f.page.cell(1, 3), QStringLiteral("3.wav"));
    EXPECT_TRUE(TWaveFile(f.soundFile(QStringLiteral("3.wav"))).Loaded);
    EXPECT_TRUE(f.enabled("UndoSB"));
}

TEST(SoundPage, SoundFilesAreImportedByButtonAndDropWithOneUndo)
{
    SoundPageFixture f;
    f.page.show();
    SoundPage &page = f.page;
    const QString sound = f.soundFile({});
    const QString source = f.folder.filePath(QStringLiteral("stereo.ogg"));
    QProcess::execute(QStringLiteral("sox"), {"-n", "-r", "22050", "-c", "2", source, "synth",
                                              "1.5", "sine", "440", "sine", "660"});

    // By the button, into the selected row: named after its file cell, at 44.1 kHz, mono.
    page.selectCell(0, 5);
    f.dialogs.chooseFile(source);
    f.click("ImportSB");
    EXPECT_EQ(page.cell(1, 5), QStringLiteral("sound 5.wav"));
    const TWaveFile imported(sound + QStringLiteral("sound 5.wav"));
    EXPECT_EQ(imported.Format.SampleRate, 44100u);
    EXPECT_NEAR(double(imported.Samples.size()) / 44100.0, 1.5, 0.01);
    EXPECT_EQ(page.editor().sampleCount(), qint64(imported.Samples.size()));

    // Dropped onto row 7, whose file is row 5's: a free name; one undo brings back cell and file.
    page.setCell(1, 7, QStringLiteral("sound 5.wav"));
    QTableView *list = page.grid();
    const QPoint row7 = list->visualRect(list->model()->index(6, 1)).center();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(source)});
    QDropEvent drop(row7, Qt::CopyAction, &data, Qt::LeftButton, {});
    QDragEnterEvent enter(row7, Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(list->viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    // The row the file would go into is marked while the file is held over it.
    EXPECT_TRUE(list->selectionModel()->isRowSelected(6));
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(list->viewport(), &leave);
    EXPECT_FALSE(list->selectionModel()->isRowSelected(6));
    QCoreApplication::sendEvent(list->viewport(), &enter);
    QCoreApplication::sendEvent(list->viewport(), &drop);
    ASSERT_TRUE(RunEventsUntil([&] { return page.cell(1, 7) != QStringLiteral("sound 5.wav"); }));
    EXPECT_EQ(page.cell(1, 7), QStringLiteral("sound 5-2.wav"));
    EXPECT_EQ(page.selectedRow(), 7);
    f.click("UndoSB");
    EXPECT_EQ(page.cell(1, 7), QStringLiteral("sound 5.wav"));
    EXPECT_FALSE(QFile::exists(sound + QStringLiteral("sound 5-2.wav")));

    // Longer than the panel's memory: refused, nothing changed.
    const QString longSound = f.folder.filePath(QStringLiteral("long.flac"));
    QProcess::execute(QStringLiteral("sox"), {"-n", "-r", "8000", longSound, "trim", "0", "490"});
    page.importSound(3, longSound);
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_TRUE(f.dialogs.boxes[0].second.contains(QStringLiteral("490.0 сек.")));
    EXPECT_EQ(page.cell(1, 3), QStringLiteral("sound 3"));

    // Delete empties a whole range of file cells.
    list->setFocus();
    list->selectionModel()->select(
        QItemSelection(list->model()->index(9, 1), list->model()->index(19, 1)),
        QItemSelectionModel::ClearAndSelect);
    QTest::keyClick(list, Qt::Key_Delete);
    for (int row = 10; row <= 20; ++row)
        EXPECT_EQ(page.cell(1, row), QString()) << row;
    EXPECT_EQ(page.cell(1, 21), QStringLiteral("sound 21"));
}

// An edit of a file in any other format edits a copy in the sound folder: the file stays byte for
// byte, the copy sounds as the file did, and one undo points the row back at the file.
TEST(SoundPage, EditOfAFileInAnotherFormatEditsACopy)
{
    SoundPageFixture f;
    SoundPage &page = f.page;
    const std::vector<SoundFormat> formats = MakeSoundFormats(f.folder.path());
    ASSERT_FALSE(formats.empty());
    int row = 10;
    for (const SoundFormat &format : formats) {
        SCOPED_TRACE(format.name.toStdString());
        if (format.plain)
            continue; // edited in place, as every message the tool makes
        const QByteArray before = ReadFile(format.path);
        page.setCell(1, row, format.path);
        page.selectCell(0, row);
        page.editor().SelStart = 0;
        page.editor().SelEnd = 99;
        f.click("SilenceSB");
        EXPECT_EQ(ReadFile(format.path), before);
        EXPECT_EQ(page.cell(1, row), QStringLiteral("%1.wav").arg(row));
        const TWaveFile copy(page.soundPath(row));
        EXPECT_TRUE(copy.PlainPcm);
        EXPECT_EQ(copy.Format.SampleRate, 44100u);
        const std::vector<int16_t> want = TWaveFile(format.expected).Samples;
        EXPECT_NEAR(RmsDecibels(copy.Samples, want), 0, 0.5);
        EXPECT_GT(BestCorrelation(want, copy.Samples, 1200), 0.99);
        f.click("UndoSB");
        EXPECT_EQ(page.cell(1, row), format.path);
        EXPECT_FALSE(QFile::exists(f.soundFile(QStringLiteral("%1.wav").arg(row))));
        ++row;
    }

    // A take is not recorded over such a file either: it gets a file of its own.
    const SoundFormat &flac = *std::find_if(formats.begin(), formats.end(), [](const auto &format) {
        return format.name == QStringLiteral("flac.flac");
    });
    const QByteArray before = ReadFile(flac.path);
    page.setCell(1, 30, flac.path);
    page.selectCell(0, 30);
    f.click("RecSB");
    RunEvents(600);
    f.click("StopSB");
    ASSERT_TRUE(RunEventsUntil([&] { return !page.editor().Recording(); }));
    EXPECT_EQ(ReadFile(flac.path), before);
    EXPECT_EQ(page.cell(1, 30), QStringLiteral("30.wav"));
    EXPECT_TRUE(TWaveFile(page.soundPath(30)).Loaded);
    // Nor is speech spoken over it.
    page.setCell(1, 31, flac.path);
    page.selectCell(0, 31);
    f.click("SpeakSB");
    EXPECT_EQ(ReadFile(flac.path), before);
    EXPECT_EQ(page.cell(1, 31), QStringLiteral("31.wav"));
    EXPECT_TRUE(TWaveFile(page.soundPath(31)).Loaded);
    EXPECT_TRUE(f.dialogs.boxes.empty());
}

TEST(SoundPage, ListTakesTheWindowsWidthAndShowsEightRowsAtTheLeastHeight)
{
    WindowFixture f;
    auto window = f.open();
    window->show();
    QTableView *list = window->sounds().grid();
    window->resize(window->minimumSizeHint());
    RunEvents(50);
    EXPECT_GE(list->viewport()->height() / list->verticalHeader()->defaultSectionSize(),
              SoundPage::VisibleRows);
    window->resize(1400, 900);
    RunEvents(50);
    int used = 0;
    for (int column = 0; column < SoundPage::Columns; ++column)
        used += list->columnWidth(column);
    EXPECT_EQ(used, list->viewport()->width()); // no blank band beside the columns
}

TEST(SoundPage, ARecordingCanBeUndone)
{
    SoundPageFixture f;
    SoundPage &page = f.page;
    ASSERT_TRUE(putMessage(page, 2, 4410, 1234));
    const QByteArray before = ReadFile(page.soundPath(2));
    const auto recordInto = [&](int row) {
        page.selectCell(0, row);
        f.page.findChild<QToolButton *>(QStringLiteral("RecSB"))->click();
        RunEvents(500);
        f.page.findChild<QToolButton *>(QStringLiteral("StopSB"))->click();
        return RunEventsUntil([&] { return !page.editor().Recording(); });
    };
    // Over a message: undo brings it back byte for byte.
    ASSERT_TRUE(recordInto(2));
    ASSERT_NE(ReadFile(page.soundPath(2)), before);
    f.page.findChild<QToolButton *>(QStringLiteral("UndoSB"))->click();
    EXPECT_EQ(ReadFile(page.soundPath(2)), before);
    EXPECT_EQ(page.editor().sampleCount(), 4410);
    // Into a row without a message: undo removes the take and the name it got.
    page.setCell(1, 3, QString());
    ASSERT_TRUE(recordInto(3));
    EXPECT_EQ(page.cell(1, 3), QStringLiteral("3.wav"));
    f.page.findChild<QToolButton *>(QStringLiteral("UndoSB"))->click();
    EXPECT_EQ(page.cell(1, 3), QString());
    EXPECT_FALSE(QFile::exists(QDir(QFileInfo(page.soundPath(2)).path()).filePath("3.wav")));
    EXPECT_TRUE(f.dialogs.boxes.empty());
}

// What another program did to a message file since the tool last wrote it is never written
// over: the undo of a recording leaves the file as it is and shows it; a file made read-only
// during a take is left as it was, and the take is kept beside it.
TEST(SoundPage, FileChangedSinceTheTakeIsNeverWrittenOver)
{
    SoundPageFixture f;
    SoundPage &page = f.page;
    ASSERT_TRUE(putMessage(page, 2, 4410, 1234));
    const QString message = page.soundPath(2);
    const auto record = [&] {
        page.selectCell(0, 2);
        f.page.findChild<QToolButton *>(QStringLiteral("RecSB"))->click();
        RunEvents(500);
    };
    const auto stop = [&] {
        f.page.findChild<QToolButton *>(QStringLiteral("StopSB"))->click();
        return RunEventsUntil([&] { return !page.editor().Recording(); });
    };
    record();
    ASSERT_TRUE(stop());
    TWaveFile other;
    other.Samples.assign(777, 99);
    ASSERT_TRUE(other.SaveToFile(message)); // another program's
    const QByteArray theirs = ReadFile(message);
    f.page.findChild<QToolButton *>(QStringLiteral("UndoSB"))->click();
    EXPECT_EQ(ReadFile(message), theirs);
    EXPECT_EQ(page.editor().sampleCount(), 777); // shown as it is now
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0].second, FileStamp::changedText(message));

    record();
    QFile::setPermissions(message, QFile::ReadOwner);
    ASSERT_TRUE(stop());
    QFile::setPermissions(message, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(ReadFile(message), theirs);
    const QString beside = QFileInfo(message).dir().filePath(QFileInfo(message).completeBaseName() +
                                                             QStringLiteral("-2.wav"));
    EXPECT_GT(TWaveFile(beside).Samples.size(), 4410u);
    ASSERT_EQ(f.dialogs.boxes.size(), 2u);
    EXPECT_EQ(f.dialogs.boxes[1].second,
              QStringLiteral("Файл \"%1\" стал только для чтения во время записи и оставлен как "
                             "был; запись сохранена в файле \"%2\"")
                  .arg(message, beside));
}

// The waveform's keys, as the user presses them once a click gave it the focus, each against
// what its button does; every key is named in its button's hint.
TEST(SoundPage, WaveformKeysDoWhatTheirButtonsDo)
{
    SoundPageFixture f;
    SoundPage &page = f.page;
    ASSERT_TRUE(putMessage(page, 2, Rate, 3000));
    page.selectCell(0, 2);
    f.page.show();
    QApplication::setActiveWindow(&f.page);
    TWaveAdjuster &editor = page.editor();
    QTest::mouseClick(&editor, Qt::LeftButton, {}, QPoint(100, 50));
    ASSERT_TRUE(editor.hasFocus());
    const qint64 n = Rate;
    const auto selection = [&] {
        return std::pair(editor.SelStart, editor.SelEnd);
    };
    const struct
    {
        QKeyCombination key;
        const char *button; // whose hint names the key
        const char *hint;
        std::function<bool()> done;
    } keys[] = {
        {Qt::ControlModifier | Qt::Key_A, nullptr, nullptr,
         [&] {
             return selection() == std::pair<qint64, qint64>(0, n - 1);
         }},
        {QKeyCombination(Qt::Key_Home), nullptr, nullptr,
         [&] {
             return selection() == std::pair<qint64, qint64>(0, 0);
         }},
        {QKeyCombination(Qt::Key_End), nullptr, nullptr,
         [&] {
             return selection() == std::pair<qint64, qint64>(n - 1, n - 1);
         }},
        {QKeyCombination(Qt::Key_Home), nullptr, nullptr,
         [] {
             return true;
         }},
        {QKeyCombination(Qt::Key_Space), "PlaySB", "Пробел",
         [&] {
             return editor.sound().player().isPlaying();
         }},
        {QKeyCombination(Qt::Key_Space), "StopSB", "Пробел",
         [&] {
             return !editor.sound().player().isPlaying();
         }},
        {QKeyCombination(Qt::Key_Space), nullptr, nullptr,
         [&] {
             return editor.sound().player().isPlaying();
         }},
        {QKeyCombination(Qt::Key_Escape), "StopSB", "Esc",
         [&] {
             return !editor.sound().player().isPlaying();
         }},
        {Qt::ControlModifier | Qt::Key_A, nullptr, nullptr,
         [] {
             return true;
         }},
        {QKeyCombination(Qt::Key_Delete), "CutSB", "Delete",
         [&] {
             return editor.sampleCount() == 0;
         }},
        {Qt::ControlModifier | Qt::Key_Z, "UndoSB", "Ctrl+Z",
         [&] {
             return editor.sampleCount() == n;
         }},
        {Qt::ControlModifier | Qt::Key_A, nullptr, nullptr,
         [] {
             return true;
         }},
        {Qt::ControlModifier | Qt::Key_X, "CutSB", "Ctrl+X",
         [&] {
             return editor.sampleCount() == 0;
         }},
        {Qt::ControlModifier | Qt::Key_Z, nullptr, nullptr,
         [&] {
             return editor.sampleCount() == n;
         }},
        {Qt::ControlModifier | Qt::Key_0, "FitSB", "Ctrl+0",
         [&] {
             return editor.zoom() == 1;
         }},
    };
    editor.setZoom(4, 0);
    for (const auto &entry : keys) {
        SCOPED_TRACE(QKeySequence(entry.key).toString().toStdString());
        QTest::keyClick(&editor, entry.key.key(), entry.key.keyboardModifiers());
        EXPECT_TRUE(RunEventsUntil(entry.done, 3000));
        if (entry.button) {
            EXPECT_TRUE(f.page.findChild<QToolButton *>(QLatin1String(entry.button))
                            ->toolTip()
                            .contains(QString::fromUtf8(entry.hint)));
        }
    }
    // The selection's start and length are in view.
    QTest::keyClick(&editor, Qt::Key_A, Qt::ControlModifier);
    const QString shown = f.page.findChild<QLabel *>(QStringLiteral("SelectionL"))->text();
    EXPECT_TRUE(shown.contains(QLocale().toString(double(n) / Rate, 'f', 3)))
        << shown.toStdString();
    // A disabled button's icon is drawn at less than half opacity.
    const QImage faded = f.page.findChild<QToolButton *>(QStringLiteral("RecSB"))
                             ->icon()
                             .pixmap(24, QIcon::Disabled)
                             .toImage();
    int alpha = 0;
    for (int y = 0; y < faded.height(); ++y)
        for (int x = 0; x < faded.width(); ++x)
            alpha = std::max(alpha, qAlpha(faded.pixel(x, y)));
    EXPECT_GT(alpha, 0);
    EXPECT_LE(alpha, 128);
    EXPECT_TRUE(f.dialogs.boxes.empty());
}

// The meter's peak for tones of known level, and its overload mark only at full scale.
TEST(LevelMeter, ShowsTheTonesPeakAndOverloadOnlyAtFullScale)
{
    for (const double decibels : {-6.0, -20.0, 0.0}) {
        SCOPED_TRACE(decibels);
        LevelMeter meter;
        WaveDevice device;
        meter.watch(device);
        // Full scale is a tone a little too loud, clipped as a sound card would.
        const double amplitude = 32768 * std::pow(10, decibels / 20) * (decibels == 0 ? 1.05 : 1);
        TWaveFile tone;
        tone.Loaded = true;
        for (int k = 0; k < Rate / 2; ++k)
            tone.Samples.push_back(int16_t(std::clamp(
                std::lround(amplitude * std::sin(2 * M_PI * k / 44.1)), -32767L, 32767L)));
        device.open(std::make_shared<const TWaveFile>(std::move(tone)));
        device.Wait = true;
        device.play();
        EXPECT_NEAR(meter.highestDecibels(), decibels, 0.5);
        EXPECT_EQ(meter.clipped(), decibels == 0);
    }
}

// The chosen output is kept for the next start; one that goes away while nothing runs gives way
// to the default, and the page says so.
TEST(SoundPage, ChosenOutputIsKeptAndOneThatGoesAwayGivesWayToTheDefault)
{
    WindowFixture f;
    SecondOutput second;
    const QString chosen = QLatin1String(SecondOutput::Description);
    auto window = f.open();
    window->sounds().setSoundDevices(chosen, QString());
    window->close();
    window = f.open();
    SoundPage &page = window->sounds();
    EXPECT_EQ(page.soundOutput(), chosen);
    second.remove();
    EXPECT_TRUE(RunEventsUntil([&] { return page.soundOutput().isEmpty(); }, 5000));
    EXPECT_EQ(window->findChild<QLabel *>(QStringLiteral("StatusL"))->text(),
              QStringLiteral("Устройства вывода звука \"%1\" больше нет: звук идёт через "
                             "устройство по умолчанию")
                  .arg(chosen));
    EXPECT_TRUE(window->findChild<QToolButton *>(QStringLiteral("RecSB"))->isEnabled());
}

// The memory bar keeps its place while the figures beside it grow.
TEST(SoundPage, MemoryBarStaysPutAsItsFiguresGrow)
{
    SoundPageFixture f;
    f.page.show();
    auto *bar = f.page.findChild<QWidget *>(QStringLiteral("EepPB"));
    RunEvents(50);
    const QRect before = bar->geometry();
    f.page.showMemoryUsage(479);
    const QString longSound = f.soundFile(QStringLiteral("long.wav"));
    ASSERT_TRUE(MakeTone(longSound, 650.0, 440, 8000));
    f.page.setCell(1, 1, QStringLiteral("long.wav"));
    RunEvents(50);
    EXPECT_TRUE(f.page.findChild<QLabel *>(QStringLiteral("TotalL"))->text().contains("10 мин."));
    EXPECT_EQ(bar->geometry(), before);
}
