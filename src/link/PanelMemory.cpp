#include "PanelMemory.h"

#include "Convert.h"
#include "Errors.h"
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

bool PanelMemory::try_write_eeprom(const QString &value, int n,
                                   const std::function<void(const QString &)> &report,
                                   const std::function<bool()> &keepCorrecting)
{
    for (int writes = 0;;) {
        const QString high = ReadByte(2 * n);
        const QString low = ReadByte(2 * n + 1);
        const QString line = QStringLiteral("%1: %2 : %3%4").arg(n).arg(value, high, low);
        if (value == high + low) {
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

std::optional<int> UsedSecondsFromBytes(const QString &high, const QString &low)
{
    int units = 0;
    try {
        units = HexStrToInt(high + low);
    } catch (const EConvertError &) {
        return std::nullopt;
    }
    if (units == 65535)
        units = 0;
    return high.isEmpty() || low.isEmpty() ? 0 : units / 5;
}

QString MemoryUsageText(int usedSeconds)
{
    return QStringLiteral("Занято %1 мин. %2 сек. из 8 мин.").arg(usedSeconds / 60).arg(usedSeconds % 60);
}

} // namespace orvanta
