#include "HexRecord.h"

#include "core/Convert.h"

namespace orvanta {

int HexPairToInt(const QString &pair)
{
    return HexStrToInt(pair);
}

std::vector<uint8_t> DecodeHexRecord(const QString &value, int byteCount)
{
    std::vector<uint8_t> bytes;
    bytes.reserve(size_t(byteCount));
    for (int k = 0; k < byteCount; ++k)
        bytes.push_back(uint8_t(HexPairToInt(value.mid(2 * qsizetype(k), 2))));
    return bytes;
}

QString HexByte(int value)
{
    // As "%.2x" writes it: at least two digits, a negative number as its 32-bit pattern.
    return QString::number(uint32_t(value), 16).rightJustified(2, QLatin1Char('0'));
}

QString EncodeHexRecord(const std::vector<uint8_t> &bytes)
{
    QString text;
    for (uint8_t byte : bytes)
        text += HexByte(byte);
    return text;
}

} // namespace orvanta
