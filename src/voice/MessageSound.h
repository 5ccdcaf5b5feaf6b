#pragma once

#include "MessageEdit.h"
#include "MessageRecorder.h"
#include "SoundImport.h"
#include "SoundResult.h"
#include "WaveDevice.h"

#include <QObject>
#include <optional>

namespace orvanta {

class MessageList;

// The message the sound page shows and everything done to it, without widgets: its samples and
// their edits, the device that plays it and the recorder that records into it, one undo for
// edits, imports, recordings and speech alike, and the one rule for where new sound for a row
// goes. Every action returns what it did; the views show it and draw the samples.
class MessageSound : public QObject
{
    Q_OBJECT
public:
    // longestSeconds: the longest sound a message may hold (the panel's whole memory).
    MessageSound(MessageList &messages, int longestSeconds, QObject *parent = nullptr);
    ~MessageSound() override;

    // Shows the row's message (row 0: a file of no row); the result says why it holds no sound.
    SoundResult showRow(int row);
    SoundResult showFile(const QString &fileName);
    // Stops the device and shows no sound.
    void close();
    int row() const { return m_row; }

    const MessageEdit &message() const { return m_edit; }
    const TWaveFile *wave() const { return m_edit.wave(); }
    bool loaded() const { return m_edit.loaded(); }
    qint64 sampleCount() const { return m_edit.sampleCount(); }
    bool recording() const { return m_recorder.recording(); }
    bool canPlay() const { return sampleCount() > 0 && m_player.isOpen() && !recording(); }
    bool canUndo() const;
    // Why the shown message cannot be played, or empty.
    const QString &playbackProblem() const { return m_playbackProblem; }
    WaveDevice &player() { return m_player; }
    const WaveDevice &player() const { return m_player; }

    // Edits of the shown message, samples first to last. A file in another format is never
    // written over: the first edit makes the row's message a copy of it and edits the copy, and
    // one undo brings back the row's file as it was.
    SoundResult cut(qint64 first, qint64 last);
    SoundResult silence(qint64 first, qint64 last);
    SoundResult trim();
    SoundResult evenLoudness();
    // The row's text spoken into its message.
    SoundResult speak(const QString &text, const QString &voice);
    // Brings a sound file of any format into the row as its message; the row is not shown.
    SoundResult importInto(int row, const QString &source);
    // Undoes the last import, recording or speech into the shown row, or else the last edit.
    SoundResult undo();

    // Plays samples first to last (to the end when last is negative), without waiting.
    SoundResult play(qint64 first, qint64 last = -1);
    // Starts recording into the shown row's message for at most maxSeconds and returns at once;
    // recordingFinished() tells its end. A failure of kind SoundDevice: the device refused (not
    // the file).
    SoundResult record(int maxSeconds);
    // Ends playing, or ends a recording and keeps it when it holds sound.
    void stop();

signals:
    // The samples changed: loaded, edited or gone.
    void samplesChanged();
    // Playing or recording began or ended, or the device was opened or closed.
    void stateChanged();
    // A message file was written: an edit, a recording, an import or speech.
    void written();
    // The input of a recording delivers sound.
    void soundArrived();
    // A recording ended: error empty when the message holds the new take.
    void recordingFinished(const QString &error);

private:
    // Where new sound for the row goes: its file, or, when that file cannot be written back as
    // it is, a WAV file of its own (newName) that the row names once the sound is kept.
    QString fileForNewSound(QString &newName);
    // Where new sound for the shown row goes, with the row's file cell as it was; none while a
    // recording runs or no row is shown.
    struct NewSound
    {
        QString cell;
        QString file;
        QString newName;
    };
    std::optional<NewSound> beginNewSound();
    SoundResult edit(const std::function<SoundResult(double scale)> &change);
    SoundResult show(int row, const QString &fileName);
    SoundResult reshow();
    void openOnDevice();
    void stopPlaying();
    void unnameIfNothingCame(int row, const QString &file, const QString &cell);
    void recordingEnded(const QString &fileName, const QString &error);

    MessageList &m_messages;
    MessageEdit m_edit;
    WaveDevice m_player;
    MessageRecorder m_recorder{m_player};
    SoundImport m_import;
    int m_row = 0;
    QString m_playbackProblem;
    bool m_keepImportUndo = false; // the edit under way follows the import it made
    // What a recording replaces, for its undo, and the new file it names once kept.
    struct BeforeRecording
    {
        int row = 0;
        QString path;
        std::optional<QByteArray> bytes;
        QString cell;
        QString newName;
    } m_beforeRecording;
};

} // namespace orvanta
