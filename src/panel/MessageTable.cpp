#include "MessageTable.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include "core/IniFile.h"
#include "link/PanelLink.h"
#include "link/PanelMemory.h"
#include "link/PanelReply.h"

namespace orvanta::MessageTable {

namespace {

const QString TableSection = QStringLiteral("Sound");

QString tableKey(int k)
{
    return QStringLiteral("s%1").arg(k);
}

} // namespace

std::optional<int> EntryUnits(const QString &entry)
{
    bool ok = false;
    const int units = entry.toInt(&ok, 16);
    if (!ok || entry.size() != 4 || entry.startsWith(QLatin1Char('-')) ||
        entry.startsWith(QLatin1Char('+')))
        return std::nullopt;
    return units;
}

std::optional<int> UsedSecondsFromBytes(const QString &high, const QString &low)
{
    if (high.isEmpty() && low.isEmpty())
        return std::nullopt;
    if (high.isEmpty() || low.isEmpty())
        return 0;
    const std::optional<int> units = EntryUnits(high + low);
    if (!units)
        return std::nullopt;
    return *units == EmptyWord ? 0 : Seconds(*units);
}

std::optional<int> ReadUsedSeconds(PanelLink &link)
{
    const PanelMemory::Word word = PanelMemory(link).readWord(UsageWord);
    return UsedSecondsFromBytes(word.high, word.low);
}

std::optional<int> ReadUsedSecondsWhole(PanelLink &link)
{
    static const QRegularExpression hexByte(QStringLiteral("^[0-9A-Fa-f]{2}$"));
    QString word;
    for (const int address : {2 * UsageWord, 2 * UsageWord + 1}) {
        const QString command = QStringLiteral("+E") + PanelMemory::addressDigits(address);
        const std::optional<QString> byte = ExtractWholeValue(link.exchange(command), command);
        if (!byte || !hexByte.match(*byte).hasMatch())
            return std::nullopt;
        word += *byte;
    }
    return UsedSecondsFromBytes(word.left(2), word.mid(2));
}

Entries ReadTableFile(const QString &path)
{
    const IniFile table = IniFile::read(path);
    Entries entries;
    for (int k = 0; k < Messages; ++k)
        entries[size_t(k)] = table.value(TableSection, tableKey(k), QStringLiteral("0000"));
    return entries;
}

void WriteTableFile(const QString &path, const Entries &entries, int count)
{
    IniFile table = IniFile::read(path);
    for (int k = 0; k < count && k < Messages; ++k)
        table.setValue(TableSection, tableKey(k), entries[size_t(k)]);
    table.write(path);
}

void SaveFromPanel(PanelLink &link, const QString &path,
                   const std::function<void(int row, const QString &entry)> &read)
{
    PanelMemory memory(link);
    Entries entries;
    int count = 0;
    try {
        for (; count < Messages; ++count) {
            entries[size_t(count)] = memory.readWord(count + 1).text();
            read(count + 1, entries[size_t(count)]);
        }
    } catch (const std::exception &) {
        WriteTableFile(path, entries, count);
        throw;
    }
    WriteTableFile(path, entries);
}

void LoadIntoPanel(PanelLink &link, const QString &path,
                   const std::function<void(int row, const QString &text)> &report,
                   const std::function<void(int row)> &done,
                   const std::function<bool()> &keepCorrecting)
{
    const Entries entries = ReadTableFile(path);
    PanelMemory memory(link);
    for (int row = 1; row <= Messages; ++row) {
        const QString &entry = entries[size_t(row - 1)];
        report(row, entry);
        memory.try_write_eeprom(
            entry, row, [&report, row](const QString &line) { report(row, line); }, keepCorrecting);
        done(row);
    }
}

QString PlayFirst(PanelLink &link)
{
    return link.query(QStringLiteral("+I00"));
}

QString PlayMessage(PanelLink &link, int row)
{
    return link.query(QStringLiteral("+I") + QString::asprintf("%.2x", row - 1));
}

QString PlayNext(PanelLink &link)
{
    return link.query(QStringLiteral("+I"));
}

} // namespace orvanta::MessageTable

namespace orvanta {

QString MemoryUsageText(int usedSeconds)
{
    return QCoreApplication::translate("orvanta::MessageTable", "Занято %1 мин. %2 сек. из %3 мин.")
        .arg(usedSeconds / 60)
        .arg(usedSeconds % 60)
        .arg(MemorySeconds / 60);
}

} // namespace orvanta
