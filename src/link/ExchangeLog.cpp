#include "ExchangeLog.h"

#include "Errors.h"

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
    return "# " + locale.toString(now.date(), QLocale::ShortFormat).toUtf8() + " "
           + locale.toString(now.time(), QLocale::LongFormat).toUtf8() + " # ";
}

} // namespace

void ExchangeLog::LogExchange(const QString &text, bool Stamped, const QByteArray &bytes)
{
    if (!m_enabled)
        return;
    const QByteArray body = text.isEmpty() ? withoutZeros(bytes) : text.toUtf8();
    QByteArray entry = body;
    if (Stamped)
        entry = stamp() + body + (text.isEmpty() ? " ###\r\n" : " #\r\n");

    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(entry) != entry.size()
        || !file.flush()) {
        throw EInOutError(QStringLiteral("Ошибка записи в файл %1: %2")
                              .arg(m_path, file.errorString()));
    }
}

} // namespace orvanta
