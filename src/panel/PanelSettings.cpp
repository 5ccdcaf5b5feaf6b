#include "PanelSettings.h"

#include <QCoreApplication>

#include "HexRecord.h"
#include "core/Errors.h"

namespace orvanta {

QString EncodeRelayTimes(const PanelSettings::RelayTimes &seconds)
{
    QString record;
    for (int relay = 1; relay <= PanelSettings::Relays; ++relay) {
        const int time = seconds[size_t(relay - 1)];
        if (time < 0 || time > PanelSettings::MaxRelaySeconds)
            throw EConvertError(
                QCoreApplication::translate(
                    "orvanta::PanelSettings",
                    "Время включения реле %1 (%2 сек.) должно быть от 0 до 510 сек.")
                    .arg(relay)
                    .arg(time));
        record += HexByte(time / 2);
    }
    return record;
}

PanelSettings::RelayTimes DecodeRelayTimes(const std::array<uint8_t, PanelSettings::Relays> &halves)
{
    PanelSettings::RelayTimes seconds{};
    for (size_t relay = 0; relay < halves.size(); ++relay)
        seconds[relay] = 2 * halves[relay];
    return seconds;
}

} // namespace orvanta
