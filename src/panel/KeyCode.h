#pragma once

#include <QString>

namespace orvanta {

// Placeholder code of a key slot before anything is read from the panel.
inline const QString PlaceholderKeyCode = QStringLiteral("4242424242424242");

// Whether a slot's code stands for no key: all zeros, or the placeholder.
inline bool HoldsNoKey(const QString &code)
{
    return code.count(QLatin1Char('0')) == code.size() ||
           code.compare(PlaceholderKeyCode, Qt::CaseInsensitive) == 0;
}

// A key code with its byte order turned round: padded in front with "0" to 16 characters, cut
// to 16, and its eight character pairs in reverse order. The panel sends and takes codes in one
// order and the screen shows the other; the operation is its own inverse.
QString ReverseKeyBytes(const QString &code);

// "+T0n": read slot n (1 to 4); with a code, write it; slot 0 is the key at the reader.
QString KeySlotCommand(int slot, const QString &code = {});

} // namespace orvanta
