// The sound upload from the sound page: against a virtual panel that hears what the tool plays
// (through the private sound server), and against one in this process for the failures.
#include "QueuedInput.h"
#include "SecondOutput.h"
#include "ServerSetting.h"
#include "SoundAnalysis.h"
#include "WindowFixture.h"
#include "core/Convert.h"
#include "core/IniFile.h"
#include "link/PanelMemory.h"
#include "panel/MessageTable.h"
#include "panel/SnapshotJournal.h"
#include "panel/UploadJournal.h"
#include "report/SettingsReport.h"
#include "soundpage/SoundPage.h"
#include "soundpage/SoundUpload.h"
#include "voice/SoundServer.h"
#include "voice/WaveFile.h"

#include <QCheckBox>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace orvanta;
using namespace orvanta::test;

namespace {

using Commands = std::vector<std::string>;

// The window with the given wave files in the rows of the sound list (row → file name), each a
// sweep of the given length made by sox.
struct UploadFixture : PanelWindowFixture
{
    explicit UploadFixture(const std::vector<std::pair<int, double>> &messages,
                           QStringList arguments = {})
        : PanelWindowFixture(sim::PanelState{}, arguments)
    {
        writeMessages(*this, messages);
        window->sounds().loadLists(QStringLiteral("messages.txt"), QStringLiteral("sounds.txt"));
    }

    static void writeMessages(WindowFixture &f, const std::vector<std::pair<int, double>> &messages)
    {
        QDir(f.binDir()).mkpath(QStringLiteral("sound"));
        QList<QByteArray> lines(55);
        lines[0] = "Файл";
        for (const auto &[row, seconds] : messages) {
            lines[row] = "m" + QByteArray::number(row) + ".wav";
            EXPECT_TRUE(
                MakeSweep(QDir(f.binDir()).filePath(QStringLiteral("sound/m%1.wav").arg(row)),
                          seconds, 200 + 100 * row, 2000));
        }
        WriteFile(QStringLiteral("sounds.txt"), lines.join("\r\n") + "\r\n");
    }
    SoundUpload &upload() const { return window->sounds().upload(); }
    // "Записать звук в устройство", and the upload waited out.
    void uploadAll() const { UploadFixture::press(*window); }
    static void press(TfContact &window)
    {
        window.findChild<QPushButton *>(QStringLiteral("Button4"))->click();
        EXPECT_TRUE(RunEventsUntil([&] { return !window.sounds().upload().running(); }, 60000));
    }
    QString address(int row) const { return window->sounds().cell(2, row); }
};

} // namespace

