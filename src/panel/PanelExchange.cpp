#include "PanelExchange.h"

#include "HexRecord.h"
#include "KeyCode.h"
#include "PanelLink.h"
#include "Password.h"

#include <algorithm>

namespace orvanta {

namespace {

// The memory in use is word 54: the end of the last message slot.

QString relayCommand(int relay)
{
    return QStringLiteral("+k0") + QString::number(relay);
}

template <typename Callback, typename... Arguments>
void tell(const Callback &callback, Arguments &&...arguments)
{
    if (callback)
        callback(std::forward<Arguments>(arguments)...);
}

template <size_t Size> std::array<uint8_t, Size> decodeRecord(const QString &value)
{
    const std::vector<uint8_t> bytes = DecodeHexRecord(value, int(Size));
    std::array<uint8_t, Size> record{};
    std::copy(bytes.begin(), bytes.end(), record.begin());
    return record;
}

template <size_t Size> QString encodeRecord(const std::array<uint8_t, Size> &record)
{
    return EncodeHexRecord(std::vector<uint8_t>(record.begin(), record.end()));
}

} // namespace

bool IsExpectedFirmware(const QString &version)
{
    return version.left(6).toUpper() == QLatin1String("VER 03");
}

namespace {

PanelQuery queryOf(PanelLink &link)
{
    return [&link](const QString &command) {
        return link.Query(command);
    };
}

void readKeys(const PanelQuery &query, PanelSettings &settings, const ReadObserver &observer)
{
    tell(observer.keysStart);
    for (int slot = 1; slot <= PanelSettings::KeySlots; ++slot) {
        const QString code = ReverseKeyBytes(query(KeySlotCommand(slot)));
        settings.keys[size_t(slot - 1)] = code;
        tell(observer.key, slot, code);
    }
}

void readVersionAndPassword(const PanelQuery &query, PanelSettings &settings,
                            const ReadObserver &observer)
{
    settings.version = query(QStringLiteral("+v"));
    tell(observer.version, *settings.version);
    settings.password = DecodePassword(query(QStringLiteral("+Q")));
    tell(observer.password, *settings.password);
}

void readRelays(const PanelQuery &query, PanelSettings &settings, const ReadObserver &observer)
{
    for (int relay = 1; relay <= PanelSettings::Relays; ++relay) {
        const QString value = query(relayCommand(relay));
        settings.relayRules[size_t(relay - 1)].reset();
        tell(observer.relayAnswered, relay, !value.isEmpty());
        if (value.isEmpty())
            continue;
        // Decoded whole before any of it is shown.
        const auto rule = decodeRecord<PanelSettings::RelayRuleBytes>(value);
        settings.relayRules[size_t(relay - 1)] = rule;
        tell(observer.relayRule, relay, rule);
    }
    const QString times = query(QStringLiteral("+L"));
    settings.relayTimes.reset();
    tell(observer.relayTimesAnswered, !times.isEmpty());
    if (times.isEmpty())
        return;
    // Field by field: a bad pair leaves the times before it already shown.
    PanelSettings::RelayTimes seconds{};
    for (int relay = 1; relay <= PanelSettings::Relays; ++relay) {
        seconds[size_t(relay - 1)] = 2 * HexPairToInt(times.mid(2 * (relay - 1), 2));
        tell(observer.relayTime, relay, seconds[size_t(relay - 1)]);
    }
    settings.relayTimes = seconds;
}

void readLoops(const PanelQuery &query, PanelSettings &settings, const ReadObserver &observer)
{
    const QString value = query(QStringLiteral("+K"));
    settings.loops.reset();
    if (!value.isEmpty())
        settings.loops = decodeRecord<PanelSettings::LoopRecordBytes>(value);
    tell(observer.loops, settings.loops);
}

} // namespace

void ReadKeys(PanelLink &link, PanelSettings &settings, const ReadObserver &observer)
{
    readKeys(queryOf(link), settings, observer);
}

void ReadVersionAndPassword(PanelLink &link, PanelSettings &settings, const ReadObserver &observer)
{
    readVersionAndPassword(queryOf(link), settings, observer);
}

void ReadRelays(PanelLink &link, PanelSettings &settings, const ReadObserver &observer)
{
    readRelays(queryOf(link), settings, observer);
}

void ReadLoops(PanelLink &link, PanelSettings &settings, const ReadObserver &observer)
{
    readLoops(queryOf(link), settings, observer);
}

void ReadPanelSettings(const PanelQuery &query, PanelSettings &settings,
                       const ReadObserver &observer)
{
    readKeys(query, settings, observer);
    readVersionAndPassword(query, settings, observer);
    readRelays(query, settings, observer);
    readLoops(query, settings, observer);
}

void ReadPanelSettings(PanelLink &link, PanelSettings &settings, const ReadObserver &observer)
{
    ReadPanelSettings(queryOf(link), settings, observer);
}

void ShowSettings(const PanelSettings &settings, const ReadObserver &observer)
{
    if (std::any_of(settings.keys.begin(), settings.keys.end(),
                    [](const auto &key) { return key.has_value(); })) {
        tell(observer.keysStart);
        for (int slot = 1; slot <= PanelSettings::KeySlots; ++slot)
            if (const auto &key = settings.keys[size_t(slot - 1)])
                tell(observer.key, slot, *key);
    }
    if (settings.version)
        tell(observer.version, *settings.version);
    if (settings.password)
        tell(observer.password, *settings.password);
    for (int relay = 1; relay <= PanelSettings::Relays; ++relay) {
        if (const auto &rule = settings.relayRules[size_t(relay - 1)]) {
            tell(observer.relayAnswered, relay, true);
            tell(observer.relayRule, relay, *rule);
        }
    }
    if (settings.relayTimes) {
        tell(observer.relayTimesAnswered, true);
        for (int relay = 1; relay <= PanelSettings::Relays; ++relay)
            tell(observer.relayTime, relay, (*settings.relayTimes)[size_t(relay - 1)]);
    }
    if (settings.loops)
        tell(observer.loops, settings.loops);
}

void WriteKeys(PanelLink &link, const PanelSettings &settings)
{
    for (int slot = 1; slot <= PanelSettings::KeySlots; ++slot) {
        const std::optional<QString> &code = settings.keys[size_t(slot - 1)];
        // A slot that a read ended before holds no code: writing zeros would erase it.
        if (!code || code->isEmpty()) {
            link.Log().LogExchange(
                QStringLiteral("Ключ %1 не записан: в списке нет его кода").arg(slot), true);
            continue;
        }
        link.Query(KeySlotCommand(slot, ReverseKeyBytes(*code)));
    }
}

void WriteLoops(PanelLink &link, const PanelSettings &settings)
{
    if (settings.loops)
        link.Query(QStringLiteral("+K") + encodeRecord(*settings.loops));
}

void WriteRelays(PanelLink &link, const PanelSettings &settings)
{
    // A time that cannot be sent stops the write before anything reaches the panel.
    const QString times = settings.relayTimes ? EncodeRelayTimes(*settings.relayTimes) : QString();
    for (int relay = 1; relay <= PanelSettings::Relays; ++relay)
        if (const auto &rule = settings.relayRules[size_t(relay - 1)])
            link.Query(relayCommand(relay) + encodeRecord(*rule));
    if (settings.relayTimes)
        link.Query(QStringLiteral("+L") + times);
}

void WritePassword(PanelLink &link, const PanelSettings &settings)
{
    if (settings.password)
        link.Query(QStringLiteral("+Q") + EncodePassword(*settings.password));
}

void WritePanelSettings(PanelLink &link, const PanelSettings &settings)
{
    WriteKeys(link, settings);
    WriteLoops(link, settings);
    WriteRelays(link, settings);
    WritePassword(link, settings);
}

} // namespace orvanta
