#include "PanelLink.h"

#include "core/Errors.h"

#include "PanelPort.h"
#include "PanelReply.h"
#include "comm/XComErr.h"

#include <chrono>

namespace orvanta {

namespace {

constexpr int ReplyBufferSize = 1000;
constexpr int ReadChunk = 600;
constexpr int ReplyLimit = 255; // buffer positions 0..254: position 0 stays zero

// Ends a transaction on every way out: the port's events come back, the exchange is over.
class ExchangeScope
{
public:
    ExchangeScope(TXComm &comm, bool &inExchange)
        : m_comm(comm)
        , m_inExchange(inExchange)
    {
        m_comm.LockDevice(true);
    }
    ~ExchangeScope()
    {
        m_comm.LockDevice(false);
        m_inExchange = false;
    }
    ExchangeScope(const ExchangeScope &) = delete;
    ExchangeScope &operator=(const ExchangeScope &) = delete;

private:
    TXComm &m_comm;
    bool &m_inExchange;
};

// The command is taken literally: a "%1" in it is text, not a place for an argument.
QString attemptLine(const QString &start, const QString &cmd, int attempt)
{
    return start + cmd + QStringLiteral(" } с попытки № ") + QString::number(attempt);
}

} // namespace

PanelLink::PanelLink(TXComm &comm, ExchangeLog &log, Activity &activity, QObject *parent)
    : QObject(parent)
    , m_comm(comm)
    , m_log(log)
    , m_activity(activity)
{}

void PanelLink::setConnected(bool connected)
{
    m_checked = true;
    if (connected == m_connected)
        return;
    m_connected = connected;
    emit connectedChanged(connected);
}

void PanelLink::wait_OK(const QString &Command, int Attempts, int ReadBudget, QString &Reply)
{
    m_inExchange = true;
    if (!m_comm.IsOpened()) {
        m_inExchange = false;
        return;
    }
    const QString cmd = Command.size() < 30 ? Command : Command.left(30) + QStringLiteral(".....");
    QByteArray buffer(ReplyBufferSize, 0);
    Reply.clear();
    ExchangeScope scope(m_comm, m_inExchange);

    m_silenceExcused = false;
    try {
        transact(Command, cmd, Attempts, ReadBudget, buffer, Reply);
    } catch (const EDeviceError &) {
        // A port that fails under the exchange leaves no panel answering.
        setConnected(false);
        throw;
    }
}

void PanelLink::transact(const QString &Command, const QString &cmd, int Attempts, int ReadBudget,
                         QByteArray &buffer, QString &Reply)
{
    const std::string frame = Command.toLatin1().toStdString() + "\r";
    for (int attempt = 1; attempt <= Attempts; ++attempt) {
        emit commandSent(Command);
        m_lastFrameSent = false;
        m_lastReceived.clear();
        m_lastFrameSent = m_comm.WriteString(frame);
        buffer.fill(0);
        int received = 0;
        for (int elapsed = 0; elapsed < ReadBudget;) {
            elapsed += ReadStepMs;
            const int room = ReplyBufferSize - 1 - received;
            received += int(m_comm.ReadData(buffer.data() + 1 + received,
                                            uint32_t(std::min(ReadChunk, room)), ReadStepMs));
            if (ReplyHasOK(buffer)) {
                m_log.LogExchange({}, false, buffer);
                break;
            }
            m_log.LogExchange(QStringLiteral("error"), true);
        }
        m_lastReceived = buffer;
        m_lastReceived.removeIf([](char c) { return c == 0; });
        if (ReplyHasOK(buffer)) {
            setConnected(true);
            m_log.LogExchange(
                attemptLine(QStringLiteral("Успешно отправили команду { "), cmd, attempt), true);
            QByteArray reply = buffer.left(ReplyLimit);
            reply.removeIf([](char c) { return c == 0; });
            Reply = QString::fromLatin1(reply);
            return;
        }
        setConnected(false);
        m_log.LogExchange(
            attemptLine(QStringLiteral("Не смогли отправить команду { "), cmd, attempt), true);
    }
    m_log.LogExchange(QStringLiteral("Отмена отправки команды { ") + cmd + QStringLiteral(" } "),
                      true);
}

QString PanelLink::query(const QString &Command, int ReadBudget)
{
    QString reply;
    wait_OK(Command, 1, ReadBudget, reply);
    return ExtractReplyValue(reply);
}

QString PanelLink::queryAllowingSilence(const QString &Command, int ReadBudget)
{
    QString reply;
    wait_OK(Command, 1, ReadBudget, reply);
    m_silenceExcused = reply.isEmpty() && m_comm.IsOpened();
    return ExtractReplyValue(reply);
}

QString PanelLink::exchange(const QString &Command)
{
    QString reply;
    wait_OK(Command, 1, DefaultReadBudget, reply);
    return reply;
}

QByteArray PanelLink::drainLine(int quietMs, int limitMs)
{
    QByteArray late;
    if (!m_comm.IsOpened())
        return late;
    m_inExchange = true;
    ExchangeScope scope(m_comm, m_inExchange);
    const auto start = std::chrono::steady_clock::now();
    const auto elapsed = [&start] {
        return int(std::chrono::duration_cast<std::chrono::milliseconds>(
                       std::chrono::steady_clock::now() - start)
                       .count());
    };
    QByteArray chunk(ReadChunk, 0);
    try {
        while (elapsed() < limitMs) {
            const int wait = std::min(quietMs, std::max(limitMs - elapsed(), 1));
            const uint32_t got = m_comm.ReadData(chunk.data(), ReadChunk, uint32_t(wait));
            if (got == 0)
                break;
            late += chunk.left(int(got));
        }
    } catch (const EDeviceError &) {
        setConnected(false);
        throw;
    }
    late.removeIf([](char c) { return c == 0; });
    if (!late.isEmpty()) {
        m_log.LogExchange({}, false, late);
        m_log.LogExchange(QStringLiteral("Запоздавший ответ"), true);
    }
    return late;
}

QString PanelLink::OpenPort(const QString &deviceName)
{
    if (m_comm.IsOpened())
        m_comm.CloseDevice();
    ApplyPanelLineSettings(m_comm);
    m_comm.SetDeviceName(deviceName.toStdString());
    try {
        m_comm.OpenDevice();
    } catch (const std::exception &error) {
        return ErrorText(error);
    }
    try {
        m_log.LogExchange(QStringLiteral("Открыли устройство ") + deviceName +
                              QStringLiteral(" на скорости ") + QString::number(m_comm.BaudValue()),
                          true);
    } catch (const std::exception &) {
        // The port is open all the same; the debug log says its own failure when it is read.
    }
    return {};
}

} // namespace orvanta
