#include "MessageSound.h"

#include "MessageList.h"
#include "SoundServer.h"

#include <QDir>
#include <QFileInfo>

namespace orvanta {

MessageSound::MessageSound(MessageList &messages, int longestSeconds, QObject *parent)
    : QObject(parent)
    , m_messages(messages)
    , m_import(messages, longestSeconds)
{
    connect(&m_player, &WaveDevice::stateChanged, this, &MessageSound::stateChanged);
    connect(&m_edit, &MessageEdit::samplesChanged, this, &MessageSound::samplesChanged);
    connect(&m_edit, &MessageEdit::written, this, [this] {
        // After an edit of the message, the edit's own undo is the one that counts.
        if (!m_keepImportUndo)
            m_import.forget();
        emit written();
    });
    connect(&m_recorder, &MessageRecorder::finished, this, &MessageSound::recordingEnded);
    connect(&m_recorder, &MessageRecorder::soundArrived, this, &MessageSound::soundArrived);
    // A message the device could not take while the sound server was away is opened again when
    // it is back, so that its reason does not outlive the absence.
    connect(&SoundServer::instance(), &SoundServer::presenceChanged, this, [this] {
        if (!recording() && !m_player.isPlaying())
            openOnDevice();
    });
}

MessageSound::~MessageSound()
{
    // The device ends its sound while the signals' receivers are still whole.
    disconnect(&m_player, nullptr, this, nullptr);
    disconnect(&m_recorder, nullptr, this, nullptr);
    m_player.close();
}

SoundResult MessageSound::showRow(int row)
{
    // A blank cell names no file, not the sound folder.
    return show(row, m_messages.messageFile(row));
}

SoundResult MessageSound::showFile(const QString &fileName)
{
    return show(0, fileName);
}

SoundResult MessageSound::show(int row, const QString &fileName)
{
    if (recording())
        return {};
    m_row = row;
    m_player.close();
    m_edit.load(fileName);
    openOnDevice();
    return {loaded() ? QString() : m_edit.wave()->Failure, {}};
}

void MessageSound::close()
{
    if (recording())
        m_recorder.stop();
    m_player.close();
    m_edit.unload();
}

// The file just read is played, not read once more; a file that holds no sound the reader takes
// keeps the reason in view.
void MessageSound::openOnDevice()
{
    m_playbackProblem.clear();
    m_player.close();
    if (!loaded()) {
        const TWaveFile *wave = m_edit.wave();
        if (wave && !wave->LoadError.isEmpty() && QFileInfo::exists(m_edit.fileName()))
            m_playbackProblem =
                tr("Не удалось загрузить файл \"%1\": %2").arg(m_edit.fileName(), wave->LoadError);
    } else {
        try {
            m_player.open(m_edit.sharedWave());
            m_player.setTimeFormat(WaveDevice::TimeFormat::Samples);
        } catch (const std::exception &error) {
            m_playbackProblem = QString::fromStdString(error.what());
        }
    }
    emit stateChanged();
}

bool MessageSound::canUndo() const
{
    return !recording() && (m_edit.canUndo() || (m_row > 0 && m_import.canUndo(m_row)));
}

QString MessageSound::fileForNewSound(QString &newName)
{
    newName.clear();
    const QString file = m_messages.fileToWrite(m_row);
    // A file the tool cannot write back as it is (another format, or no sound it reads) is not
    // replaced: the new sound goes into a WAV file of its own.
    const TWaveFile *shown = wave();
    if (!shown || shown->FileName != file ||
        (shown->Loaded ? shown->PlainPcm : shown->LoadError.isEmpty() || shown->NoSoundYet))
        return file;
    newName = m_import.targetName(m_row);
    return m_messages.pathOfName(newName);
}

SoundResult MessageSound::reshow()
{
    return m_row > 0 ? showRow(m_row) : showFile(m_edit.fileName());
}

// The copy an edit of another format makes is at the tool's rate: a span of samples is
// carried over to it by time.
SoundResult MessageSound::edit(const std::function<SoundResult(double scale)> &change)
{
    if (!loaded() || recording())
        return {};
    stopPlaying();
    const bool importFirst = m_row > 0 && !wave()->PlainPcm;
    double scale = 1;
    if (importFirst) {
        // The copy is made of the sound the user sees, never of what another program put there.
        if (const QString changed = m_edit.reloadIfChanged(); !changed.isEmpty()) {
            openOnDevice();
            return SoundResult::failed(changed);
        }
        const double rate = wave()->Format.SampleRate;
        const QString source = wave()->FileName; // an import may show the message anew
        const SoundResult imported = importInto(m_row, source);
        if (!imported.done())
            return imported;
        reshow();
        if (!loaded())
            return {};
        scale = wave()->Format.SampleRate / rate;
    }
    m_keepImportUndo = importFirst;
    const SoundResult result = change(scale);
    m_keepImportUndo = false;
    if (importFirst)
        m_import.wroteAgain();
    openOnDevice();
    return result;
}

SoundResult MessageSound::cut(qint64 first, qint64 last)
{
    return edit([&](double scale) {
        return m_edit.cut(qint64(double(first) * scale), qint64(double(last) * scale));
    });
}

SoundResult MessageSound::silence(qint64 first, qint64 last)
{
    return edit([&](double scale) {
        return m_edit.silence(qint64(double(first) * scale), qint64(double(last) * scale));
    });
}

SoundResult MessageSound::trim()
{
    return edit([&](double) { return m_edit.trim(); });
}

SoundResult MessageSound::evenLoudness()
{
    return edit([&](double) { return m_edit.evenLoudness(); });
}

std::optional<MessageSound::NewSound> MessageSound::beginNewSound()
{
    if (recording() || m_row < 1)
        return std::nullopt;
    stopPlaying();
    NewSound sound;
    sound.cell = m_messages.cell(MessageList::FileColumn, m_row);
    sound.file = fileForNewSound(sound.newName);
    return sound;
}

SoundResult MessageSound::speak(const QString &text, const QString &voice)
{
    const std::optional<NewSound> target = beginNewSound();
    if (!target)
        return {};
    const auto &[cell, file, newName] = *target;
    // Speech over the message shown is an edit its own undo takes back; speech that makes the
    // row's message anew is undone as a recording is.
    const bool over = loaded() && wave()->FileName == file;
    std::optional<QByteArray> before = over ? std::nullopt : SoundImport::contents(file);
    const SoundResult spoken = m_edit.speak(text, file, voice);
    if (!spoken.done())
        unnameIfNothingCame(m_row, file, cell);
    if (spoken.done()) {
        if (!newName.isEmpty())
            m_messages.setCell(MessageList::FileColumn, m_row, newName);
        if (!over)
            m_import.rememberReplaced(m_row, file, std::move(before), cell);
    }
    openOnDevice();
    return spoken;
}

SoundResult MessageSound::importInto(int row, const QString &source)
{
    if (recording())
        return {};
    const SoundResult imported = m_import.importInto(row, source);
    if (imported.done())
        emit written();
    return imported;
}

SoundResult MessageSound::undo()
{
    if (!canUndo())
        return {};
    stopPlaying();
    if (m_row > 0 && m_import.canUndo(m_row)) {
        const SoundResult undone = m_import.undo();
        reshow();
        emit written();
        return undone;
    }
    const SoundResult undone = m_edit.undo();
    openOnDevice();
    return undone;
}

SoundResult MessageSound::play(qint64 first, qint64 last)
{
    if (!canPlay())
        return {};
    try {
        stopPlaying();
        m_player.From = first;
        if (last >= 0)
            m_player.To = last;
        m_player.play();
    } catch (const std::exception &error) {
        return SoundResult::failed(QString::fromStdString(error.what()));
    }
    return {};
}

SoundResult MessageSound::record(int maxSeconds)
{
    const std::optional<NewSound> target = beginNewSound();
    if (!target)
        return {};
    const auto &[cell, file, newName] = *target;
    m_beforeRecording = {m_row, file, SoundImport::contents(file), cell, newName};
    const MessageRecorder::Start start = m_recorder.start(file, maxSeconds);
    if (!start.error.isEmpty()) {
        m_beforeRecording = {};
        unnameIfNothingCame(m_row, file, cell);
        openOnDevice();
        return start.device ? SoundResult::deviceFailed(start.error)
                            : SoundResult::failed(start.error);
    }
    emit stateChanged();
    return {};
}

// A blank cell is named before new sound goes into it; when none came, the row names no file
// again instead of one that does not exist.
void MessageSound::unnameIfNothingCame(int row, const QString &file, const QString &cell)
{
    if (cell.trimmed().isEmpty() && !QFileInfo::exists(file))
        m_messages.setCell(MessageList::FileColumn, row, cell);
}

void MessageSound::stop()
{
    if (recording())
        m_recorder.stop();
    else
        stopPlaying();
}

void MessageSound::stopPlaying()
{
    if (m_player.isOpen() && !m_player.isRecording())
        m_player.stop();
}

void MessageSound::recordingEnded(const QString &fileName, const QString &error)
{
    BeforeRecording before = std::exchange(m_beforeRecording, {});
    if (error.isEmpty()) {
        // A take kept in a file of its own becomes the row's message only now; either way one
        // undo brings back what it replaced.
        if (!before.newName.isEmpty())
            m_messages.setCell(MessageList::FileColumn, before.row, before.newName);
        m_import.rememberReplaced(before.row, before.path, std::move(before.bytes), before.cell);
        emit written();
    } else {
        unnameIfNothingCame(before.row, before.path, before.cell);
    }
    // The new take, or the message as it was.
    m_edit.load(fileName);
    openOnDevice();
    emit recordingFinished(error);
}

} // namespace orvanta
