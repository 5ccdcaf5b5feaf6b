#pragma once

#include "link/PanelLink.h"
#include "session/UploadSession.h"

#include <QGroupBox>
#include <QString>

class QProgressBar;
class QPushButton;

namespace orvanta {

class MessageList;
struct UploadCheck;

// The upload's view, the group "Процесс записи": its progress `p`, "Записать звук в
// устройство" and "Остановить". It asks the upload session to check the list's messages and to
// send them, says what stands in the way, and shows what the session reports in the list's
// address column and its progress; the page follows its signals. In debug mode the panel's
// message address table is saved to a file and written back from one.
class SoundUpload : public QGroupBox
{
    Q_OBJECT
public:
    static constexpr int MaxEntryReads = MessageUpload::MaxEntryReads;
    static constexpr double SecondsAroundMessage = UploadSession::SecondsAroundMessage;
    // Problems a check box lists one by one; more are counted.
    static constexpr int ListedProblems = 12;

    // Shows the session's upload of the list's messages.
    SoundUpload(PanelLink &link, MessageList &messages, UploadSession &session,
                QWidget *parent = nullptr);

    void setDebugEnabled(bool enabled) { m_session.setDebugLines(enabled); }
    // "Исправлять ошибки": a table entry that differs is read again.
    void setCorrectErrors(std::function<bool()> correct);

    // "Записать звук в устройство": checks the messages, starts the upload and returns;
    // finished() tells its end.
    void Button4Click();
    // Start and Stop, enabled by the page as the activity allows.
    QPushButton &startButton() { return *m_start; }
    QPushButton &stopButton() { return *m_stop; }
    // "Остановить": the upload ends after the message being played, and says so at once.
    void Button5Click();
    // "Загрузить" and "Сохранить" (debug): the table written from a file, and saved to one; their
    // buttons run them as a panel exchange.
    void Button6Click();
    void Button7Click();
    // Makes word n of panel memory hold value; the outcome goes into the address column.
    bool try_write_eeprom(const QString &value, int n);
    bool running() const { return m_session.running(); }
    // The device the messages are played on.
    WaveDevice &device() { return m_session.device(); }
    // Ends a running upload at once, for a closing window: no message box follows.
    void abort();

signals:
    // The upload begins: the list stays as it is until finished().
    void started();
    // The message of the row is being sent.
    void rowStarted(int row);
    // Seconds of message memory in use, as the table says after a message.
    void usedSecondsChanged(int seconds);
    // What the output was heard to play of a message, for the page's status line.
    void messageHeard(const QString &text);
    void finished();

private:
    // Says what stands in the way, row by row, and marks the rows; false when anything does.
    bool checkPassed(const UploadCheck &check);
    bool messagesFitOrUserAgrees(double seconds);
    void uploadFinished(const UploadOutcome &outcome);

    PanelLink &m_link;
    MessageList &m_messages;
    QProgressBar *m_progress = nullptr; // p
    QPushButton *m_start = nullptr;     // Button4
    QPushButton *m_stop = nullptr;      // Button5
    std::function<bool()> m_correctErrors;
    UploadSession &m_session;
    bool m_aborted = false;
};

} // namespace orvanta