TEST(Upload, MessagesReachThePanelWholeAndReceiptsMatchWhatItHeard)
{
    WindowFixture f;
    UploadFixture::writeMessages(f, {{1, 1.0}, {2, 0.8}, {4, 1.2}});
    WriteFile(QStringLiteral("sounds.txt"),
              ReadFile(QStringLiteral("sounds.txt")).replace("\r\n\r\nm4", "\r\n \r\nm4"));
    const QString heard = f.folder.filePath(QStringLiteral("heard"));
    QProcess panel;
    panel.start(QStringLiteral(ORVANTA_PANEL_SIM),
                {"--link", f.folder.filePath(QStringLiteral("panel")), "--listen", heard,
                 "--transcript", f.folder.filePath(QStringLiteral("transcript.txt"))});
    ASSERT_TRUE(panel.waitForReadyRead(5000));
    auto window = f.open();
    window->findChild<QComboBox *>(QStringLiteral("cb1"))
        ->setCurrentText(f.folder.filePath(QStringLiteral("panel")));
    window->OpenPort();

    const double listed = window->sounds().listSeconds(SoundUpload::SecondsAroundMessage);
    QElapsedTimer clock;
    clock.start();
    UploadFixture::press(*window);
    const qint64 uploadMs = clock.elapsed();

    QStringList commands;
    for (const QByteArray &line :
         ReadFile(f.folder.filePath(QStringLiteral("transcript.txt"))).split('\n'))
        if (!line.isEmpty())
            commands += QString::fromLatin1(line.mid(line.indexOf(' ') + 1));
    EXPECT_EQ(commands, (QStringList{"+J00", "+j", "+E02", "+E03", "+J", "+j", "+E04", "+E05", "+J",
                                     "+j", "+E08", "+E09"}));
    for (int row : {1, 2, 4})
        EXPECT_EQ(window->sounds().cell(2, row), QStringLiteral("Ok")) << row;
    EXPECT_EQ(window->sounds().cell(2, 3), QString());
    ASSERT_FALSE(f.dialogs.boxes.empty());
    EXPECT_EQ(f.dialogs.boxes.back(), std::make_pair(Dialogs::Kind::Information,
                                                     QStringLiteral("Процесс записи завершен!")));
    PanelMemory memory(window->link());
    const int used = HexStrToInt(memory.readByte(108) + memory.readByte(109)) / 5;
    EXPECT_EQ(window->findChild<QLabel *>(QStringLiteral("EepL"))->text(), MemoryUsageText(used));
    EXPECT_EQ(window->UsedSeconds(), used);
    // The list counted each message as the panel takes it: sound and what it records around it.
    PanelMemory table(window->link());
    EXPECT_NEAR(HexStrToInt(table.readWord(4).text()) / 5.0, listed, 0.5);

    // What the panel heard is what was played: as long, and of the same shape. Each message's
    // receipt in the upload journal names its file and says what the output's monitor heard:
    // as long as the panel heard it, and as loud.
    const QStringList receipts = UploadJournal(SnapshotJournal::defaultFolder()).lastUpload();
    ASSERT_EQ(receipts.size(), 3);
    const std::pair<int, const char *> heardAs[] = {{1, "01.wav"}, {2, "02.wav"}, {4, "03.wav"}};
    for (size_t i = 0; i < 3; ++i) {
        const auto &[row, file] = heardAs[i];
        SCOPED_TRACE(row);
        const QString path = QDir(f.binDir()).filePath(QStringLiteral("sound/m%1.wav").arg(row));
        const TWaveFile played(path);
        const TWaveFile recorded(QDir(heard).filePath(QLatin1String(file)));
        ASSERT_TRUE(recorded.Loaded);
        const ToneMeasure panelHeard = MeasureTone(recorded.Samples, 44100);
        EXPECT_NEAR(panelHeard.seconds, MeasureTone(played.Samples, 44100).seconds, 0.15);
        // Shape by shape, a tenth of a second at a time.
        EXPECT_GT(WindowedCorrelation(played.Samples, recorded.Samples, 4410, 300), 0.9);

        const QStringList receipt = receipts[qsizetype(i)].split(QLatin1Char('\t'));
        ASSERT_EQ(receipt.size(), 12) << receipts[qsizetype(i)].toStdString();
        EXPECT_EQ(receipt[3], QString::number(row));
        EXPECT_EQ(receipt[4], path);
        EXPECT_EQ(
            receipt[5],
            QString::fromLatin1(
                QCryptographicHash::hash(ReadFile(path), QCryptographicHash::Sha256).toHex()));
        const double fileSeconds = receipt[6].toDouble();
        EXPECT_NEAR(fileSeconds, double(played.Samples.size()) / 44100, 0.01);
        EXPECT_GE(receipt[7].toDouble(), fileSeconds); // the panel records around the sound
        EXPECT_LE(receipt[7].toDouble(), fileSeconds + 1.0);
        EXPECT_NEAR(receipt[8].toDouble(), 20 * std::log10(panelHeard.peak / 32768.0), 3.0);
        EXPECT_NEAR(receipt[10].toDouble(), panelHeard.seconds, 0.1);
        EXPECT_EQ(receipt[11], QStringLiteral("Ok"));
    }
    // The last message's level heard stays on the page's status line.
    EXPECT_TRUE(window->findChild<QLabel *>(QStringLiteral("StatusL"))
                    ->text()
                    .startsWith(QStringLiteral("Сообщение 4 услышано на выводе звука: ")));
    // The settings report lists them.
    ReportInput report;
    report.uploads = receipts;
    const QString html = ReportHtml(report);
    EXPECT_TRUE(html.contains(QStringLiteral("Последняя запись сообщений в панель")));
    for (const char *file : {"<td>m1.wav</td>", "<td>m2.wav</td>", "<td>m4.wav</td>"})
        EXPECT_TRUE(html.contains(QLatin1String(file))) << file;
    RecordProperty("upload_ms", int(uploadMs));
    panel.terminate();
    panel.waitForFinished(5000);
}

