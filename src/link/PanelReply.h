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

// The value of a reply that came whole: ">", the value, CR LF, and then "OK". Nothing for a reply
// that lacks any of them (a lost line end makes "OK" part of the value otherwise).
std::optional<QString> ExtractWholeValue(const QString &text);

} // namespace orvanta
