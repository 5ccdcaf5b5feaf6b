#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace orvanta {

// The panel accepted a command when the bytes "O","K" stand next to each other anywhere.
bool ReplyHasOK(const QByteArray &bytes);

// The value of a reply: the text between the first ">" and the next CR LF, or empty when either
// is missing.
QString ExtractReplyValue(const QString &text);

// The value of the one answer to command that came whole: ">", the value, CR LF, "OK", with
// nothing before it but the panel's echo of that command and nothing after it but line ends.
// Nothing for a reply that lacks any of them (a lost line end makes "OK" part of the value
// otherwise), and nothing for one that holds more than an answer: bytes of an earlier reply
// that came late (a second ">", an "OK" ahead of the value, another command's echo) would
// otherwise give that reply's value for this command.
std::optional<QString> ExtractWholeValue(const QString &text, const QString &command);

} // namespace orvanta