TEST(Upload, EmptyFirstRowStartsWithTheNextCommandAndStopEndsAfterTheMessage)
{
    UploadFixture f({{2, 0.5}, {3, 0.5}, {5, 0.5}});
    // "Остановить" while message 3 plays: it is finished and checked, row 5 is not sent; the
    // stop is said at once.
    QString said;
    f.panel.setMessageListener([&](bool started, int message) {
        if (started && message == 2) // told on the panel's thread: the click goes to the window's
            QMetaObject::invokeMethod(f.window.get(), [&] {
                QTimer::singleShot(700, f.window.get(), [&] {
                    f.child<QPushButton>(QStringLiteral("Button5"))->click();
                    said = f.child<QProgressBar>(QStringLiteral("p"))->text();
                });
            });
    });
    f.uploadAll();
    EXPECT_EQ(f.commands(), (Commands{"+J", "+j", "+E04", "+E05", "+J", "+j", "+E06", "+E07"}));
    EXPECT_EQ(f.address(3), QStringLiteral("Ok"));
    EXPECT_EQ(f.address(5), QString());
    EXPECT_EQ(said, QStringLiteral("Остановка после текущего сообщения…"));
    EXPECT_EQ(f.dialogs.boxes.back().second,
              QStringLiteral("Процесс записи завершен!\nЗаписано сообщений: 2 из 3."));
}

// Every row is checked before the panel is told anything: a row skipped half-way would move
// every later message into an earlier slot of the panel.
TEST(Upload, RowsThatCannotPlayAreListedAndNothingIsSentUntilTheyAreMended)
{
    UploadFixture f({{1, 0.3}, {2, 0.3}});
    const QDir sound(QDir(f.binDir()).filePath(QStringLiteral("sound")));
    ASSERT_TRUE(TWaveFile().SaveToFile(sound.filePath(QStringLiteral("m2.wav")))); // all cut
    QFile(sound.filePath(QStringLiteral("empty.wav"))).open(QIODevice::WriteOnly);
    ASSERT_EQ(mkfifo(QFile::encodeName(sound.filePath(QStringLiteral("fifo.wav"))), 0600), 0);
    SoundPage &page = f.window->sounds();
    page.setCell(1, 3, QStringLiteral("3.wav"));
    page.setCell(1, 4, QStringLiteral("empty.wav"));
    page.setCell(1, 5, QStringLiteral("fifo.wav"));
    // Selected, they show why they hold no sound, and the list does not move for the line that
    // says it; the FIFO holds nothing up.
    f.window->show();
    RunEvents(50);
    const QRect listPlace = f.child<QTableView>(QStringLiteral("SoundSG"))->geometry();
    page.selectCell(1, 5);
    page.selectCell(1, 4);
    auto *status = f.child<QLabel>(QStringLiteral("StatusL"));
    EXPECT_TRUE(status->text().endsWith(QStringLiteral("файл пуст")));
    RunEvents(50);
    EXPECT_EQ(f.child<QTableView>(QStringLiteral("SoundSG"))->geometry(), listPlace);
    f.uploadAll();
    EXPECT_TRUE(f.commands().empty());
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0].first, Dialogs::Kind::Error);
    const QString box = f.dialogs.boxes[0].second;
    for (const char *line :
         {"Строка 2, \"m2.wav\": в файле нет звука", "Строка 3, \"3.wav\": файл не найден",
          "Строка 4, \"empty.wav\": файл пуст", "Строка 5, \"fifo.wav\": это не обычный файл"})
        EXPECT_TRUE(box.contains(QString::fromUtf8(line))) << line;
    EXPECT_FALSE(box.contains(QStringLiteral("Строка 1")));
    EXPECT_EQ(f.address(5), QStringLiteral("это не обычный файл"));

    // Rows emptied as the box says are skipped; the progress walks every row and stands at the
    // last while the completion shows, then returns to 0.
    for (int row = 2; row <= 5; ++row)
        page.setCell(1, row, QString());
    EXPECT_EQ(f.address(5), QString()); // said of the file the row no longer names
    page.selectCell(1, 4);
    EXPECT_TRUE(status->isHidden()); // a row without a file is no fault
    auto *progress = f.child<QProgressBar>(QStringLiteral("p"));
    int progressAtBox = -1;
    Dialogs::SetRecorder(
        [&](Dialogs::Kind, const QString &) { progressAtBox = progress->value(); });
    f.uploadAll();
    EXPECT_EQ(f.commands(), (Commands{"+J00", "+j", "+E02", "+E03"}));
    EXPECT_EQ(progressAtBox, SoundPage::Rows - 2);
    EXPECT_EQ(progress->value(), 0);
}

