#include "PanelMemory.h"

#include "PanelLink.h"

namespace orvanta {

QString PanelMemory::Address(int address)
{
    return QStringLiteral("%1").arg(address, 2, 16, QLatin1Char('0'));
}

QString PanelMemory::ReadByte(int address)
{
    return m_link.Query(QStringLiteral("+E") + Address(address));
}

void PanelMemory::WriteByte(int address, const QString &twoCharacters)
{
    m_link.Query(QStringLiteral("+E") + Address(address) + twoCharacters);
}

PanelMemory::Word PanelMemory::ReadWord(int n)
{
    Word word;
    word.high = ReadByte(2 * n);
    word.low = ReadByte(2 * n + 1);
    return word;
}

bool PanelMemory::try_write_eeprom(const QString &value, int n,
                                   const std::function<void(const QString &)> &report,
                                   const std::function<bool()> &keepCorrecting)
{
    for (int writes = 0;;) {
        const Word word = ReadWord(n);
        const QString line = QStringLiteral("%1: %2 : %3").arg(n).arg(value, word.text());
        if (value == word.text()) {
            report(line);
            break;
        }
        report(QStringLiteral("--->") + line);
        WriteByte(2 * n, value.left(2));
        WriteByte(2 * n + 1, value.mid(2, 2));
        // A cell that never keeps its value must not hold the program: the rewrites are bounded.
        if (++writes >= MaxWrites || !keepCorrecting())
            break;
    }
    return true;
}

} // namespace orvanta
