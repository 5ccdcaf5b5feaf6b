#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace orvanta {

// The debug record of exchanges with the panel: "log.txt" in the working folder, appended to
// entry by entry, each entry opened, written and closed at once so it is on disk when the call
// returns. Outside debug mode it does nothing and creates no file. An echo, when given, receives
// every entry as well, in or out of debug mode; an empty path writes no file.
//
// The log is only a record: a file that cannot be written never ends an exchange with the panel.
// The first failure is reported once, through the failure handler, and the log stops writing.
class ExchangeLog
{
public:
    explicit ExchangeLog(QString path = QStringLiteral("log.txt"))
        : m_path(std::move(path))
    {}

    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool enabled() const { return m_enabled; }
    const QString &path() const { return m_path; }
    // Whether a write failed, so that the log no longer writes.
    bool failed() const { return m_failed; }

    // Receives the message of the first failure ("Ошибка записи в файл ...").
    using FailureHandler = std::function<void(const QString &message)>;
    void setFailureHandler(FailureHandler handler) { m_onFailure = std::move(handler); }
    using Echo = std::function<void(const QByteArray &entry)>;
    void setEcho(Echo echo) { m_echo = std::move(echo); }

    // A stamped entry: "# date time # text #" and CR LF, or with an empty text the non-zero
    // bytes between "# date time # " and " ###". Not stamped: the text, or the non-zero bytes,
    // alone.
    void LogExchange(const QString &text, bool Stamped, const QByteArray &bytes = {});

private:
    QString m_path;
    bool m_enabled = false;
    bool m_failed = false;
    FailureHandler m_onFailure;
    Echo m_echo;
};

} // namespace orvanta