TEST(Upload, TableEntryThatNeverMatchesEndsTheUploadNamingTheRow)
{
    UploadFixture f({{1, 0.3}, {2, 0.3}}, {QStringLiteral("DEBUG")});
    sim::PanelFaults stuck;
    stuck.onlyCommand = "+E03";
    stuck.value = "00";
    f.panel.setFaults(stuck);
    f.uploadAll();
    const Commands sent = f.commands();
    EXPECT_EQ(std::count(sent.begin(), sent.end(), "+E03"), SoundUpload::MaxEntryReads);
    EXPECT_EQ(std::count(sent.begin(), sent.end(), "+J"), 0); // row 2 is never sent
    EXPECT_TRUE(f.address(1).startsWith(QStringLiteral("--->1: ")));
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0].first, Dialogs::Kind::Error);
    EXPECT_TRUE(f.dialogs.boxes[0].second.startsWith(QStringLiteral("Сообщение 1:")));
}

TEST(Upload, NoEndAddressEndsTheUploadWithTheCompletionMessage)
{
    UploadFixture f({{1, 0.3}, {2, 0.3}});
    sim::PanelFaults silent;
    silent.onlyCommand = "+j";
    silent.silent = true;
    f.panel.setFaults(silent);
    f.uploadAll();
    EXPECT_EQ(f.commands(), (Commands{"+J00", "+j"}));
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0].second,
              QStringLiteral("Процесс записи завершен!\nЗаписано сообщений: 0 из 2; не записано "
                             "сообщение 1."));
}

// A file spoilt after the check ends the upload at its row: the error alone, without the
// completion, and the progress where it stopped.
TEST(Upload, FileSpoiltDuringTheUploadEndsItWithTheErrorAlone)
{
    UploadFixture f({{1, 1.0}, {2, 0.3}});
    f.panel.setMessageListener([&](bool started, int message) {
        if (started && message == 1)
            WriteFile(QDir(f.binDir()).filePath(QStringLiteral("sound/m2.wav")),
                      QByteArray(100, 'x'));
    });
    f.uploadAll();
    EXPECT_EQ(f.commands().size(), 4u); // row 1 only
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0].first, Dialogs::Kind::Error);
    EXPECT_TRUE(f.dialogs.boxes[0].second.startsWith(QStringLiteral("Звук из файла")));
    EXPECT_FALSE(f.dialogs.boxes[0].second.contains(QStringLiteral("завершен")));
    EXPECT_TRUE(f.dialogs.boxes[0].second.endsWith(
        QStringLiteral("Записано сообщений: 1 из 2; не записано сообщение 2.")));
    EXPECT_EQ(f.child<QProgressBar>(QStringLiteral("p"))->value(), 1); // where it stopped

    // Without a panel that answered the last exchange, or without an open port, nothing starts
    // and no completion is claimed.
    sim::PanelFaults silent;
    silent.silent = true;
    f.panel.setFaults(silent);
    f.window->Button1Click(); // a read that goes unanswered; the port stays open
    const size_t boxes = f.dialogs.boxes.size();
    f.uploadAll();
    ASSERT_EQ(f.dialogs.boxes.size(), boxes + 1);
    EXPECT_TRUE(
        f.dialogs.boxes.back().second.contains(QStringLiteral("обмен с панелью не удался")));
    f.window->XComm1().CloseDevice();
    f.uploadAll();
    ASSERT_EQ(f.dialogs.boxes.size(), boxes + 2);
    EXPECT_EQ(f.dialogs.boxes.back().first, Dialogs::Kind::Error);
    EXPECT_TRUE(f.dialogs.boxes.back().second.contains(QStringLiteral("порт не открыт")));
}

TEST(Upload, MessagesThatDoNotFitAreAskedAboutFirst)
{
    UploadFixture f({});
    TWaveFile longMessage;
    longMessage.Format.SampleRate = 8000;
    longMessage.Samples.assign(8000 * 481, 0);
    longMessage.SaveToFile(QDir(f.binDir()).filePath(QStringLiteral("sound/long.wav")));
    f.window->sounds().setCell(1, 1, QStringLiteral("long.wav"));
    f.dialogs.answer(false);
    f.uploadAll();
    EXPECT_TRUE(f.commands().empty());
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0].first, Dialogs::Kind::Question);
    EXPECT_TRUE(f.dialogs.boxes[0].second.contains(QStringLiteral("8 мин.")));
}

