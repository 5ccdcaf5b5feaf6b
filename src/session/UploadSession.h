#pragma once

#include "panel/MessageUpload.h"
#include "voice/SoundStream.h"
#include "voice/UploadCheck.h"
#include "voice/WaveDevice.h"

#include <QDateTime>
#include <QObject>
#include <functional>
#include <vector>

namespace orvanta {

class MessageList;
class PanelLink;

// One upload of the list's messages into the panel, the same for the window and the command
// line: the check before anything is sent, each message played on a sound device of its own
// while the output's monitor is heard, the sequence, and each message's receipt in the upload
// journal. It reports through its signals; asking the user is the front end's part.
class UploadSession : public QObject
{
    Q_OBJECT
public:
    static constexpr double SecondsAroundMessage = MessageUpload::SecondsAroundMessage;
    static_assert(MessageUpload::PlayerWatchMs == WaveDevice::WatchMs,
                  "the allowance per message counts the player's own watch");
    // How long the output may take to start before a message's "+J".
    static constexpr int OutputStartMs = 1000;

    explicit UploadSession(PanelLink &link, QObject *parent = nullptr);

    void setDeviceNames(const QString &output, const QString &input);
    // A confirmed row shows "n: end : entry" instead of "Ok".
    void setDebugLines(bool on) { m_sequence.setDebugLines(on); }
    // Whether a differing table entry is read again.
    void setCorrectErrors(std::function<bool()> correct);

    // The rows of the list that name a file, in their order.
    static std::vector<UploadMessage> MessagesOf(const MessageList &list);
    // Each message's file read now and opened on the output: what stands in the way, if anything.
    UploadCheck check(const std::vector<UploadMessage> &messages);
    // What the messages take of the panel's memory: their sound and what it records around each.
    static double SecondsTaken(const UploadCheck &check, size_t messages);

    // Starts the upload; finished() tells its end.
    void start(std::vector<UploadMessage> messages);
    // The message being played is finished and verified; nothing more is sent.
    void requestStop() { m_sequence.requestStop(); }
    bool stopRequested() const { return m_sequence.stopRequested(); }
    // Ends at once: the sound cut, the panel's recording ended with "+j".
    void abort() { m_sequence.abort(); }
    bool running() const { return m_sequence.running(); }
    // The device the messages are played on.
    WaveDevice &device() { return m_device; }
    // Why the upload journal could not take a receipt of this upload; empty when it took all.
    QString journalError() const { return m_journalError; }

signals:
    void rowStarted(int row);
    // The row about to be sent, less one.
    void progress(int position);
    // A text for the row's address cell.
    void rowReport(int row, const QString &text);
    // Seconds of message memory in use, as the table says after a message.
    void usedSecondsChanged(int seconds);
    // What became of a message, once it is known.
    void receipt(const UploadReceipt &receipt);
    void finished(const UploadOutcome &outcome);

private:
    UploadPlayer player();
    // Begins hearing what the output of that server name plays. Empty when it began, else why
    // the message cannot be checked.
    QString listen(const QString &outputName);
    void followTheOutput();

    PanelLink &m_link;
    WaveDevice m_device;     // the upload's own, so that the editor can show a message meanwhile
    SoundStream m_listening; // what the output plays, heard through its monitor
    std::function<void(const QString &)> m_played;
    QString m_playingOn;    // the server's name of the output the message plays on
    QDateTime m_started;    // of the upload under way, which its receipts name
    QString m_journalError; // the upload journal could not take a receipt
    MessageUpload m_sequence;
};

} // namespace orvanta
