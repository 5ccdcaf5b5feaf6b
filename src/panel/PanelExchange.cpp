#include "PanelExchange.h"

#include "HexRecord.h"
#include "KeyCode.h"
#include "Password.h"
#include "core/Errors.h"
#include "link/PanelLink.h"
#include "link/PanelReply.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

namespace orvanta {

namespace {

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
        return link.exchange(command);
    };
}

// The value of a setting's reply, which must have come whole.
QString wholeValue(const PanelQuery &query, const QString &command, const QString &setting)
{
    const QString reply = query(command);
    if (reply.isEmpty())
        throw EIncompleteRead(setting,
                              QCoreApplication::translate("orvanta::PanelExchange",
                                                          "охранная панель не ответила на %1")
                                  .arg(command));
    const std::optional<QString> value = ExtractWholeValue(reply, command);
    if (!value)
        throw EIncompleteRead(setting, QCoreApplication::translate("orvanta::PanelExchange",
                                                                   "ответ на %1 пришёл не целиком")
                                           .arg(command));
    return *value;
}

[[noreturn]] void refuse(const QString &setting, const QString &value)
{
    throw EIncompleteRead(setting, QCoreApplication::translate("orvanta::PanelExchange",
                                                               "охранная панель ответила «%1»")
                                       .arg(value));
}

// A key code as the settings file holds it: exactly 16 hex digits, in either letter case.
QString keyValue(const PanelQuery &query, int slot)
{
    const QString setting =
        QCoreApplication::translate("orvanta::PanelExchange", "Ключ %1").arg(slot);
    const QString value = wholeValue(query, KeySlotCommand(slot), setting);
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{16}$"));
    if (!hex.match(value).hasMatch())
        refuse(setting, value);
    return value;
}

// A record decoded as its pairs of hex digits; a pair that is no number fails the read.
template <size_t Size>
std::array<uint8_t, Size> recordValue(const PanelQuery &query, const QString &command,
                                      const QString &setting)
{
    const QString value = wholeValue(query, command, setting);
    try {
        return decodeRecord<Size>(value);
    } catch (const EConvertError &) {
        refuse(setting, value);
    }
}

void readKeys(const PanelQuery &query, PanelSettings &settings, const ReadObserver &observer)
{
    tell(observer.keysStart);
    for (int slot = 1; slot <= PanelSettings::KeySlots; ++slot) {
        const QString code = ReverseKeyBytes(keyValue(query, slot));
        settings.keys[size_t(slot - 1)] = code;
        tell(observer.key, slot, code);
    }
}

void readVersionAndPassword(const PanelQuery &query, PanelSettings &settings,
                            const ReadObserver &observer)
{
    const QString versionName =
        QCoreApplication::translate("orvanta::PanelExchange", "Версия прошивки");
    const QString version = wholeValue(query, QStringLiteral("+v"), versionName);
    if (!IsExpectedFirmware(version))
        refuse(versionName, version);
    settings.version = version;
    tell(observer.version, version);
    // Each digit of the password comes as "0" and the digit.
    const QString passwordName = QCoreApplication::translate("orvanta::PanelExchange", "Пароль");
    const QString coded = wholeValue(query, QStringLiteral("+Q"), passwordName);
    // Digits 1 to 9: the panel's coding carries no 0, so a 0 is a garbled reply.
    static const QRegularExpression pairs(QStringLiteral("^(0[1-9]){5}$"));
    if (!pairs.match(coded).hasMatch())
        refuse(passwordName, coded);
    settings.password = DecodePassword(coded);
    tell(observer.password, *settings.password);
}