TEST(Upload, CloseDuringTheUploadEndsThePanelsRecordingAndTheToolAtOnce)
{
    UploadFixture f({{1, 2.0}, {2, 2.0}, {3, 2.0}});
    f.window->show();
    QElapsedTimer sinceClose;
    f.panel.setMessageListener([&](bool started, int message) {
        if (started && message == 1)
            QMetaObject::invokeMethod(f.window.get(), [&] {
                QTimer::singleShot(900, f.window.get(), [&] {
                    sinceClose.start();
                    f.window->close();
                });
            });
    });
    f.child<QPushButton>(QStringLiteral("Button4"))->click();
    ASSERT_TRUE(RunEventsUntil([&] { return !f.window->isVisible(); }, 15000));
    EXPECT_LT(sinceClose.elapsed(), 2000);
    EXPECT_FALSE(f.upload().running());
    RunEvents(300); // nothing follows the close
    EXPECT_EQ(f.commands(), (Commands{"+J00", "+j"}));
    EXPECT_EQ(f.address(1), QStringLiteral("Запись прервана"));
    EXPECT_EQ(f.address(2), QString());
    EXPECT_TRUE(f.dialogs.boxes.empty());
}

// Keys and clicks on the list while messages go in change nothing: no editor opens on the cell
// the user left, none on the row being sent, and the header selects no column.
TEST(Upload, ListTakesNoTypingAndNoColumnWhileTheUploadRuns)
{
    UploadFixture f({{1, 1.5}, {2, 0.3}});
    f.window->show();
    auto *grid = f.child<QTableView>(QStringLiteral("SoundSG"));
    grid->setCurrentIndex(grid->model()->index(8, 1));
    grid->setFocus();
    const QString text2 = f.window->sounds().cell(0, 2);
    const QString file9 = f.window->sounds().cell(1, 9);
    bool typed = false;
    bool portFree = true;
    f.panel.setMessageListener([&](bool started, int message) {
        if (!started || message != 1)
            return;
        QMetaObject::invokeMethod(f.window.get(), [&] {
            for (const QChar key : QStringLiteral("new"))
                QueueKey(grid, Qt::Key_A + (key.unicode() - 'a'), key);
            QueueKey(grid, Qt::Key_F2);
            QueueKey(grid, Qt::Key_Delete);
            QueueKey(grid, Qt::Key_Return);
            QHeaderView *header = grid->horizontalHeader();
            QueueClick(header->viewport(),
                       QPoint(header->sectionViewportPosition(1) + header->sectionSize(1) / 2,
                              header->height() / 2));
            QueueKey(grid, Qt::Key_Delete);
            QueueClick(grid->viewport(), grid->visualRect(grid->model()->index(3, 0)).center());
            portFree = f.child<QComboBox>(QStringLiteral("cb1"))->isEnabled();
            typed = true;
        });
    });
    f.uploadAll();
    EXPECT_TRUE(typed);
    EXPECT_EQ(f.commands().size(), 8u);
    EXPECT_EQ(f.window->sounds().cell(1, 9), file9);
    EXPECT_EQ(f.window->sounds().cell(1, 1), QStringLiteral("m1.wav"));
    EXPECT_EQ(f.window->sounds().cell(1, 2), QStringLiteral("m2.wav"));
    EXPECT_EQ(f.window->sounds().cell(0, 2), text2);
    EXPECT_FALSE(grid->selectionModel()->isColumnSelected(1));
    EXPECT_EQ(grid->indexWidget(grid->currentIndex()), nullptr); // no editor open
    EXPECT_EQ(grid->currentIndex(), grid->model()->index(8, 1));
    // The row the page acts on is the one marked again, and the port could not change meanwhile.
    EXPECT_TRUE(grid->selectionModel()->isSelected(grid->currentIndex()));
    EXPECT_EQ(f.window->sounds().selectedRow(), 9);
    EXPECT_FALSE(portFree);
    // Afterwards the list takes typing again.
    EXPECT_TRUE(grid->model()->flags(grid->model()->index(8, 1)) & Qt::ItemIsEditable);
}

