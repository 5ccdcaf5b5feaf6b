#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace orvanta {

// A hex pair read the way the panel's settings are read: "$" put in front and the text converted
// as an integer, so either letter case is accepted. Anything else, an empty pair included, throws
// EConvertError "'$<pair>' is not a valid integer value".
int HexPairToInt(const QString &pair);

// The bytes of a settings record, byte k from characters 2k - 1 and 2k of the value. A pair cut
// short by the end of the value is read as far as it goes; characters past the record are
// ignored. Throws EConvertError on the first bad pair, before anything is returned.
std::vector<uint8_t> DecodeHexRecord(const QString &value, int byteCount);

// Each byte as exactly two lower-case hex digits.
QString EncodeHexRecord(const std::vector<uint8_t> &bytes);
// A number in lower-case hex, at least two digits.
QString HexByte(int value);

} // namespace orvanta
