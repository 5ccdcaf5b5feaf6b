#include "PanelReply.h"

namespace orvanta {

bool ReplyHasOK(const QByteArray &bytes)
{
    return bytes.contains("OK");
}

QString ExtractReplyValue(const QString &text)
{
    const qsizetype start = text.indexOf(QLatin1Char('>'));
    if (start < 0)
        return {};
    const QString tail = text.mid(start + 1);
    const qsizetype end = tail.indexOf(QLatin1String("\r\n"));
    return end < 0 ? QString() : tail.left(end);
}

} // namespace orvanta
