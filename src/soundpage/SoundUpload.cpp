#include "SoundUpload.h"

#include "Dialogs.h"
#include "Errors.h"
#include "HeardMeasure.h"
#include "LiveText.h"
#include "MessageList.h"
#include "MessageTable.h"
#include "PanelLink.h"
#include "PanelMemory.h"
#include "RegularFile.h"
#include "SnapshotJournal.h"
#include "SoundServer.h"
#include "UploadCheck.h"
#include "UploadJournal.h"
#include "WidgetNames.h"

#include <QCryptographicHash>
#include <QFile>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>

namespace orvanta {

namespace {

constexpr int Rows = MessageTable::Messages;
// The rate at which the output's monitor is heard.
constexpr uint32_t MonitorRate = 44100;
constexpr int ListenPieceMs = 20;

// The SHA-256 of a file's bytes, read without waiting on one that is no regular file.
QByteArray FileSha256(const QString &path)
{
    const RegularFile opened(path);
    QFile file;
    if (!opened.isOpen() || !file.open(opened.descriptor(), QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result();
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

SoundUpload::SoundUpload(PanelLink &link, MessageList &messages, QWidget *parent)
    : QGroupBox(parent)
    , m_link(link)
    , m_messages(messages)
    , m_sequence(link, player())
{
    setObjectName(QStringLiteral("GroupBox1"));
    auto *row = new QHBoxLayout(this);
    m_progress = named(new QProgressBar, "p");
    m_progress->setRange(0, Rows);
    m_progress->setValue(0);
    row->addWidget(m_progress, 1);
    m_start = named(new QPushButton, "Button4");
    m_stop = named(new QPushButton, "Button5");
    KeepTranslated(this, [this] {
        setTitle(tr("Процесс записи"));
        m_start->setText(tr("Записать звук в устройство"));
        m_stop->setText(tr("Остановить"));
    });
    row->addWidget(m_start);
    row->addWidget(m_stop);
    connect(m_start, &QPushButton::clicked, this, Dialogs::Guarded([this] { Button4Click(); }));
    connect(m_stop, &QPushButton::clicked, this, [this] { Button5Click(); });

    UploadObserver observer;
    observer.progress = [this](int position) {
        m_progress->setValue(position);
    };
    observer.rowStarted = [this](int row) {
        emit rowStarted(row);
    };
    observer.rowReport = [this](int row, const QString &text) {
        m_messages.setCell(MessageList::AddressColumn, row, text);
    };
    observer.memoryUsed = [this](int seconds) {
        emit usedSecondsChanged(seconds);
    };
    // Each message's receipt goes into the upload journal; the level heard stands in the row's
    // hint.
    observer.receipt = [this](const UploadReceipt &receipt) {
        if (receipt.heard) {
            const QString level = receipt.heard->levelText();
            m_messages.setAddressHint(receipt.row, tr("Услышано на выводе звука: %1").arg(level));
            emit messageHeard(
                tr("Сообщение %1 услышано на выводе звука: %2").arg(receipt.row).arg(level));
        }
        try {
            UploadJournal(SnapshotJournal::defaultFolder())
                .append(receipt, m_started, m_link.deviceName());
        } catch (const std::exception &error) {
            m_journalError = ErrorText(error);
        }
    };
    m_sequence.setObserver(observer);
    connect(&m_sequence, &MessageUpload::finished, this, &SoundUpload::uploadFinished);
    connect(&m_device, &WaveDevice::playEnded, this, [this](const QString &error) {
        if (auto played = std::exchange(m_played, nullptr))
            played(error);
    });
    // An output muted or turned down while a message plays leaves the panel recording silence:
    // the message fails, as one the output cut short.
    connect(&SoundServer::instance(), &SoundServer::changed, this, [this] {
        if (!m_played)
            return;
        const SoundServerState server = SoundServer::instance().state();
        // A server that went away ends the play by itself, and says so.
        if (!server.present)
            return;
        QString problem = OutputProblem(server, m_playingOn);
        if (problem.isEmpty())
            problem = StreamLevelProblem(server);
        if (problem.isEmpty())
            return;
        auto played = std::exchange(m_played, nullptr);
        m_device.stop();
        played(tr("Звук прерван: %1").arg(problem));
    });
}

void SoundUpload::setCorrectErrors(std::function<bool()> correct)
{
    m_correctErrors = correct;
    m_sequence.setCorrectErrors(std::move(correct));
}

void SoundUpload::setDeviceNames(const QString &output, const QString &input)
{
    m_device.setDeviceNames(output, input);
}

QString SoundUpload::listen(const QString &outputName)
{
    const SoundServerState server = SoundServer::instance().state();
    const SoundOutputState *output = server.output(outputName);
    const QString shown =
        output && !output->description.isEmpty() ? output->description : outputName;
    if (!server.present || !output || output->monitor.isEmpty())
        return tr("Сервер звука не даёт услышать вывод звука «%1»: проверить, что сообщение "
                  "прозвучало, нельзя")
            .arg(shown);
    // Small pieces: what was heard is all there soon after the sound ends. Never moved
    // elsewhere: it hears this output or nothing.
    if (const QString refused =
            m_listening.record(output->monitor, MonitorRate, ListenPieceMs, true);
        !refused.isEmpty())
        return tr("Вывод звука «%1» нельзя услышать: %2").arg(shown, refused);
    return {};
}

UploadPlayer SoundUpload::player()
{
    UploadPlayer player;
    // The file as it is now, on an output that is proven to start: a message the panel is told
    // to record but never hears would take a slot of its memory with silence.
    player.open = [this](const QString &file) {
        OpenedSound sound;
        try {
            m_device.FileName = file;
            m_device.open();
            m_device.setTimeFormat(WaveDevice::TimeFormat::Milliseconds);
            sound.seconds = m_device.length() / 1000.0;
            sound.sha256 = FileSha256(file);
            sound.error = m_device.proveOutput(OutputStartMs);
        } catch (const std::exception &error) {
            sound.error = ErrorText(error);
        }
        return sound;
    };
    player.play = [this](std::function<void(const QString &)> played) {
        m_played = std::move(played);
        try {
            m_playingOn = m_device.outputServerName();
            m_device.play();
        } catch (const std::exception &error) {
            if (auto failed = std::exchange(m_played, nullptr))
                failed(ErrorText(error));
        }
    };
    player.stop = [this] {
        if (m_device.isOpen())
            m_device.stop();
    };
    player.listen = [this] {
        try {
            return listen(m_device.outputServerName());
        } catch (const std::exception &error) {
            return ErrorText(error);
        }
    };
    player.heard = [this] {
        std::vector<int16_t> heard;
        m_listening.takeRecorded(heard);
        const QString failure = m_listening.failure();
        m_listening.stop();
        if (!failure.isEmpty()) {
            HeardSound failed;
            failed.problem =
                tr("сервер звука перестал давать слышать вывод звука (%1)").arg(failure);
            return failed;
        }
        return MeasureHeard(m_device.samples(), m_device.sampleRate(), heard, MonitorRate);
    };
    return player;
}

bool SoundUpload::messagesFitOrUserAgrees(double seconds)
{
    if (seconds <= MemorySeconds)
        return true;
    const int whole = int(seconds + 0.5);
    return Dialogs::Ask(tr("Сообщения займут %1 мин. %2 сек., а память охранной панели "
                           "вмещает %3 мин.: последние сообщения не поместятся.\n\n"
                           "Записать сообщения всё равно?")
                            .arg(whole / 60)
                            .arg(whole % 60)
                            .arg(MemorySeconds / 60),
                        window());
}

bool SoundUpload::checkPassed(const UploadCheck &check)
{
    if (check.passed())
        return true;
    if (!check.outputProblem.isEmpty()) {
        Dialogs::ShowError(tr("Сообщения не записаны.\n\n%1.").arg(check.outputProblem), window());
        return false;
    }
    QStringList lines;
    for (const UploadCheck::Problem &problem : check.problems) {
        m_messages.setCell(MessageList::AddressColumn, problem.row, problem.reason);
        if (lines.size() < ListedProblems)
            lines += tr("Строка %1, \"%2\": %3")
                         .arg(problem.row)
                         .arg(m_messages.cell(MessageList::FileColumn, problem.row).trimmed(),
                              problem.reason);
    }
    if (int more = int(check.problems.size()) - ListedProblems; more > 0)
        lines += tr("и ещё строк: %1").arg(more);
    Dialogs::ShowError(tr("Сообщения не записаны: эти строки списка нельзя воспроизвести. "
                          "Исправьте их или очистите в них имя файла и запустите запись "
                          "снова; ничего не отправлено в охранную панель.\n\n%1")
                           .arg(lines.join(QLatin1Char('\n'))),
                       window());
    return false;
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
                           window());
        return;
    }
    if (m_link.connectionFailed()) {
        Dialogs::ShowError(tr("Нет связи с охранной панелью \"Orvanta\": последний "
                              "обмен с панелью не удался, сообщения не записаны. "
                              "Проверьте подключение и связь."),
                           window());
        return;
    }
    std::vector<UploadMessage> messages;
    std::vector<MessageToPlay> toCheck;
    for (int row = 1; row <= Rows; ++row) {
        if (const QString file = m_messages.messageFile(row); !file.isEmpty()) {
            messages.push_back({row, file});
            toCheck.push_back({row, file});
        }
    }
    m_messages.clearAddresses();
    const UploadCheck check = CheckMessagesToPlay(toCheck, m_device);
    if (!checkPassed(check) ||
        !messagesFitOrUserAgrees(check.seconds + SecondsAroundMessage * double(messages.size())))
        return;
    if (!activity.begin(Activity::Kind::Uploading))
        return;
    activity.setEnder([this] { abort(); });
    m_aborted = false;
    m_journalError.clear();
    m_started = QDateTime::currentDateTime();
    m_progress->setRange(0, Rows);
    emit started();
    m_sequence.start(std::move(messages));
}

void SoundUpload::Button5Click()
{
    if (!m_sequence.running())
        return;
    m_sequence.requestStop();
    m_progress->setFormat(tr("Остановка после текущего сообщения…"));
}

void SoundUpload::abort()
{
    if (!m_sequence.running())
        return;
    m_aborted = true;
    m_sequence.abort();
}

void SoundUpload::uploadFinished(const UploadOutcome &outcome)
{
    m_progress->setFormat(QStringLiteral("%p%"));
    m_device.close();
    m_link.activity().end(Activity::Kind::Uploading);
    emit finished();
    if (m_aborted)
        return;
    // Receipts the upload journal could not take are said with the outcome, never lost unsaid.
    const QString journal =
        m_journalError.isEmpty()
            ? QString()
            : QStringLiteral("\n\n") +
                  tr("Квитанции сообщений не записаны в журнал: %1").arg(m_journalError);
    const QString done = tr("Процесс записи завершен!");
    if (outcome.end == UploadOutcome::End::Complete) {
        Dialogs::ShowInformation(done + journal, window());
        m_progress->setValue(0);
        return;
    }
    // Anything short of every message says how many the panel holds, and which did not go in.
    QString summary = tr("Записано сообщений: %1 из %2").arg(outcome.written).arg(outcome.total);
    if (outcome.failedRow > 0)
        summary += tr("; не записано сообщение %1").arg(outcome.failedRow);
    summary += QLatin1Char('.');
    if (outcome.error.isEmpty()) {
        Dialogs::ShowInformation(done + QLatin1Char('\n') + summary + journal, window());
        m_progress->setValue(0);
    } else {
        // The error alone, without the completion; the progress stays where the upload ended.
        Dialogs::ShowError(outcome.error + QStringLiteral("\n\n") + summary + journal, window());
    }
}

bool SoundUpload::try_write_eeprom(const QString &value, int n)
{
    PanelMemory(m_link).try_write_eeprom(
        value, n,
        [this, n](const QString &line) { m_messages.setCell(MessageList::AddressColumn, n, line); },
        [this] { return m_correctErrors ? m_correctErrors() : true; });
    m_progress->repaint();
    return true;
}

void SoundUpload::Button7Click()
{
    const QString path = Dialogs::GetSaveFileName(
        m_messages.soundHome(), tr("Текстовые файлы (*.txt)"), QStringLiteral("txt"), window());
    if (path.isEmpty())
        return;
    QProgressBar *progress = m_progress;
    const ProgressReset reset(progress);
    progress->setRange(0, Rows - 1);
    progress->setValue(0);
    PanelMemory memory(m_link);
    MessageTable::Entries entries;
    int read = 0;
    try {
        for (; read < Rows; ++read) {
            const QString entry = memory.readWord(read + 1).text();
            entries[size_t(read)] = entry;
            m_messages.setCell(MessageList::AddressColumn, read + 1, entry);
            progress->setValue(read);
            progress->repaint();
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
        m_messages.soundHome(), tr("Текстовый файл (*.txt);;Все файлы (*.*)"), window());
    if (path.isEmpty())
        return;
    const MessageTable::Entries entries = MessageTable::ReadTableFile(path);
    QProgressBar *progress = m_progress;
    const ProgressReset reset(progress);
    progress->setRange(0, Rows - 1);
    progress->setValue(0);
    for (int k = 0; k < Rows; ++k) {
        m_messages.setCell(MessageList::AddressColumn, k + 1, entries[size_t(k)]);
        try_write_eeprom(entries[size_t(k)], k + 1);
        progress->setValue(progress->value() + 1);
        progress->repaint();
    }
}

} // namespace orvanta