void readRelays(const PanelQuery &query, PanelSettings &settings, const ReadObserver &observer)
{
    for (int relay = 1; relay <= PanelSettings::Relays; ++relay) {
        const auto rule = recordValue<PanelSettings::RelayRuleBytes>(
            query, relayCommand(relay),
            QCoreApplication::translate("orvanta::PanelExchange",
                                        "Реле %1, правила включения и выключения")
                .arg(relay));
        settings.relayRules[size_t(relay - 1)] = rule;
        tell(observer.relayAnswered, relay, true);
        tell(observer.relayRule, relay, rule);
    }
    const PanelSettings::RelayTimes seconds = DecodeRelayTimes(recordValue<PanelSettings::Relays>(
        query, QStringLiteral("+L"),
        QCoreApplication::translate("orvanta::PanelExchange", "Время включения реле")));
    settings.relayTimes = seconds;
    tell(observer.relayTimesAnswered, true);
    for (int relay = 1; relay <= PanelSettings::Relays; ++relay)
        tell(observer.relayTime, relay, seconds[size_t(relay - 1)]);
}

void readLoops(const PanelQuery &query, PanelSettings &settings, const ReadObserver &observer)
{
    settings.loops = recordValue<PanelSettings::LoopRecordBytes>(
        query, QStringLiteral("+K"),
        QCoreApplication::translate("orvanta::PanelExchange",
                                    "Настройки шлейфов и общие настройки"));
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

QStringList WriteCommands(WritePart part, const PanelSettings &settings, ExchangeLog *log)
{
    QStringList commands;
    switch (part) {
    case WritePart::Keys:
        for (int slot = 1; slot <= PanelSettings::KeySlots; ++slot) {
            const std::optional<QString> &code = settings.keys[size_t(slot - 1)];
            // A slot that a read ended before holds no code: writing zeros would erase it.
            if (code && !code->isEmpty())
                commands += KeySlotCommand(slot, ReverseKeyBytes(*code));
            else if (log)
                // The log speaks Russian whatever the interface's language, as its other lines do.
                log->LogExchange(
                    QStringLiteral("Ключ %1 не записан: в списке нет его кода").arg(slot), true);
        }
        break;
    case WritePart::Loops:
        if (settings.loops)
            commands += QStringLiteral("+K") + encodeRecord(*settings.loops);
        break;
    case WritePart::Relays: {
        // A time that cannot be sent stops the part before any of it reaches the panel.
        const QString times =
            settings.relayTimes ? EncodeRelayTimes(*settings.relayTimes) : QString();
        for (int relay = 1; relay <= PanelSettings::Relays; ++relay)
            if (const auto &rule = settings.relayRules[size_t(relay - 1)])
                commands += relayCommand(relay) + encodeRecord(*rule);
        if (settings.relayTimes)
            commands += QStringLiteral("+L") + times;
        break;
    }
    case WritePart::Password:
        if (settings.password)
            commands += QStringLiteral("+Q") + EncodePassword(*settings.password);
        break;
    }
    return commands;
}

void ReadPart(PanelLink &link, WritePart part, PanelSettings &settings)
{
    switch (part) {
    case WritePart::Keys:
        return ReadKeys(link, settings);
    case WritePart::Loops:
        return ReadLoops(link, settings);
    case WritePart::Relays:
        return ReadRelays(link, settings);
    case WritePart::Password:
        return ReadVersionAndPassword(link, settings);
    }
}

namespace {

void sendPart(PanelLink &link, WritePart part, const PanelSettings &settings)
{
    for (const QString &command : WriteCommands(part, settings, &link.log()))
        link.query(command);
}

} // namespace

void WriteKeys(PanelLink &link, const PanelSettings &settings)
{
    sendPart(link, WritePart::Keys, settings);
}

void WriteLoops(PanelLink &link, const PanelSettings &settings)
{
    sendPart(link, WritePart::Loops, settings);
}

void WriteRelays(PanelLink &link, const PanelSettings &settings)
{
    sendPart(link, WritePart::Relays, settings);
}

void WritePassword(PanelLink &link, const PanelSettings &settings)
{
    sendPart(link, WritePart::Password, settings);
}

void WritePanelSettings(PanelLink &link, const PanelSettings &settings)
{
    for (const WritePart part : WriteOrder)
        sendPart(link, part, settings);
}

} // namespace orvanta
