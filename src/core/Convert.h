#pragma once

#include <QString>

namespace orvanta {

// Text to integer as the panel's values are converted. Anything that is not a number, an empty
// text included, throws EConvertError "'<text>' is not a valid integer value".

// A decimal number; blanks in front are allowed.
int StrToInt(const QString &text);

// Hex digits of either letter case, read with "$" in front ("$" + digits in the error text).
int HexStrToInt(const QString &digits);

} // namespace orvanta
