#include "SoundUpload.h"

#include "Convert.h"
#include "Dialogs.h"
#include "Errors.h"
#include "IniFile.h"
#include "MessageTable.h"
#include "PanelLink.h"
#include "PanelMemory.h"
#include "SoundPage.h"
#include "WaveAdjuster.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProgressBar>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <stdexcept>

namespace orvanta {

namespace {

constexpr int Rows = SoundListColumn::Rows - 1; // the title row is no message
constexpr int PauseMs = 500;
constexpr int RereadPauseMs = 100;
const QString TableSection = QStringLiteral("Sound");

// Word i of the message address table: the end of message i.
QString readEntry(PanelMemory &memory, int i)
{
    const QString high = memory.ReadByte(2 * i); // the high byte is read first
    return high + memory.ReadByte(2 * i + 1);
}

// Keeps the progress bar at 0 when the table actions end, however they end.
class ProgressReset
{
public:
    explicit ProgressReset(QProgressBar *bar)
        : m_bar(bar)
    {}
    ~ProgressReset() { m_bar->setValue(0); }
    ProgressReset(const ProgressReset &) = delete;
    ProgressReset &operator=(const ProgressReset &) = delete;

private:
    QProgressBar *m_bar;
};

} // namespace

SoundUpload::SoundUpload(PanelLink &link, SoundPage &page, QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_page(page)
{}

void SoundUpload::pause(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void SoundUpload::repaintProgress() const
{
    m_page.Grid()->repaint();
    m_page.Progress()->repaint();
    m_page.window()->repaint();
}

bool SoundUpload::messagesFitOrUserAgrees()
{
    const double seconds = m_page.ListSeconds(SecondsPerMessage);
    if (seconds <= MemorySeconds)
        return true;
    const int whole = int(seconds + 0.5);
    return Dialogs::Ask(QStringLiteral("Сообщения займут %1 мин. %2 сек., а память охранной панели "
                                       "вмещает 8 мин.: последние сообщения не поместятся.\n\n"
                                       "Записать сообщения всё равно?")
                            .arg(whole / 60)
                            .arg(whole % 60),
                        m_page.window());
}

void SoundUpload::Button4Click()
{
    try {
        if (m_link.IsOpened() && !messagesFitOrUserAgrees())
            return;
        upload();
    } catch (const std::exception &error) {
        // The upload ends at the failing row; no completion message follows.
        Dialogs::ShowError(ErrorText(error), m_page.window());
        return;
    }
    Dialogs::ShowInformation(QStringLiteral("Процесс записи завершен!"), m_page.window());
    m_page.Progress()->setValue(0);
}

void SoundUpload::upload()
{
    TWaveAdjuster &editor = m_page.Editor();
    if (!m_link.IsOpened())
        return;
    for (int row = 1; row <= Rows; ++row)
        m_page.SetCell(2, row, QString());
    m_page.SetCell(2, 0, QStringLiteral("Адрес"));
    editor.CloseSound();
    QProgressBar *progress = m_page.Progress();
    progress->setRange(0, Rows);
    UploadStopRequested = false;

    for (int row = 1; row <= Rows; ++row) {
        progress->setValue(row - 1);
        const QString file = m_page.MessageFile(row);
        if (file.isEmpty())
            continue;
        if (UploadStopRequested)
            break;
        editor.Player.FileName = file;
        editor.Player.Open();
        editor.Player.Wait = true;
        m_link.Query(row == 1 ? QStringLiteral("+J00") : QStringLiteral("+J"));
        pause(PauseMs);
        editor.Player.Play();              // returns when the message has been heard to its end
        QCoreApplication::processEvents(); // where "Остановить" gets through
        const QString end = m_link.Query(QStringLiteral("+j"), DefaultReadBudget + 2000);
        pause(PauseMs);
        if (end.isEmpty())
            break;
        VerifyMessageEntry(end, row);
    }
    editor.Redraw();
}

void SoundUpload::VerifyMessageEntry(const QString &endAddress, int i)
{
    PanelMemory memory(m_link);
    for (int reads = 1;; ++reads) {
        const QString entry = readEntry(memory, i);
        const QString line = QStringLiteral("%1: %2 : %3").arg(i).arg(endAddress, entry);
        if (endAddress == entry) {
            m_page.SetCell(2, i, m_debugEnabled ? line : QStringLiteral("Ok"));
            const int usedSeconds = HexStrToInt(entry) / 5;
            m_page.ShowMemoryUsage(usedSeconds);
            emit usedSecondsChanged(usedSeconds);
            break;
        }
        m_page.SetCell(2, i, QStringLiteral("--->") + line);
        if (!m_page.CorrectErrors() || UploadStopRequested)
            break;
        // A panel that keeps reporting another value must not hold the upload for ever.
        if (reads >= MaxEntryReads)
            throw std::runtime_error(
                QStringLiteral("Сообщение %1: охранная панель сообщила адрес %2, а в её таблице "
                               "адресов записано %3.")
                    .arg(i)
                    .arg(endAddress, entry)
                    .toStdString());
        pause(RereadPauseMs);
        QCoreApplication::processEvents(); // "Остановить" ends the repetition too
    }
    m_page.ScrollToRow(i);
    repaintProgress();
}

bool SoundUpload::try_write_eeprom(const QString &value, int n)
{
    PanelMemory(m_link).try_write_eeprom(
        value, n, [this, n](const QString &line) { m_page.SetCell(2, n, line); },
        [this] {
            // The user may clear "Исправлять ошибки" or stop meanwhile.
            QCoreApplication::processEvents();
            return m_page.CorrectErrors() && !UploadStopRequested;
        });
    repaintProgress();
    return true;
}

void SoundUpload::Button7Click()
{
    const QString path =
        Dialogs::GetSaveFileName(m_page.SoundHome(), QStringLiteral("Текстовые файлы (*.txt)"),
                                 QStringLiteral("txt"), m_page.window());
    if (path.isEmpty())
        return;
    IniFile table = IniFile::read(path);
    QProgressBar *progress = m_page.Progress();
    const ProgressReset reset(progress);
    progress->setRange(0, Rows - 1);
    progress->setValue(0);
    PanelMemory memory(m_link);
    try {
        for (int k = 0; k < Rows; ++k) {
            const QString entry = readEntry(memory, k + 1);
            table.setValue(TableSection, QStringLiteral("s%1").arg(k), entry);
            m_page.SetCell(2, k + 1, entry);
            progress->setValue(k);
            repaintProgress();
        }
    } catch (const std::exception &) {
        // What was read before the failure is kept in the file all the same.
        try {
            table.write(path);
        } catch (const std::exception &) {
        }
        throw;
    }
    table.write(path);
}

void SoundUpload::Button6Click()
{
    const QString path = Dialogs::GetOpenFileName(
        m_page.SoundHome(), QStringLiteral("Текстовый файл (*.txt);;Все файлы (*.*)"),
        m_page.window());
    if (path.isEmpty())
        return;
    const IniFile table = IniFile::read(path);
    QProgressBar *progress = m_page.Progress();
    const ProgressReset reset(progress);
    progress->setRange(0, Rows - 1);
    progress->setValue(0);
    for (int k = 0; k < Rows; ++k) {
        const QString entry =
            table.value(TableSection, QStringLiteral("s%1").arg(k), QStringLiteral("0000"));
        m_page.SetCell(2, k + 1, entry);
        try_write_eeprom(entry, k + 1);
        progress->setValue(progress->value() + 1);
        repaintProgress();
    }
}

} // namespace orvanta
