#pragma once

#include <QString>
#include <array>
#include <functional>
#include <optional>

namespace orvanta {

class PanelLink;

// The panel's message memory and its address table: word n of the panel's memory holds where
// message n ends, in units of 0.2 s; word 54 is therefore the memory in use. Eight minutes fit.
namespace MessageTable {

constexpr int Messages = 54;
constexpr int UnitsPerSecond = 5;
constexpr int EndOfMemory = 2400; // eight minutes
constexpr int MemorySeconds = EndOfMemory / UnitsPerSecond;
constexpr int UsageWord = Messages;
// A fresh panel's words read "FFFF": no memory in use.
constexpr int EmptyWord = 0xFFFF;

// The entry's text as a number of units; nothing when it is no four-digit hex number.
std::optional<int> EntryUnits(const QString &entry);
// Whole seconds of message memory that units take.
constexpr int Seconds(int units)
{
    return units / UnitsPerSecond;
}

// Seconds of message memory in use, from the two byte texts of the usage word. Nothing when the
// texts make no hex number; 0 when only one was read or the word is empty.
std::optional<int> UsedSecondsFromBytes(const QString &high, const QString &low);
// Seconds of memory in use as word 54 says; nothing when it cannot be read.
std::optional<int> ReadUsedSeconds(PanelLink &link);
// The same only when both bytes of the word came whole, as two hex digits each; nothing
// otherwise, so that a missing or garbled reply is never taken for a figure.
std::optional<int> ReadUsedSecondsWhole(PanelLink &link);

// The table file of the debug buttons: section "Sound", keys "s0" … "s53" (entry k + 1 under
// "s" + k). A missing key reads as "0000". Both throw EInOutError.
using Entries = std::array<QString, Messages>;
Entries ReadTableFile(const QString &path);
// Keeps keys the file had beside the table.
void WriteTableFile(const QString &path, const Entries &entries, int count = Messages);

// The panel's table read word by word into the table file at path, each entry as it comes to
// read(row, entry). What was read before a failure is kept in the file all the same; the failure
// is thrown on.
void SaveFromPanel(PanelLink &link, const QString &path,
                   const std::function<void(int row, const QString &entry)> &read);
// The table file's entries written into the panel's words, each verified (rewritten while
// keepCorrecting() says so): report(row, text) gets the entry, then each verification's line;
// done(row) follows each row.
void LoadIntoPanel(PanelLink &link, const QString &path,
                   const std::function<void(int row, const QString &text)> &report,
                   const std::function<void(int row)> &done,
                   const std::function<bool()> &keepCorrecting);

// The panel plays a stored message through its speaker and answers with where it is in memory:
// the first message, message row (1 to 54), or the one after the last played.
QString PlayFirst(PanelLink &link);
QString PlayMessage(PanelLink &link, int row);
QString PlayNext(PanelLink &link);

} // namespace MessageTable

// "Занято M мин. S сек. из 8 мин."
QString MemoryUsageText(int usedSeconds);

// The memory holds eight minutes.
constexpr int MemorySeconds = MessageTable::MemorySeconds;

} // namespace orvanta
