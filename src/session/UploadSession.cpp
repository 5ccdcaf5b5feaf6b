#include "UploadSession.h"

#include "core/Errors.h"
#include "link/PanelLink.h"
#include "panel/MessageTable.h"
#include "panel/SnapshotJournal.h"
#include "panel/UploadJournal.h"
#include "voice/HeardMeasure.h"
#include "voice/MessageList.h"
#include "voice/RegularFile.h"
#include "voice/SoundServer.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

namespace orvanta {

namespace {

// The rate at which the output's monitor is heard.
constexpr uint32_t MonitorRate = 44100;
constexpr int ListenPieceMs = 20;
// How long the monitor may still bring the end of a message after its play ended: a few server
// periods, however long they are set.
constexpr int HeardLateMs = 500;

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

} // namespace

UploadSession::UploadSession(PanelLink &link, QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_sequence(link, player())
{
    UploadObserver observer;
    observer.progress = [this](int position) {
        emit progress(position);
    };
    observer.rowStarted = [this](int row) {
        emit rowStarted(row);
    };
    observer.rowReport = [this](int row, const QString &text) {
        emit rowReport(row, text);
    };
    observer.memoryUsed = [this](int seconds) {
        emit usedSecondsChanged(seconds);
    };
    observer.receipt = [this](const UploadReceipt &made) {
        try {
            UploadJournal(SnapshotJournal::defaultFolder())
                .append(made, m_started, m_link.deviceName());
        } catch (const std::exception &error) {
            m_journalError = ErrorText(error);
        }
        emit receipt(made);
    };
    m_sequence.setObserver(observer);
    connect(&m_sequence, &MessageUpload::finished, this, [this](const UploadOutcome &outcome) {
        m_device.close();
        emit finished(outcome);
    });
    connect(&m_device, &WaveDevice::playEnded, this, [this](const QString &error) {
        if (auto played = std::exchange(m_played, nullptr))
            played(error);
    });
    followTheOutput();
}

// An output muted or turned down while a message plays leaves the panel recording silence: the
// message fails, as one the output cut short.
void UploadSession::followTheOutput()
{
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

void UploadSession::setDeviceNames(const QString &output, const QString &input)
{
    m_device.setDeviceNames(output, input);
}

void UploadSession::setCorrectErrors(std::function<bool()> correct)
{
    m_sequence.setCorrectErrors(std::move(correct));
}

std::vector<UploadMessage> UploadSession::MessagesOf(const MessageList &list)
{
    std::vector<UploadMessage> messages;
    for (int row = 1; row <= MessageTable::Messages; ++row)
        if (const QString file = list.messageFile(row); !file.isEmpty())
            messages.push_back({row, file});
    return messages;
}

UploadCheck UploadSession::check(const std::vector<UploadMessage> &messages)
{
    return CheckMessagesToPlay(messages, m_device);
}

double UploadSession::SecondsTaken(const UploadCheck &check, size_t messages)
{
    return check.seconds + SecondsAroundMessage * double(messages);
}

void UploadSession::start(std::vector<UploadMessage> messages)
{
    m_journalError.clear();
    m_started = QDateTime::currentDateTime();
    m_sequence.start(std::move(messages));
}

QString UploadSession::listen(const QString &outputName)
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

UploadPlayer UploadSession::player()
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
            sound.seconds = double(m_device.length()) / 1000.0;
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
        // The monitor hears what the output played a server period later: the end of the message
        // still comes after its play ended. The sound server's own thread brings it.
        const size_t wanted = HeardSamplesToWaitFor(
            SoundingSeconds(m_device.samples(), m_device.sampleRate()), heard, MonitorRate);
        const QDeadlineTimer late(HeardLateMs);
        while (heard.size() < wanted && m_listening.failure().isEmpty() && !late.hasExpired()) {
            QThread::msleep(ListenPieceMs / 2);
            m_listening.takeRecorded(heard);
        }
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

} // namespace orvanta
