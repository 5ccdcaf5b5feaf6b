#pragma once

#include "Activity.h"
#include "ExchangeLog.h"
#include "comm/XComDrv.h"

#include <QObject>
#include <QString>
#include <functional>

namespace orvanta {

// Read budget of a command transaction, in milliseconds.
constexpr int DefaultReadBudget = 250;

// The command transaction with the panel over the one serial port: send a command, collect the
// reply until "OK" or the read budget is spent, and keep the record of whether the panel answers.
class PanelLink : public QObject
{
    Q_OBJECT
public:
    // A transaction reads the reply in steps of this length, the first one whole even when the
    // panel answers at once.
    static constexpr int ReadStepMs = 100;

    // activity: the one activity of the program, owned beside the link; its exchanges take part
    // in it.
    PanelLink(TXComm &comm, ExchangeLog &log, Activity &activity, QObject *parent = nullptr);

    // Sends Command + CR up to Attempts times, each attempt reading for ReadBudget ms in steps of
    // 100 ms. Reply is the first 254 bytes received (NUL bytes left out) of the accepted attempt,
    // or empty. A closed port sends nothing. Errors of the port and the log pass through.
    void wait_OK(const QString &Command, int Attempts, int ReadBudget, QString &Reply);
    // One attempt with the default budget; returns the reply's value.
    QString query(const QString &Command, int ReadBudget = DefaultReadBudget);
    // One attempt with the default budget; returns the reply as it came, for a reader that
    // checks it whole.
    QString exchange(const QString &Command);
    // One attempt whose silence is a normal outcome (no key held to the reader): the connection
    // tick is cleared as for any unanswered command, but the panel does not count as lost.
    QString queryAllowingSilence(const QString &Command, int ReadBudget);

    // Whether the last command's frame went out whole before its attempt ended: when it did, the
    // panel may have taken it even if no reply came.
    bool lastFrameSent() const { return m_lastFrameSent; }
    // The bytes the last attempt received (NUL bytes left out), with or without "OK": a panel
    // that answered without accepting sends something, a panel that did not hear sends nothing.
    const QByteArray &lastReceived() const { return m_lastReceived; }
    // Reads and logs whatever the line still brings until it has been quiet for quietMs, at most
    // for limitMs: a reply that came after its command's budget, so that it is not taken for the
    // answer to the next command. Returns what was read; a closed port reads nothing.
    QByteArray drainLine(int quietMs, int limitMs);

    // (Re)opens the port on the given device at 19200 bit/s, no parity, no flow control. Empty
    // when it opened, else why not (the serial component's words).
    QString OpenPort(const QString &deviceName);
    bool IsOpened() const { return m_comm.IsOpened(); }
    // The device the port was last opened on.
    QString deviceName() const { return QString::fromStdString(m_comm.DeviceName()); }

    bool InExchange() const { return m_inExchange; }
    // Whether the panel answered the last attempt.
    bool connected() const { return m_connected; }
    // The last look at the panel found none: an exchange or a connection check went unanswered.
    bool connectionFailed() const { return m_checked && !m_connected && !m_silenceExcused; }
    void setConnected(bool connected);

    ExchangeLog &log() { return m_log; }
    // What the tool is doing now; a panel exchange begins here like any other activity.
    Activity &activity() { return m_activity; }
    const Activity &activity() const { return m_activity; }

    // Called while a transaction waits for the panel, so that the window can repaint.
    void SetIdleHandler(std::function<void()> handler) { m_comm.OnWait = std::move(handler); }

signals:
    void connectedChanged(bool connected);
    // A command goes out (each attempt), so that long work can show its progress.
    void commandSent(const QString &command);

private:
    // The attempts of wait_OK, with the port's lock held.
    void transact(const QString &Command, const QString &cmd, int Attempts, int ReadBudget,
                  QByteArray &buffer, QString &Reply);

    TXComm &m_comm;
    ExchangeLog &m_log;
    Activity &m_activity;
    bool m_inExchange = false;
    bool m_connected = false;
    bool m_checked = false;        // the panel was asked at least once
    bool m_silenceExcused = false; // the last command could go unanswered
    bool m_lastFrameSent = false;
    QByteArray m_lastReceived;
};

} // namespace orvanta
