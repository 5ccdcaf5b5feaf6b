#include "ExchangeLog.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QLocale>

namespace orvanta {

namespace {

QByteArray withoutZeros(const QByteArray &bytes)
{
    QByteArray kept = bytes;
    kept.removeIf([](char c) { return c == 0; });
    return kept;
}

QByteArray stamp()
{
    const QLocale locale = QLocale::system();
    const QDateTime now = QDateTime::currentDateTime();
    return "# " + locale.toString(now.date(), QLocale::ShortFormat).toUtf8() + " " +
           locale.toString(now.time(), QLocale::LongFormat).toUtf8() + " # ";
}

} // namespace

void ExchangeLog::LogExchange(const QString &text, bool Stamped, const QByteArray &bytes)
{
    if (!m_enabled && !m_echo)
        return;
    const QByteArray body = text.isEmpty() ? withoutZeros(bytes) : text.toUtf8();
    QByteArray entry = body;
    if (Stamped)
        entry = stamp() + body + (text.isEmpty() ? " ###\r\n" : " #\r\n");
    if (m_echo)
        m_echo(entry);
    if (!m_enabled || m_failed || m_path.isEmpty())
        return;

    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(entry) != entry.size() ||
        !file.flush()) {
        m_failed = true;
        const QString message =
            QCoreApplication::translate("orvanta::ExchangeLog", "Ошибка записи в файл %1: %2")
                .arg(m_path, file.errorString());
        if (m_onFailure)
            m_onFailure(message);
        else
            qWarning("%s", qUtf8Printable(message));
    }
}

} // namespace orvanta
