#pragma once

#include <QByteArray>
#include <QString>

namespace orvanta {

// The debug record of exchanges with the panel: "log.txt" in the working folder, appended to
// entry by entry, each entry opened, written and closed at once so it is on disk when the call
// returns. Outside debug mode it does nothing and creates no file.
class ExchangeLog
{
public:
    explicit ExchangeLog(QString path = QStringLiteral("log.txt")) : m_path(std::move(path)) {}

    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool enabled() const { return m_enabled; }
    const QString &path() const { return m_path; }

    // A stamped entry: "# date time # text #" and CR LF, or with an empty text the non-zero
    // bytes between "# date time # " and " ###". Not stamped: the text, or the non-zero bytes,
    // alone. Throws EInOutError when the file cannot be written.
    void LogExchange(const QString &text, bool Stamped, const QByteArray &bytes = {});

private:
    QString m_path;
    bool m_enabled = false;
};

} // namespace orvanta
