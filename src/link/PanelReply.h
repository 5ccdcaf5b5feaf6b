#pragma once

#include <QByteArray>
#include <QString>

namespace orvanta {

// The panel accepted a command when the bytes "O","K" stand next to each other anywhere.
bool ReplyHasOK(const QByteArray &bytes);

// The value of a reply: the text between the first ">" and the next CR LF, or empty when either
// is missing.
QString ExtractReplyValue(const QString &text);

} // namespace orvanta
