#include "MessageUpload.h"

#include "MessageTable.h"
#include "core/Convert.h"
#include "core/Errors.h"
#include "link/PanelLink.h"
#include "link/PanelMemory.h"

namespace orvanta {

MessageUpload::MessageUpload(PanelLink &link, UploadPlayer player, QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_player(std::move(player))
{
    m_step.setSingleShot(true);
    connect(&m_step, &QTimer::timeout, this, [this] {
        if (m_aborted)
            abortNow();
        else
            m_nextStep();
    });
    m_playDeadline.setSingleShot(true);
    connect(&m_playDeadline, &QTimer::timeout, this, [this] { playTooLong(); });
}

void MessageUpload::report(int row, const QString &text) const
{
    if (m_observer.rowReport)
        m_observer.rowReport(row, text);
}

void MessageUpload::start(std::vector<UploadMessage> messages)
{
    if (m_running)
        return;
    m_messages = std::move(messages);
    m_index = 0;
    m_running = true;
    m_stopRequested = false;
    m_aborted = false;
    m_panelRecording = false;
    m_previousEnd.reset();
    m_outcome = {};
    m_outcome.total = int(m_messages.size());
    nextMessage();
}

void MessageUpload::nextAfter(int milliseconds, std::function<void()> step)
{
    m_nextStep = std::move(step);
    m_step.start(milliseconds);
}

void MessageUpload::nextMessage()
{
    if (m_index >= m_messages.size()) {
        // The walk goes on over the rows after the last message, which name no file.
        if (m_observer.progress)
            m_observer.progress(MessageTable::Messages - 1);
        return finish(UploadOutcome::End::Complete);
    }
    const UploadMessage &current = message();
    if (m_observer.progress)
        m_observer.progress(current.row - 1);
    if (m_stopRequested)
        return finish(UploadOutcome::End::Stopped);
    if (m_observer.rowStarted)
        m_observer.rowStarted(current.row);
    // A file the sound output refuses ends the upload before the panel is told anything.
    const OpenedSound sound = m_player.open(current.file);
    if (m_aborted)
        return abortNow();
    if (!sound.error.isEmpty())
        return fail(sound.error, false);
    m_sound = sound;
    m_endUnits = 0;
    m_heard.reset();
    // What the output plays is heard from before the panel records: the proof that the message
    // left the PC audible and whole.
    if (m_player.listen) {
        if (const QString cannot = m_player.listen(); !cannot.isEmpty())
            return fail(cannot, false);
        m_listening = true;
    }
    try {
        m_link.query(current.row == 1 ? QStringLiteral("+J00") : QStringLiteral("+J"));
        m_panelRecording = true;
    } catch (const std::exception &error) {
        m_panelRecording = true; // it may have been heard
        return fail(ErrorText(error), true);
    }
    if (m_aborted)
        return abortNow();
    nextAfter(PauseMs, [this] { playMessage(); });
}

void MessageUpload::playMessage()
{
    m_playing = true;
    const int play = ++m_plays;
    m_playDeadline.start(int(m_sound.seconds * 1000) + PlayDeadlineExtraMs);
    m_player.play([this, play](const QString &error) {
        if (play == m_plays)
            playEnded(error);
    });
}

// The sound may end inside play() or from a device signal: either way the next step runs from
// the event loop, never inside the device's own handler.
void MessageUpload::playEnded(const QString &error)
{
    if (!m_playing)
        return;
    m_playing = false;
    m_playDeadline.stop();
    QMetaObject::invokeMethod(
        this, [this, error] { messagePlayed(error); }, Qt::QueuedConnection);
}

// A player that never tells the end of its sound would leave the panel recording for good.
void MessageUpload::playTooLong()
{
    const int seconds = m_playDeadline.interval() / 1000;
    playEnded(tr("Звук не закончился за %1 с: устройство вывода звука не ответило").arg(seconds));
    m_player.stop(); // an end it tells now comes too late and is not taken
}

void MessageUpload::messagePlayed(const QString &error)
{
    QString end;
    try {
        end = m_link.query(QStringLiteral("+j"), DefaultReadBudget + EndReadBudgetExtraMs);
        m_panelRecording = false;
    } catch (const std::exception &failure) {
        return fail(ErrorText(failure), true);
    }
    m_heard = stopListening();
    if (m_aborted) {
        report(message().row, tr("Запись прервана"));
        return finish(UploadOutcome::End::Stopped);
    }
    if (!error.isEmpty())
        return fail(error, true);
    if (m_heard && !m_heard->whole())
        return fail(tr("Сообщение прозвучало не так, как в файле: %1").arg(m_heard->problem), true);
    m_end = end;
    nextAfter(PauseMs, [this] { checkEnd(); });
}

// A message the panel's memory could not hold wholly is no success: its end lies at the end of
// the memory, or the panel kept less time than the sound lasts.
void MessageUpload::checkEnd()
{
    if (m_end.isEmpty()) {
        m_outcome.failedRow = message().row; // the panel did not say where it ended
        return finish(UploadOutcome::End::NoEndAddress);
    }
    try {
        m_endUnits = HexStrToInt(m_end);
    } catch (const std::exception &error) {
        return fail(ErrorText(error), false);
    }
    const UploadMessage &current = message();
    const bool atTheEnd = m_endUnits >= MessageTable::EndOfMemory;
    const bool cut =
        m_previousEnd &&
        double(m_endUnits - *m_previousEnd) / MessageTable::UnitsPerSecond < m_sound.seconds;
    if (atTheEnd || cut) {
        if (m_observer.memoryUsed)
            m_observer.memoryUsed(
                MessageTable::Seconds(std::min(m_endUnits, MessageTable::EndOfMemory)));
        report(current.row, tr("Не поместилось"));
        tellReceipt(tr("Не поместилось"));
        m_outcome.failedRow = current.row;
        m_outcome.error = tr("Память охранной панели заполнена: поместились сообщений: %1 из %2; "
                             "сообщение %3 не поместилось.")
                              .arg(m_outcome.written)
                              .arg(m_messages.size())
                              .arg(current.row);
        return finish(UploadOutcome::End::Full);
    }
    m_reads = 0;
    verifyEntry();
}

void MessageUpload::verifyEntry()
{
    const UploadMessage &current = message();
    PanelMemory::Word entry;
    try {
        entry = PanelMemory(m_link).readWord(current.row);
    } catch (const std::exception &error) {
        return fail(ErrorText(error), true);
    }
    ++m_reads;
    const QString line = QStringLiteral("%1: %2 : %3").arg(current.row).arg(m_end, entry.text());
    if (m_end == entry.text()) {
        report(current.row, m_debugLines ? line : QStringLiteral("Ok"));
        tellReceipt(QStringLiteral("Ok"));
        if (m_observer.memoryUsed)
            m_observer.memoryUsed(MessageTable::Seconds(m_endUnits));
        ++m_outcome.written;
        m_previousEnd = m_endUnits;
        ++m_index;
        return nextMessage();
    }
    report(current.row, QStringLiteral("--->") + line);
    const bool correct = m_correctErrors ? m_correctErrors() : true;
    if (!correct || m_stopRequested) {
        m_previousEnd = m_endUnits;
        ++m_index;
        return nextMessage();
    }
    // A panel that keeps reporting another value must not hold the upload for ever.
    if (m_reads >= MaxEntryReads)
        return fail(tr("Сообщение %1: охранная панель сообщила адрес %2, а в её "
                       "таблице адресов записано %3.")
                        .arg(current.row)
                        .arg(m_end, entry.text()),
                    false);
    nextAfter(RereadPauseMs, [this] { verifyEntry(); });
}

void MessageUpload::endPanelRecording()
{
    if (!m_panelRecording)
        return;
    m_panelRecording = false;
    try {
        m_link.query(QStringLiteral("+j"), DefaultReadBudget + EndReadBudgetExtraMs);
    } catch (const std::exception &) {
        // The line itself failed; the error that brought us here is the one to tell.
    }
}

std::optional<HeardSound> MessageUpload::stopListening()
{
    if (!std::exchange(m_listening, false) || !m_player.heard)
        return std::nullopt;
    return m_player.heard();
}

void MessageUpload::tellReceipt(const QString &verdict)
{
    if (!m_observer.receipt)
        return;
    UploadReceipt receipt;
    receipt.row = message().row;
    receipt.file = message().file;
    receipt.sha256 = m_sound.sha256;
    receipt.fileSeconds = m_sound.seconds;
    // The panel's addresses count from the end of the message before, or from 0 for "+J00".
    const std::optional<int> start = receipt.row == 1 ? std::optional<int>(0) : m_previousEnd;
    if (start && m_endUnits > *start)
        receipt.panelSeconds = double(m_endUnits - *start) / MessageTable::UnitsPerSecond;
    receipt.heard = m_heard;
    receipt.verdict = verdict;
    m_observer.receipt(receipt);
}

void MessageUpload::fail(const QString &error, bool showInRow)
{
    endPanelRecording();
    if (!m_heard)
        m_heard = stopListening();
    const int row = message().row;
    if (showInRow) {
        report(row, error);
        tellReceipt(error);
    }
    m_outcome.failedRow = row;
    m_outcome.error = error;
    finish(UploadOutcome::End::Failed);
}

void MessageUpload::abort()
{
    if (!m_running || m_aborted)
        return;
    m_aborted = true;
    m_stopRequested = true;
    if (m_playing) {
        m_player.stop();
        playEnded({}); // whether or not the player told the end of its stop
    } else if (m_step.isActive()) {
        m_step.stop();
        QMetaObject::invokeMethod(
            this, [this] { abortNow(); }, Qt::QueuedConnection);
    }
    // Otherwise a transaction is under way: the step after it sees the flag.
}

void MessageUpload::abortNow()
{
    if (!m_running)
        return;
    const bool cut = m_panelRecording || m_playing;
    endPanelRecording();
    if (cut && m_index < m_messages.size())
        report(message().row, tr("Запись прервана"));
    finish(UploadOutcome::End::Stopped);
}

void MessageUpload::finish(UploadOutcome::End end)
{
    stopListening();
    m_step.stop();
    m_playDeadline.stop();
    m_running = false;
    m_playing = false;
    m_outcome.end = end;
    emit finished(m_outcome);
}

} // namespace orvanta
