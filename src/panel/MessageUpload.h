#pragma once

#include "core/HeardSound.h"
#include "core/UploadMessage.h"
#include "link/PanelLink.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>
#include <vector>

namespace orvanta {

class PanelLink;

// A message's file made ready to play: the reason it cannot be, or how long its sound lasts.
struct OpenedSound
{
    QString error;
    double seconds = 0;
    QByteArray sha256; // of the file's bytes as they were read
};

// How the upload plays a message on the PC's sound output.
struct UploadPlayer
{
    // Reads the file as it is now and proves the output running, before the panel is told to
    // record.
    std::function<OpenedSound(const QString &file)> open;
    // Plays the opened file and calls played once: with an empty text when the sound was heard
    // to its end, else with the reason it was not.
    std::function<void(std::function<void(const QString &error)> played)> play;
    // Ends the sound now; played is called all the same.
    std::function<void()> stop;
    // Begins listening to what the output plays, before the panel is told to record: empty, or
    // why it cannot be heard (then nothing is sent). Optional.
    std::function<QString()> listen;
    // Ends listening: what was heard, measured against the file played.
    std::function<HeardSound()> heard;
};

// What became of one message of an upload, as the upload journal keeps it.
struct UploadReceipt
{
    int row = 0;
    QString file;
    QByteArray sha256;        // of the file as it was played
    double fileSeconds = 0;   // the file's length
    double panelSeconds = -1; // what the panel recorded, from its end addresses; -1: not known
    std::optional<HeardSound> heard;
    QString verdict; // "Ok", or why the message failed
};

// What the upload tells as it goes; each is optional.
struct UploadObserver
{
    std::function<void(int position)> progress; // the row about to be sent, less one
    std::function<void(int row)> rowStarted;
    std::function<void(int row, const QString &text)> rowReport; // for the row's address cell
    std::function<void(int usedSeconds)> memoryUsed;
    std::function<void(const UploadReceipt &)> receipt;
};

struct UploadOutcome
{
    enum class End {
        Complete,     // every message was sent
        Stopped,      // the user stopped it, or the window closed
        NoEndAddress, // the panel did not say where a message ended
        Failed,       // error says why
        Full,         // a message did not fit the panel's memory
    };
    End end = End::Complete;
    int written = 0; // messages the panel holds and its table confirmed
    int total = 0;   // messages the upload was to send
    int failedRow = 0;
    QString error;
};

// Puts voice messages into the panel. For each message the panel is told to record ("+J00" for
// row 1, "+J" after), the message plays on the PC's sound output, the panel is told to stop
// ("+j") and answers where the message ended; that end is checked against the panel's message
// address table, read again (bounded) while it differs, and the memory in use is reported. The
// sequence runs from the event loop, with timers between its steps, so the window stays live and
// a stop is seen at once.
class MessageUpload : public QObject
{
    Q_OBJECT
public:
    // The pause after "+J" before the sound, and after "+j".
    static constexpr int PauseMs = 500;
    static constexpr int RereadPauseMs = 100;
    // How often the player looks at the time it has played, to find the sound's end.
    static constexpr int PlayerWatchMs = 25;
    // How much later than the sound the player tells its end: after the short silence it plays
    // behind the sound, once the sound server says it played all out.
    static constexpr int PlayerEndMs = 75;
    // What the panel records of each message besides its sound, from "+J" to "+j": the read
    // step of the "+J" transaction and the pause before the sound, the look that finds the
    // sound's end and the player's end after it (the output's start latency lies inside the
    // played time the player watches). The fit question, the list total and the report count it
    // for every message; the virtual panel measures 0.67 to 0.73 s.
    static constexpr double SecondsAroundMessage =
        (PanelLink::ReadStepMs + PauseMs + PlayerWatchMs + PlayerEndMs) / 1000.0;
    // A table entry that keeps differing from the reported end is read at most this often.
    static constexpr int MaxEntryReads = 10;
    // "+j" waits longer for its answer: the panel closes the message first.
    static constexpr int EndReadBudgetExtraMs = 2000;
    // A play whose end is not told within the message's length and this much more has failed.
    static constexpr int PlayDeadlineExtraMs = 2000;

    MessageUpload(PanelLink &link, UploadPlayer player, QObject *parent = nullptr);

    void setObserver(UploadObserver observer) { m_observer = std::move(observer); }
    // A confirmed row shows "n: end : entry" instead of "Ok".
    void setDebugLines(bool on) { m_debugLines = on; }
    // Whether a differing table entry is read again ("Исправлять ошибки").
    void setCorrectErrors(std::function<bool()> correct) { m_correctErrors = std::move(correct); }

    // Starts the upload of the messages, in their order; finished() tells how it ended.
    void start(std::vector<UploadMessage> messages);
    // The upload ends before the next message.
    void requestStop() { m_stopRequested = true; }
    bool stopRequested() const { return m_stopRequested; }
    // Ends the upload at once: the sound is cut, the panel's recording ended with "+j", and the
    // message is not counted; a player that does not answer its stop is not waited for.
    void abort();
    bool running() const { return m_running; }

signals:
    void finished(const UploadOutcome &outcome);

private:
    const UploadMessage &message() const { return m_messages[m_index]; }
    void nextMessage();
    void playMessage();
    void playEnded(const QString &error);
    void playTooLong();
    void messagePlayed(const QString &error);
    void checkEnd();
    void verifyEntry();
    void nextAfter(int milliseconds, std::function<void()> step);
    // Ends the panel's recording, if it records, whatever else failed.
    void endPanelRecording();
    void fail(const QString &error, bool showInRow);
    void abortNow();
    void finish(UploadOutcome::End end);
    void report(int row, const QString &text) const;
    // Stops listening, if it listens: what was heard.
    std::optional<HeardSound> stopListening();
    // Tells the receipt of the current message, once its outcome is known.
    void tellReceipt(const QString &verdict);

    PanelLink &m_link;
    UploadPlayer m_player;
    UploadObserver m_observer;
    bool m_debugLines = false;
    std::function<bool()> m_correctErrors;

    std::vector<UploadMessage> m_messages;
    size_t m_index = 0;
    bool m_running = false;
    bool m_stopRequested = false;
    bool m_aborted = false;
    bool m_panelRecording = false;
    bool m_playing = false;
    int m_plays = 0; // plays started, so that a late end of an earlier one is not taken
    QTimer m_playDeadline;
    OpenedSound m_sound; // the current message's sound, as it was read for its turn
    bool m_listening = false;
    std::optional<HeardSound> m_heard;
    QString m_end; // what "+j" answered for the current message
    int m_endUnits = 0;
    std::optional<int> m_previousEnd; // where the message before it ended
    int m_reads = 0;
    QTimer m_step;
    std::function<void()> m_nextStep;
    UploadOutcome m_outcome;
};

} // namespace orvanta
