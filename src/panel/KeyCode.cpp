#include "KeyCode.h"

namespace orvanta {

QString ReverseKeyBytes(const QString &code)
{
    const QString full = code.rightJustified(16, QLatin1Char('0'), true);
    QString reversed;
    reversed.reserve(16);
    for (int pair = 7; pair >= 0; --pair)
        reversed += full.mid(qsizetype(pair) * 2, 2);
    return reversed;
}

QString KeySlotCommand(int slot, const QString &code)
{
    return QStringLiteral("+T0") + QString::number(slot, 16) + code;
}

} // namespace orvanta