// A panel that falls silent mid-message holds neither a stop nor a close for long: a stop ends
// the upload within the rest of the message and 3.5 s ("+j" with its budget, the pause, the
// table's check), a close within 3.5 s.
TEST(Upload, StopAndCloseEndInTimeWhenThePanelFallsSilent)
{
    for (const bool close : {false, true}) {
        SCOPED_TRACE(close ? "close" : "stop");
        UploadFixture f({{1, 2.0}, {2, 0.5}});
        f.window->show();
        QElapsedTimer sinceAsked;
        f.panel.setMessageListener([&](bool started, int message) {
            if (!started || message != 1)
                return;
            QMetaObject::invokeMethod(f.window.get(), [&] {
                QTimer::singleShot(500, f.window.get(), [&] {
                    sim::PanelFaults silent;
                    silent.silent = true;
                    f.panel.setFaults(silent);
                    sinceAsked.start();
                    if (close)
                        f.window->close();
                    else
                        f.child<QPushButton>(QStringLiteral("Button5"))->click();
                });
            });
        });
        f.child<QPushButton>(QStringLiteral("Button4"))->click();
        ASSERT_TRUE(RunEventsUntil([&] { return !f.upload().running(); }, 20000));
        const qint64 took = sinceAsked.elapsed();
        EXPECT_LT(took, close ? 3500 : 2000 + 3500); // the message is just starting to play
        RecordProperty(close ? "close_ms" : "stop_ms", int(took));
        EXPECT_EQ(f.commands(), (Commands{"+J00", "+j"}));
    }
}

// An output that takes the sound but lets nothing out (muted, or at volume 0) is found before the
// panel is told anything: the box says what to do, and no "+J" goes out.
TEST(Upload, UploadRefusesMutedOutput)
{
    const struct
    {
        QStringList set, undo;
        const char *said;
    } cases[] = {
        {{"set-sink-mute", "orvanta_out", "1"},
         {"set-sink-mute", "orvanta_out", "0"},
         "Сообщения не записаны.\n\nВывод звука «Orvanta-Test-Output» выключен (без звука): "
         "включите его и запустите запись снова."},
        {{"set-sink-volume", "orvanta_out", "0"},
         {"set-sink-volume", "orvanta_out", "100%"},
         "Сообщения не записаны.\n\nГромкость вывода звука «Orvanta-Test-Output» — 0 %: "
         "поднимите её не ниже 30 % и запустите запись снова."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.said);
        UploadFixture f({{1, 0.5}, {2, 0.5}});
        {
            ServerSetting setting(c.set, c.undo);
            ASSERT_TRUE(RunEventsUntil(
                [] { return !OutputProblem(SoundServer::instance().state(), {}).isEmpty(); },
                3000));
            f.uploadAll();
        }
        EXPECT_TRUE(f.commands().empty());
        ASSERT_EQ(f.dialogs.boxes.size(), 1u);
        EXPECT_EQ(f.dialogs.boxes[0],
                  std::make_pair(Dialogs::Kind::Error, QString::fromUtf8(c.said)));
        EXPECT_EQ(f.address(1), QString());
    }
}

// The output muted, or the tool's stream moved to another output, while a message plays: the
// row fails with the reason, the panel's recording is ended with "+j", and nothing more is sent.
TEST(Upload, StreamMovedMidMessageFailsTheRow)
{
    const struct
    {
        bool move;
        const char *said;
    } cases[] = {
        {true, "Звук прерван: Сервер звука перенёс звук с вывода «Orvanta-Test-Output» на "
               "«Orvanta-Second-Output»"},
        {false, "Звук прерван: Вывод звука «Orvanta-Test-Output» выключен (без звука): включите "
                "его и запустите запись снова"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.said);
        SecondOutput second;
        UploadFixture f({{1, 3.0}, {2, 0.5}});
        std::unique_ptr<ServerSetting> setting;
        f.panel.setMessageListener([&](bool started, int message) {
            if (started && message == 1) // told on the panel's thread
                QMetaObject::invokeMethod(f.window.get(), [&] {
                    QTimer::singleShot(1000, f.window.get(), [&] {
                        setting = c.move ? std::make_unique<ServerSetting>(
                                               QStringList{"set-default-sink", "orvanta_second"},
                                               QStringList{"set-default-sink", "orvanta_out"})
                                         : std::make_unique<ServerSetting>(
                                               QStringList{"set-sink-mute", "orvanta_out", "1"},
                                               QStringList{"set-sink-mute", "orvanta_out", "0"});
                    });
                });
        });
        QElapsedTimer clock;
        clock.start();
        f.uploadAll();
        setting.reset();
        EXPECT_LT(clock.elapsed(), 3000) << "the message played to its end";
        EXPECT_EQ(f.commands(), (Commands{"+J00", "+j"}));
        EXPECT_EQ(f.address(1), QString::fromUtf8(c.said));
        ASSERT_FALSE(f.dialogs.boxes.empty());
        EXPECT_EQ(f.dialogs.boxes.back().first, Dialogs::Kind::Error);
        EXPECT_FALSE(f.dialogs.boxes.back().second.contains(QStringLiteral("завершен")));
    }
}
