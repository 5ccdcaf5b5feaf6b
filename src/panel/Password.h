#pragma once

#include <QChar>
#include <QString>

namespace orvanta {

// The password as the panel keeps it: padded with "5" to five characters.
QString PaddedPassword(const QString &password);
// The password on the wire: padded, each character sent as "0" and itself.
QString EncodePassword(const QString &password);
// Every second character of the panel's value, padded with "0" to ten first.
QString DecodePassword(const QString &value);

// Whether a typed character may go into the password field: digits 1 to 9 and control keys
// only, and never next to an equal digit (left of the selection or right of it).
bool PasswordKeyAccepted(const QString &text, int selectionStart, int selectionLength, QChar c);

} // namespace orvanta
