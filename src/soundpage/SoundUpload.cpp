#include "SoundUpload.h"

#include "Dialogs.h"
#include "Errors.h"
#include "MessageList.h"
#include "MessageTable.h"
#include "PanelLink.h"
#include "PanelMemory.h"
#include "SoundPage.h"
#include "WaveAdjuster.h"

#include <QProgressBar>
#include <QTableView>

namespace orvanta {

namespace {

constexpr int Rows = MessageTable::Messages;

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
    , m_sequence(link, player())
{
    UploadObserver observer;
    observer.progress = [this](int position) {
        m_page.Progress()->setValue(position);
    };
    // The message being played is the one shown, its row selected and in view.
    observer.rowStarted = [this](int row) {
        m_page.SelectCell(MessageList::TextColumn, row);
        m_page.ScrollToRow(row);
    };
    observer.rowReport = [this](int row, const QString &text) {
        m_page.SetCell(MessageList::AddressColumn, row, text);
    };
    observer.memoryUsed = [this](int seconds) {
        m_page.ShowMemoryUsage(seconds);
        emit usedSecondsChanged(seconds);
    };
    m_sequence.setObserver(observer);
    m_sequence.setCorrectErrors([this] { return m_page.CorrectErrors(); });
    connect(&m_sequence, &MessageUpload::finished, this, &SoundUpload::uploadFinished);
    connect(&m_device, &WaveDevice::playEnded, this, [this](const QString &error) {
        if (auto played = std::exchange(m_played, nullptr))
            played(error);
    });
}

void SoundUpload::SetDeviceNames(const QString &output, const QString &input)
{
    m_device.SetDeviceNames(output, input);
}

UploadPlayer SoundUpload::player()
{
    UploadPlayer player;
    player.open = [this](const QString &file) {
        try {
            m_device.FileName = file;
            m_device.Open();
            return QString();
        } catch (const std::exception &error) {
            return ErrorText(error);
        }
    };
    player.play = [this](std::function<void(const QString &)> played) {
        m_played = std::move(played);
        try {
            m_device.Play();
        } catch (const std::exception &error) {
            if (auto failed = std::exchange(m_played, nullptr))
                failed(ErrorText(error));
        }
    };
    player.stop = [this] {
        if (m_device.IsOpen())
            m_device.Stop();
    };
    return player;
}

bool SoundUpload::messagesFitOrUserAgrees(double seconds)
{
    if (seconds <= MemorySeconds)
        return true;
    const int whole = int(seconds + 0.5);
    return Dialogs::Ask(tr("Сообщения займут %1 мин. %2 сек., а память охранной панели "
                           "вмещает 8 мин.: последние сообщения не поместятся.\n\n"
                           "Записать сообщения всё равно?")
                            .arg(whole / 60)
                            .arg(whole % 60),
                        m_page.window());
}

void SoundUpload::Button4Click()
{
    Activity &activity = m_link.activity();
    if (!activity.canBegin(Activity::Kind::Uploading))
        return;
    // No link: nothing would be sent, and that is said instead of a completion.
    if (!m_link.IsOpened()) {
        Dialogs::ShowError(tr("Нет связи с охранной панелью \"Orvanta\": порт не "
                              "открыт, сообщения не записаны. Выберите порт и "
                              "проверьте связь."),
                           m_page.window());
        return;
    }
    if (m_link.ConnectionFailed()) {
        Dialogs::ShowError(tr("Нет связи с охранной панелью \"Orvanta\": последний "
                              "обмен с панелью не удался, сообщения не записаны. "
                              "Проверьте подключение и связь."),
                           m_page.window());
        return;
    }
    const MessageList &list = m_page.Messages();
    if (!messagesFitOrUserAgrees(list.listSeconds(SecondsAroundMessage)))
        return;
    std::vector<UploadMessage> messages;
    for (int row = 1; row <= Rows; ++row)
        if (const QString file = list.messageFile(row); !file.isEmpty())
            messages.push_back({row, file, list.messageSeconds(row)});
    if (!activity.begin(Activity::Kind::Uploading))
        return;
    activity.setEnder([this] { Abort(); });
    m_aborted = false;
    m_page.Messages().clearAddresses();
    m_page.Progress()->setRange(0, Rows);
    m_sequence.start(std::move(messages));
}

void SoundUpload::Button5Click()
{
    if (!m_sequence.running())
        return;
    m_sequence.requestStop();
    m_page.Progress()->setFormat(tr("Остановка после текущего сообщения…"));
}

void SoundUpload::Abort()
{
    if (!m_sequence.running())
        return;
    m_aborted = true;
    m_sequence.abort();
}

void SoundUpload::uploadFinished(const UploadOutcome &outcome)
{
    m_page.Progress()->setFormat(QStringLiteral("%p%"));
    m_device.Close();
    m_link.activity().end(Activity::Kind::Uploading);
    m_page.ShowSelectedMessage();
    emit finished();
    if (m_aborted)
        return;
    const QString done = tr("Процесс записи завершен!");
    if (outcome.end == UploadOutcome::End::Complete) {
        Dialogs::ShowInformation(done, m_page.window());
        m_page.Progress()->setValue(0);
        return;
    }
    // Anything short of every message says how many the panel holds, and which did not go in.
    QString summary = tr("Записано сообщений: %1 из %2").arg(outcome.written).arg(outcome.total);
    if (outcome.failedRow > 0)
        summary += tr("; не записано сообщение %1").arg(outcome.failedRow);
    summary = done + QLatin1Char('\n') + summary + QLatin1Char('.');
    if (outcome.error.isEmpty()) {
        Dialogs::ShowInformation(summary, m_page.window());
        m_page.Progress()->setValue(0);
    } else {
        // The progress stays where the upload ended.
        Dialogs::ShowError(outcome.error + QStringLiteral("\n\n") + summary, m_page.window());
    }
}

void SoundUpload::repaintProgress() const
{
    m_page.Grid()->repaint();
    m_page.Progress()->repaint();
}

bool SoundUpload::try_write_eeprom(const QString &value, int n)
{
    PanelMemory(m_link).try_write_eeprom(
        value, n,
        [this, n](const QString &line) { m_page.SetCell(MessageList::AddressColumn, n, line); },
        [this] { return m_page.CorrectErrors(); });
    repaintProgress();
    return true;
}

void SoundUpload::Button7Click()
{
    const QString path = Dialogs::GetSaveFileName(m_page.SoundHome(), tr("Текстовые файлы (*.txt)"),
                                                  QStringLiteral("txt"), m_page.window());
    if (path.isEmpty())
        return;
    QProgressBar *progress = m_page.Progress();
    const ProgressReset reset(progress);
    progress->setRange(0, Rows - 1);
    progress->setValue(0);
    PanelMemory memory(m_link);
    MessageTable::Entries entries;
    int read = 0;
    try {
        for (; read < Rows; ++read) {
            const QString entry = memory.ReadWord(read + 1).text();
            entries[size_t(read)] = entry;
            m_page.SetCell(MessageList::AddressColumn, read + 1, entry);
            progress->setValue(read);
            repaintProgress();
        }
    } catch (const std::exception &) {
        // What was read before the failure is kept in the file all the same.
        MessageTable::WriteTableFile(path, entries, read);
        throw;
    }
    MessageTable::WriteTableFile(path, entries);
}

void SoundUpload::Button6Click()
{
    const QString path = Dialogs::GetOpenFileName(
        m_page.SoundHome(), tr("Текстовый файл (*.txt);;Все файлы (*.*)"), m_page.window());
    if (path.isEmpty())
        return;
    const MessageTable::Entries entries = MessageTable::ReadTableFile(path);
    QProgressBar *progress = m_page.Progress();
    const ProgressReset reset(progress);
    progress->setRange(0, Rows - 1);
    progress->setValue(0);
    for (int k = 0; k < Rows; ++k) {
        m_page.SetCell(MessageList::AddressColumn, k + 1, entries[size_t(k)]);
        try_write_eeprom(entries[size_t(k)], k + 1);
        progress->setValue(progress->value() + 1);
        repaintProgress();
    }
}

} // namespace orvanta
