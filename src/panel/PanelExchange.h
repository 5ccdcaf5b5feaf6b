#pragma once

#include "PanelSettings.h"

#include <QCoreApplication>
#include <QStringList>

#include <functional>
#include <stdexcept>

namespace orvanta {

class ExchangeLog;
class PanelLink;

// Told of each record as the whole-panel read takes it from the panel, so that a window shows
// it at once; each is optional.
struct ReadObserver
{
    std::function<void()> keysStart;
    std::function<void(int slot, const QString &code)> key; // code as shown
    std::function<void(const QString &)> version;
    std::function<void(const QString &)> password;
    // Whether the panel answered for a relay (before its record is decoded), then its record.
    std::function<void(int relay, bool answered)> relayAnswered;
    std::function<void(int relay, const PanelSettings::RelayRule &)> relayRule;
    // Whether the panel answered "+L"; then each relay's time, field by field.
    std::function<void(bool answered)> relayTimesAnswered;
    std::function<void(int relay, int seconds)> relayTime;
    std::function<void(const std::optional<PanelSettings::LoopRecord> &)> loops;
};

// One command to the panel and its reply as it came (empty without an answer).
using PanelQuery = std::function<QString(const QString &command)>;

// A read that did not get a setting whole: no answer, a reply that came in part, or a value no
// setting of the panel can have. The message names the setting.
class EIncompleteRead : public std::runtime_error
{
public:
    EIncompleteRead(const QString &setting, const QString &reason)
        : std::runtime_error(
              QCoreApplication::translate("orvanta::PanelExchange", "Не прочитано: %1 — %2")
                  .arg(setting, reason)
                  .toStdString())
    {}
};

// The parts of the whole-panel read, each one command after another. Every reply is checked
// whole; a setting that cannot be read throws EIncompleteRead and ends the read there, so a
// caller shows or keeps the settings only once all of them came.
void ReadKeys(PanelLink &link, PanelSettings &settings, const ReadObserver &observer = {});
void ReadVersionAndPassword(PanelLink &link, PanelSettings &settings,
                            const ReadObserver &observer = {});
void ReadRelays(PanelLink &link, PanelSettings &settings, const ReadObserver &observer = {});
void ReadLoops(PanelLink &link, PanelSettings &settings, const ReadObserver &observer = {});
// Keys, version and password, relays, loops: the order of the window's read.
void ReadPanelSettings(PanelLink &link, PanelSettings &settings, const ReadObserver &observer = {});
// The same over any source of replies (the fuzz target gives it arbitrary ones).
void ReadPanelSettings(const PanelQuery &query, PanelSettings &settings,
                       const ReadObserver &observer = {});
// Tells the observer of every part the settings hold, as a read would: a window shows settings
// loaded from a file the way it shows a read.
void ShowSettings(const PanelSettings &settings, const ReadObserver &observer);

// The parts of the whole-panel write, in the order they go to the panel.
enum class WritePart { Keys, Loops, Relays, Password };
inline constexpr WritePart WriteOrder[] = {WritePart::Keys, WritePart::Loops, WritePart::Relays,
                                           WritePart::Password};

// The commands that write a part; none for a part the settings do not hold. A key slot without a
// code is skipped (and said so in the log, when one is given). Throws EConvertError for a relay
// time the panel cannot hold, before any command of the part is made.
QStringList WriteCommands(WritePart part, const PanelSettings &settings,
                          ExchangeLog *log = nullptr);
// Reads one part back from the panel, whole or EIncompleteRead (the password with the version).
void ReadPart(PanelLink &link, WritePart part, PanelSettings &settings);

// The parts of the whole-panel write, sent without looking at the replies.
void WriteKeys(PanelLink &link, const PanelSettings &settings);
void WriteLoops(PanelLink &link, const PanelSettings &settings);
void WriteRelays(PanelLink &link, const PanelSettings &settings);
void WritePassword(PanelLink &link, const PanelSettings &settings);
// Every part, in the order of the write.
void WritePanelSettings(PanelLink &link, const PanelSettings &settings);

// The panel this tool speaks to answers "+v" with firmware 03, in any letter case.
bool IsExpectedFirmware(const QString &version);

} // namespace orvanta
