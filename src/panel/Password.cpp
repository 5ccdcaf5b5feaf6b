#include "Password.h"

namespace orvanta {

QString PaddedPassword(const QString &password)
{
    return password.leftJustified(5, QLatin1Char('5'));
}

QString EncodePassword(const QString &password)
{
    QString coded;
    for (QChar c : PaddedPassword(password))
        coded += QLatin1Char('0') + QString(c);
    return coded;
}

QString DecodePassword(const QString &value)
{
    const QString padded = value.leftJustified(10, QLatin1Char('0'));
    QString password;
    for (int i = 1; i < padded.size(); i += 2)
        password += padded[i];
    return password;
}

bool PasswordKeyAccepted(const QString &text, int selectionStart, int selectionLength, QChar c)
{
    if (c.unicode() <= 32)
        return true;
    if (c < QLatin1Char('1') || c > QLatin1Char('9'))
        return false;
    const int after = selectionStart + selectionLength;
    const bool sameLeft = selectionStart > 0 && text[selectionStart - 1] == c;
    const bool sameRight = after < text.size() && text[after] == c;
    return !sameLeft && !sameRight;
}

} // namespace orvanta
