#include "Convert.h"

#include "Errors.h"

#include <QCoreApplication>

namespace orvanta {

namespace {

[[noreturn]] void notAnInteger(const QString &text)
{
    throw EConvertError(
        QCoreApplication::translate("orvanta::Convert", "'%1' is not a valid integer value")
            .arg(text));
}

} // namespace

int StrToInt(const QString &text)
{
    bool ok = false;
    const int value = QStringView(text).trimmed().toInt(&ok, 10);
    if (!ok || text.isEmpty() || text.back().isSpace())
        notAnInteger(text);
    return value;
}

int HexStrToInt(const QString &digits)
{
    bool ok = !digits.isEmpty() && digits.size() <= 8;
    for (QChar c : digits)
        ok = ok && ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                    (c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f')));
    if (!ok)
        notAnInteger(QLatin1Char('$') + digits);
    return int(digits.toUInt(nullptr, 16));
}

} // namespace orvanta
