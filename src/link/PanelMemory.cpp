#include "PanelMemory.h"

#include "PanelLink.h"

namespace orvanta {

QString PanelMemory::addressDigits(int address)
{
    return QStringLiteral("%1").arg(address, 2, 16, QLatin1Char('0'));
}

QString PanelMemory::readByte(int address)
{
    return m_link.query(QStringLiteral("+E") + addressDigits(address));
}

void PanelMemory::writeByte(int address, const QString &twoCharacters)
{
    m_link.query(QStringLiteral("+E") + addressDigits(address) + twoCharacters);
}

PanelMemory::Word PanelMemory::readWord(int n)
{
    Word word;
    word.high = readByte(2 * n);
    word.low = readByte(2 * n + 1);
    return word;
}

bool PanelMemory::try_write_eeprom(const QString &value, int n,
                                   const std::function<void(const QString &)> &report,
                                   const std::function<bool()> &keepCorrecting)
{
    for (int writes = 0;;) {
        const Word word = readWord(n);
        const QString line = QStringLiteral("%1: %2 : %3").arg(n).arg(value, word.text());
        if (value == word.text()) {
            report(line);
            break;
        }
        report(QStringLiteral("--->") + line);
        writeByte(2 * n, value.left(2));
        writeByte(2 * n + 1, value.mid(2, 2));
        // A cell that never keeps its value must not hold the program: the rewrites are bounded.
        if (++writes >= MaxWrites || !keepCorrecting())
            break;
    }
    return true;
}

} // namespace orvanta
